#include "widgets/MenuIconStyle.h"

#include <QMenu>
#include <QStyleOptionMenuItem>

// No base style given: the proxy follows the application's style.
CMenuIconStyle::CMenuIconStyle() : QProxyStyle() {}

int CMenuIconStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    if (metric == PM_SmallIconSize && qobject_cast<const QMenu*>(widget)) return kMenuIconSize;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize CMenuIconStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                       const QSize& size, const QWidget* widget) const {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type != CT_MenuItem) return result;
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item && item->menuItemType != QStyleOptionMenuItem::Separator) {
        result.setHeight(qMax(result.height(), kMenuRowHeight));
    }
    return result;
}
