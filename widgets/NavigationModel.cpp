#include "widgets/NavigationModel.h"

#include <algorithm>
#include <limits>

namespace {
constexpr int kBeforeEverything = std::numeric_limits<int>::min();
constexpr int kAfterEverything = std::numeric_limits<int>::max();
}  // namespace

CNavigationModel::CNavigationModel(QObject* parent) : QAbstractListModel(parent) {}

int CNavigationModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant CNavigationModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const ListRow& row = Row(index.row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return row.text;
        case Qt::UserRole:
            return row.id;
        default:
            return {};
    }
}

bool CNavigationModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && m_reader && !m_endReached;
}

void CNavigationModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) return;
    ListStretch stretch;
    const int from = m_rows.empty() ? kBeforeEverything : m_rows.back().id;
    const bool read = Read(from, ListSide::After, m_stretchRows, stretch);
    m_endReached = !read || stretch.atEnd;
    if (stretch.rows.empty()) return;
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(stretch.rows.size()) - 1);
    std::move(stretch.rows.begin(), stretch.rows.end(), std::back_inserter(m_rows));
    endInsertRows();
}

int CNavigationModel::FetchFirstRows() {
    if (!CanFetchFirstRows()) return 0;
    ListStretch stretch;
    const int from = m_rows.empty() ? kAfterEverything : m_rows.front().id;
    const bool read = Read(from, ListSide::Before, m_stretchRows, stretch);
    m_startReached = !read || stretch.atEnd;
    const int added = static_cast<int>(stretch.rows.size());
    if (added == 0) return 0;
    beginInsertRows(QModelIndex(), 0, added - 1);
    m_rows.insert(m_rows.begin(), std::make_move_iterator(stretch.rows.begin()),
                  std::make_move_iterator(stretch.rows.end()));
    endInsertRows();
    return added;
}

void CNavigationModel::Clear() {
    m_reader = nullptr;
    ResetRows({}, true, true);
}

void CNavigationModel::Append(const QString& text, int id) {
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    m_rows.push_back({id, text});
    endInsertRows();
}

void CNavigationModel::ShowStretches(StretchReader reader, int stretchRows) {
    m_reader = std::move(reader);
    m_stretchRows = std::max(1, stretchRows);
    ShowStart();
}

void CNavigationModel::ShowStart() {
    if (!m_reader) return;
    ListStretch stretch;
    const bool read = Read(kBeforeEverything, ListSide::After, m_stretchRows, stretch);
    ResetRows(std::move(stretch.rows), true, !read || stretch.atEnd);
}

void CNavigationModel::ShowEnd() {
    if (!m_reader) return;
    ListStretch stretch;
    const bool read = Read(kAfterEverything, ListSide::Before, m_stretchRows, stretch);
    ResetRows(std::move(stretch.rows), !read || stretch.atEnd, true);
}

void CNavigationModel::FetchAll() {
    while (CanFetchFirstRows()) FetchFirstRows();
    while (canFetchMore(QModelIndex())) fetchMore(QModelIndex());
}

CNavigationModel::Position CNavigationModel::PositionOf(int id) const {
    const auto found = std::lower_bound(m_rows.begin(), m_rows.end(), id,
                                        [](const ListRow& row, int key) { return row.id < key; });
    Position position;
    position.row = static_cast<int>(found - m_rows.begin());
    position.listed = found != m_rows.end() && found->id == id;
    // Before the first row held or after the last, an id lies among rows not read yet.
    position.known = position.listed || ((position.row > 0 || m_startReached) &&
                                         (found != m_rows.end() || m_endReached));
    return position;
}

int CNavigationModel::RevealId(int id) {
    if (!m_reader) {
        // Rows handed over whole keep their own order (names): looked for one by one.
        const auto found = std::find_if(m_rows.begin(), m_rows.end(),
                                        [id](const ListRow& row) { return row.id == id; });
        return found == m_rows.end() ? -1 : static_cast<int>(found - m_rows.begin());
    }
    const Position position = PositionOf(id);
    if (position.listed) return position.row;
    if (position.known) return -1;
    // The id's own row and those after it, then those before: the run held starts again there.
    ListStretch after;
    if (!Read(id - 1, ListSide::After, m_stretchRows, after)) return -1;
    if (after.rows.empty() || after.rows.front().id != id) return -1;
    ListStretch before;
    const bool readBefore = Read(id, ListSide::Before, std::max(1, m_stretchRows / 2), before);
    const int row = static_cast<int>(before.rows.size());
    before.rows.insert(before.rows.end(), std::make_move_iterator(after.rows.begin()),
                       std::make_move_iterator(after.rows.end()));
    ResetRows(std::move(before.rows), !readBefore || before.atEnd, after.atEnd);
    return row;
}

void CNavigationModel::PutRow(int id, const std::optional<QString>& text) {
    const Position position = PositionOf(id);
    if (position.listed && text) {
        m_rows[static_cast<std::size_t>(position.row)].text = *text;
        const QModelIndex changed = index(position.row);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    } else if (position.listed) {
        beginRemoveRows(QModelIndex(), position.row, position.row);
        m_rows.erase(m_rows.begin() + position.row);
        endRemoveRows();
    } else if (text && position.known) {
        beginInsertRows(QModelIndex(), position.row, position.row);
        m_rows.insert(m_rows.begin() + position.row, ListRow{id, *text});
        endInsertRows();
    }
}

bool CNavigationModel::Read(int from, ListSide side, int count, ListStretch& stretch) {
    stretch = {};
    return m_reader(from, side, count, stretch);
}

void CNavigationModel::ResetRows(std::vector<ListRow> rows, bool startReached, bool endReached) {
    beginResetModel();
    m_rows = std::move(rows);
    m_startReached = startReached;
    m_endReached = endReached;
    endResetModel();
}
