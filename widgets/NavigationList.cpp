#include "widgets/NavigationList.h"

#include <QEvent>
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
    : QListWidget(parent), m_gauge(std::make_unique<CTextWidthGauge>(font())) {
    setUniformItemSizes(true);
    setSortingEnabled(false);
    setItemDelegate(new CWholeRowDelegate(*this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    QAbstractItemModel* rows = model();
    connect(rows, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { GaugeRows(first, last); });
    connect(rows, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                GaugeRows(topLeft.row(), bottomRight.row());
            });
    connect(rows, &QAbstractItemModel::modelReset, this, [this] { m_widestText = 0; });
}

CNavigationList::~CNavigationList() = default;

void CNavigationList::GaugeRows(int first, int last) {
    int widest = m_widestText;
    for (int row = first; row <= last; ++row) {
        if (const QListWidgetItem* it = item(row))
            widest = std::max(widest, m_gauge->Width(it->text()));
    }
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
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) RegaugeAll();
}
