#include "ui/dialogs/MultiChoiceList.h"

CMultiChoiceList::CMultiChoiceList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::MultiSelection);
}

// The type-ahead search moves the current row without an event; in a multiple-selection list
// that move would toggle the row it lands on.
QItemSelectionModel::SelectionFlags CMultiChoiceList::selectionCommand(const QModelIndex& index,
                                                                       const QEvent* event) const {
    if (event == nullptr) return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event);
}
