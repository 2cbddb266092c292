#include "widgets/NavigationList.h"

#include <QEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

#include "widgets/TextWidthGauge.h"

namespace {

// With uniform sizes Qt asks one row for the size of all: give it the widest text's width.
class CWholeRowDelegate : public QStyledItemDelegate {
public:
    explicit CWholeRowDelegate(CNavigationList& list) : QStyledItemDelegate(&list), m_list(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        // The style's margins around the text, as this row has them.
        const int margins =
            size.width() - option.fontMetrics.horizontalAdvance(index.data().toString());
        size.setWidth(std::max(size.width(), m_list.WidestTextWidth() + margins));
        return size;
    }

private:
    const CNavigationList& m_list;
};

}  // namespace

CNavigationList::CNavigationList(QWidget* parent)
    : QListView(parent),
      m_rows(new CNavigationModel(this)),
      m_gauge(std::make_unique<CTextWidthGauge>(font())) {
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new CWholeRowDelegate(*this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setModel(m_rows);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CNavigationList::itemSelectionChanged);
    connect(m_rows, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { GaugeRows(first, last); });
    connect(m_rows, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                GaugeRows(topLeft.row(), bottomRight.row());
            });
    connect(m_rows, &QAbstractItemModel::modelReset, this, [this] {
        m_widestText = 0;
        if (count() > 0) GaugeRows(0, count() - 1);
    });
}

CNavigationList::~CNavigationList() = default;

int CNavigationList::currentRow() const { return currentIndex().row(); }

void CNavigationList::setCurrentRow(int row) {
    selectionModel()->setCurrentIndex(m_rows->index(row), QItemSelectionModel::ClearAndSelect);
}

bool CNavigationList::HasSelectedRow() const { return selectionModel()->hasSelection(); }

int CNavigationList::SelectedId() const {
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel()->isSelected(current)) return RowId(current.row());
    // A screen reader's select action selects a row without making it current.
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : RowId(selected.first().row());
}

bool CNavigationList::SelectId(int id) {
    const int row = m_rows->RevealId(id);
    if (row < 0) return false;
    setCurrentRow(row);
    return true;
}

void CNavigationList::ShowStretches(CNavigationModel::StretchReader reader, int stretchRows) {
    m_rows->ShowStretches(std::move(reader), stretchRows);
}

void CNavigationList::GaugeRows(int first, int last) {
    int widest = m_widestText;
    for (int row = first; row <= last; ++row)
        widest = std::max(widest, m_gauge->Width(RowText(row)));
    if (widest == m_widestText) return;
    m_widestText = widest;
    // The uniform row size is measured again at the next layout.
    scheduleDelayedItemsLayout();
}

void CNavigationList::RegaugeAll() {
    m_gauge = std::make_unique<CTextWidthGauge>(font());
    m_widestText = 0;
    if (count() > 0) GaugeRows(0, count() - 1);
}

void CNavigationList::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange) RegaugeAll();
}

int CNavigationList::RowsPerPage() const {
    const int rowHeight = count() > 0 ? std::max(1, sizeHintForRow(0)) : 1;
    return std::max(1, viewport()->height() / rowHeight);
}

void CNavigationList::FetchFirstRowsInPlace() {
    if (m_fetchingFirstRows || !m_rows->CanFetchFirstRows()) return;
    m_fetchingFirstRows = true;
    const int top = verticalScrollBar()->value();
    const int added = m_rows->FetchFirstRows();
    if (added > 0) {
        doItemsLayout();
        // One step of the bar is one row in this list.
        verticalScrollBar()->setValue(top + added * (verticalScrollMode() == ScrollPerItem
                                                         ? 1
                                                         : std::max(1, sizeHintForRow(0))));
    }
    m_fetchingFirstRows = false;
}

void CNavigationList::verticalScrollbarValueChanged(int value) {
    QListView::verticalScrollbarValueChanged(value);
    if (value == verticalScrollBar()->minimum()) FetchFirstRowsInPlace();
}

QModelIndex CNavigationList::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (m_rows->IsStretched()) {
        const int current = currentRow();
        const int page = RowsPerPage();
        switch (action) {
            case MoveHome:
                if (m_rows->CanFetchFirstRows()) m_rows->ShowStart();
                return m_rows->index(0);
            case MoveEnd:
                if (m_rows->canFetchMore(QModelIndex())) m_rows->ShowEnd();
                return m_rows->index(count() - 1);
            case MoveUp:
            case MovePrevious:
            case MovePageUp:
                if (current < page) FetchFirstRowsInPlace();
                break;
            case MoveDown:
            case MoveNext:
            case MovePageDown:
                if (current >= count() - page && m_rows->canFetchMore(QModelIndex())) {
                    m_rows->fetchMore(QModelIndex());
                    doItemsLayout();
                }
                break;
            default:
                break;
        }
    }
    return QListView::moveCursor(action, modifiers);
}
