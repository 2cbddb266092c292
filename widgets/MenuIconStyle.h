#pragma once

#include <QProxyStyle>

// Menus show the 32-pixel toolbar picture of each command beside its text, in rows at least
// 36 pixels high; everything else keeps the application's style.
class CMenuIconStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int kMenuIconSize = 32;
    static constexpr int kMenuRowHeight = kMenuIconSize + 4;

    CMenuIconStyle();
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
};
