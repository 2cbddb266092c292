#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "catalog/ChartKind.h"

// What the charts count: -1 and a null date mean no condition.
struct ChartFilter {
    int species = -1;
    int place = -1;
    QDate from;  // first day counted
    QDate to;    // last day counted
};

struct ChartRow {
    QString label;  // "janv. 2024", "PLEINE LUNE", "14 à 15 °C"
    QString group;  // a coarser label shared by neighbouring rows ("2024"), or ""
    int catches = 0;
    int fish = 0;
};

// The numbers of one chart, ready to draw or to read as a table.
struct ChartData {
    ChartKind kind = ChartKind::CatchesPerMonth;
    std::vector<ChartRow> rows;
    bool showsFish = true;  // a column of fish beside the catches
    int markedRow = -1;     // the band of the species' record, or -1
    QString note;           // a line under the title ("Record : 2,000 kg ..."), or ""
};
