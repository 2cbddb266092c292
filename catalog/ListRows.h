#pragma once

#include <QString>
#include <vector>

// One row of a list as the data operations hand it over: its text and the identifier it
// carries.
struct ListRow {
    int id = -1;
    QString text;
};

// Which side of a known identifier a stretch of a list is read from.
enum class ListSide { After, Before };

// A stretch of a list kept in ascending identifier order: up to a number of rows whose
// identifiers lie after or before a given one, in list order. atEnd: the list has no row beyond
// those read on that side. False on a database error (its message has been shown).
struct ListStretch {
    std::vector<ListRow> rows;
    bool atEnd = true;
};
