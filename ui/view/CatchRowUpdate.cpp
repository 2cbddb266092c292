#include "ui/view/CatchRowUpdate.h"

#include <QListWidget>
#include <optional>

#include "catalog/CatchDatabase.h"

namespace {

int IdAt(const QListWidget& list, int row) { return list.item(row)->data(Qt::UserRole).toInt(); }

// First row whose identifier is not below id (binary search of the ascending identifiers).
int LowerBound(const QListWidget& list, int id) {
    int low = 0;
    int high = list.count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (IdAt(list, middle) < id)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

}  // namespace

bool UpdateCatchRow(CCatchDatabase& db, QListWidget& list, int catchId) {
    std::optional<QString> text;
    if (!db.CatchListText(catchId, text)) return false;
    const int row = LowerBound(list, catchId);
    const bool listed = row < list.count() && IdAt(list, row) == catchId;
    if (text && listed) {
        list.item(row)->setText(*text);
    } else if (text) {
        auto* item = new QListWidgetItem(*text);
        item->setData(Qt::UserRole, catchId);
        list.insertItem(row, item);
    } else if (listed) {
        delete list.takeItem(row);
    }
    if (text)
        list.setCurrentRow(row);
    else
        list.setCurrentRow(list.count() > 0 ? 0 : -1);
    return true;
}
