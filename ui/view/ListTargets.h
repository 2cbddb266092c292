#pragma once

#include <vector>

#include "catalog/ListTarget.h"

class CNavigationList;
class QComboBox;
class QListWidget;

// The navigation list and the dialogs' lists as the data operations fill them. Row
// identifiers travel in Qt::UserRole.
class CListWidgetTarget : public IListTarget {
public:
    // sorted: keep rows in case-insensitive alphabetical order (the dialogs' lists);
    // otherwise rows keep the order in which they are added.
    explicit CListWidgetTarget(QListWidget& list, bool sorted = false);
    void Clear() override;
    void Append(const QString& text, int id) override;
    int Count() const override;
    void SelectRow(int index) override;

private:
    QListWidget& m_list;
    bool m_sorted;
};

// The main view's navigation list: rows keep the order in which they are added.
class CNavigationListTarget : public IListTarget {
public:
    explicit CNavigationListTarget(CNavigationList& list);
    void Clear() override;
    void Append(const QString& text, int id) override;
    int Count() const override;
    void SelectRow(int index) override;

private:
    CNavigationList& m_list;
};

// A drop-down list kept sorted case-insensitively, with the rows whose identifier is -1
// ("-- PAS DE SELECTION --") always first.
class CComboTarget : public IListTarget {
public:
    explicit CComboTarget(QComboBox& combo);
    void Clear() override;
    void Append(const QString& text, int id) override;
    int Count() const override;
    void SelectRow(int index) override;

private:
    QComboBox& m_combo;
};

// Identifier of the current row; -1 when nothing is selected.
int SelectedId(const QComboBox& combo);
// Selects the first row carrying the id; none clears the selection.
void SelectComboId(QComboBox& combo, int id);
// Identifier of the current row of a single-selection list; -1 when none.
int SelectedId(const QListWidget& list);
// Selects the first row carrying the id; false (and no change) when none does.
bool SelectListId(QListWidget& list, int id);
// Identifiers of the selected rows of a multiple-selection list, in list order.
std::vector<int> SelectedIds(const QListWidget& list);
// Deselects every row, then selects every row whose id is in ids.
void SelectListIds(QListWidget& list, const std::vector<int>& ids);
