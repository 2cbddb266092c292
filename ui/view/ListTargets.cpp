#include "ui/view/ListTargets.h"

#include <algorithm>

#include <QComboBox>
#include <QListWidget>

#include "catalog/FrenchOrder.h"
#include "widgets/NavigationList.h"

namespace {

// Index at which text goes so that rows [first, count) stay sorted; equal texts keep the
// order in which they came.
template <typename TextAt>
int SortedPosition(int first, int count, const QString& text, TextAt textAt) {
    int low = first;
    int high = count;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (FrenchCompare(textAt(middle), text) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

}  // namespace

CListWidgetTarget::CListWidgetTarget(QListWidget& list, bool sorted)
    : m_list(list), m_sorted(sorted) {}

void CListWidgetTarget::Clear() { m_list.clear(); }

void CListWidgetTarget::Append(const QString& text, int id) {
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, id);
    if (!m_sorted) {
        m_list.addItem(item);
        return;
    }
    const int row =
        SortedPosition(0, m_list.count(), text, [this](int i) { return m_list.item(i)->text(); });
    m_list.insertItem(row, item);
}

int CListWidgetTarget::Count() const { return m_list.count(); }

void CListWidgetTarget::SelectRow(int index) {
    if (index < 0 || index >= m_list.count()) {
        m_list.setCurrentRow(-1);
        return;
    }
    m_list.setCurrentRow(index);
}

CNavigationListTarget::CNavigationListTarget(CNavigationList& list) : m_list(list) {}

void CNavigationListTarget::Clear() { m_list.Clear(); }

void CNavigationListTarget::Append(const QString& text, int id) { m_list.AppendRow(text, id); }

int CNavigationListTarget::Count() const { return m_list.count(); }

void CNavigationListTarget::SelectRow(int index) {
    m_list.setCurrentRow(index >= 0 && index < m_list.count() ? index : -1);
}

CComboTarget::CComboTarget(QComboBox& combo) : m_combo(combo) {}

void CComboTarget::Clear() { m_combo.clear(); }

void CComboTarget::Append(const QString& text, int id) {
    int firstSorted = 0;
    while (firstSorted < m_combo.count() && m_combo.itemData(firstSorted).toInt() == -1)
        ++firstSorted;
    const int row = id == -1 ? firstSorted
                             : SortedPosition(firstSorted, m_combo.count(), text,
                                              [this](int i) { return m_combo.itemText(i); });
    m_combo.insertItem(row, text, id);
}

int CComboTarget::Count() const { return m_combo.count(); }

void CComboTarget::SelectRow(int index) {
    m_combo.setCurrentIndex(index >= 0 && index < m_combo.count() ? index : -1);
}

int SelectedId(const QComboBox& combo) {
    const int index = combo.currentIndex();
    return index < 0 ? -1 : combo.itemData(index).toInt();
}

void SelectComboId(QComboBox& combo, int id) { combo.setCurrentIndex(combo.findData(id)); }

int SelectedId(const QListWidget& list) {
    const QListWidgetItem* item = list.currentItem();
    if (item == nullptr || !item->isSelected()) return -1;
    return item->data(Qt::UserRole).toInt();
}

bool SelectListId(QListWidget& list, int id) {
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->data(Qt::UserRole).toInt() == id) {
            list.setCurrentRow(row);
            return true;
        }
    }
    return false;
}

std::vector<int> SelectedIds(const QListWidget& list) {
    std::vector<int> ids;
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem* item = list.item(row);
        if (item->isSelected()) ids.push_back(item->data(Qt::UserRole).toInt());
    }
    return ids;
}

void SelectListIds(QListWidget& list, const std::vector<int>& ids) {
    for (int row = 0; row < list.count(); ++row) {
        QListWidgetItem* item = list.item(row);
        const int id = item->data(Qt::UserRole).toInt();
        item->setSelected(std::find(ids.begin(), ids.end(), id) != ids.end());
    }
}
