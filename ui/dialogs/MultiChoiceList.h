#pragma once

#include <QListWidget>

// A list of several choices (the fish and baits of a catch): typing a name and the arrow keys
// only move the current row; Space or a click toggles it. A plain multiple-selection list
// would also select every row that typing passes through.
class CMultiChoiceList : public QListWidget {
    Q_OBJECT
public:
    explicit CMultiChoiceList(QWidget* parent = nullptr);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
};
