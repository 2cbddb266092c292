#pragma once

#include <QString>
#include <utility>
#include <vector>

#include "catalog/DisplayPanels.h"
#include "catalog/ListTarget.h"

// In-memory lists and panels: they keep what the operations hand them, as the widgets would,
// without the cost of drawing it.
class CBenchList : public IListTarget {
public:
    void Clear() override { rows.clear(); }
    void Append(const QString& text, int id) override { rows.emplace_back(text, id); }
    int Count() const override { return static_cast<int>(rows.size()); }
    void SelectRow(int index) override { selected = index; }

    std::vector<std::pair<QString, int>> rows;
    int selected = -1;
};

class CBenchCatchPanel : public ICatchPanel {
public:
    void ShowPanel() override {}
    void SetSheetText(const QString& text) override { sheet = text; }
    void SetPictureName(const QString& fileName) override { picture = fileName; }
    void SetComment(const QString& text) override { comment = text; }

    QString sheet;
    QString picture;
    QString comment;
};

class CBenchStatisticsPanel : public IStatisticsPanel {
public:
    void ShowPanel() override {}
    void SetRecordsText(const QString& text) override { records = text; }

    QString records;
};
