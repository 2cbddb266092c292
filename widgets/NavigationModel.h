#pragma once

#include <QAbstractListModel>
#include <functional>
#include <optional>
#include <vector>

#include "catalog/ListRows.h"

// The rows of the navigation list: text shown, identifier in Qt::UserRole. Short lists are
// handed over whole. A long list in ascending identifier order (the catches) is read a stretch
// at a time as it is scrolled into view: the model holds one run of consecutive rows, which
// may start after the list's first row and stop before its last, and reads further rows on
// either side when they are needed.
class CNavigationModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Reads up to count rows after or before an identifier (see ListStretch); false on a
    // database error, whose message has been shown.
    using StretchReader = std::function<bool(int from, ListSide side, int count, ListStretch&)>;

    explicit CNavigationModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // Rows handed over whole.
    void Clear();
    void Append(const QString& text, int id);

    // A list read a stretch at a time, from its first row.
    void ShowStretches(StretchReader reader, int stretchRows);
    bool IsStretched() const { return static_cast<bool>(m_reader); }
    // Rows before the first one held can still be read.
    bool CanFetchFirstRows() const { return m_reader && !m_startReached; }
    // Reads the rows just before the first one held; the number of rows added.
    int FetchFirstRows();
    // Holds the list's first or last rows again (Home, End).
    void ShowStart();
    void ShowEnd();
    // Everything read, as a full fill would hold it.
    void FetchAll();

    const ListRow& Row(int row) const { return m_rows[static_cast<std::size_t>(row)]; }
    // Row of the id, reading the stretch around it when it is not held; -1 when no row of the
    // list carries it.
    int RevealId(int id);
    // One row of a list in ascending identifier order put right after its catch changed: its
    // new text, or taken out (none). Nothing is held for it when it lies beyond the rows held:
    // it comes with them when they are read.
    void PutRow(int id, const std::optional<QString>& text);

private:
    // The position of id among rows held in ascending identifier order; known is false when
    // it falls beyond the rows held, where rows are still to be read.
    struct Position {
        int row = 0;
        bool listed = false;
        bool known = true;
    };
    Position PositionOf(int id) const;
    bool Read(int from, ListSide side, int count, ListStretch& stretch);
    void ResetRows(std::vector<ListRow> rows, bool startReached, bool endReached);

    std::vector<ListRow> m_rows;
    StretchReader m_reader;
    int m_stretchRows = 0;
    bool m_startReached = true;
    bool m_endReached = true;
};
