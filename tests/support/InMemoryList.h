#pragma once

#include <QString>
#include <utility>
#include <vector>

#include "catalog/ListTarget.h"

// A list box in memory: rows in insertion order (or sorted, like the dialogs' combo boxes).
class InMemoryList : public IListTarget {
public:
    void Clear() override;
    void Append(const QString& text, int id) override;
    int Count() const override;
    void SelectRow(int index) override;

    std::vector<std::pair<QString, int>> rows;
    int selected = -1;
    int clears = 0;

    QString Text(int i) const { return rows.at(i).first; }
    int Id(int i) const { return rows.at(i).second; }
};
