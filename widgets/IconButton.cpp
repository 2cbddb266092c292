#include "widgets/IconButton.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>

namespace {

constexpr int kIconLeft = 6;
constexpr int kFocusInset = 4;

QFont BoldFont(QFont font) {
    font.setWeight(QFont::Bold);
    return font;
}

}  // namespace

CButtonCaption ParseButtonCaption(const QString& caption) {
    CButtonCaption parsed{caption, -1};
    const int amp = caption.indexOf(QLatin1Char('&'));
    if (amp < 0) return parsed;
    parsed.text.remove(amp, 1);
    if (amp < parsed.text.size()) parsed.mnemonic = amp;
    return parsed;
}

CIconButtonLayout LayoutIconButton(const QSize& button, const QSize& iconSize,
                                   const QSize& captionSize, bool pressed) {
    const int W = button.width();
    const int H = button.height();
    const bool hasIcon = !iconSize.isEmpty();
    const bool hasCaption = !captionSize.isEmpty();
    const int iw = iconSize.width(), ih = iconSize.height();
    const int cw = captionSize.width(), ch = captionSize.height();
    CIconButtonLayout layout;
    if (hasIcon && hasCaption) {
        layout.icon = QRect(kIconLeft, (H - ih + 1) / 2, iw, ih);
        layout.caption = QPoint((W - iw) / 2 + iw - cw / 2, H / 2 - ch / 2);
    } else if (hasIcon) {
        layout.icon = QRect((W - iw) / 2, (H - ih) / 2, iw, ih);
    } else {
        layout.caption = QPoint((W - cw) / 2, (H - ch) / 2);
    }
    if (pressed) {
        if (hasIcon) layout.icon.translate(1, 1);
        layout.caption += QPoint(1, 1);
    }
    return layout;
}

CIconButton::CIconButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setFont(BoldFont(font()));
    setIconSize(QSize(kIconPixels, kIconPixels));
}

void CIconButton::SetIcon(const QIcon& icon) {
    setIcon(icon);
    setIconSize(QSize(kIconPixels, kIconPixels));
    setFont(BoldFont(font()));
    update();
}

QSize CIconButton::CaptionSize(const CButtonCaption& caption) const {
    if (caption.text.isEmpty()) return QSize();
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(caption.text), metrics.height());
}

CIconButtonLayout CIconButton::CurrentLayout() const {
    const QSize iconArea = icon().isNull() ? QSize() : iconSize();
    return LayoutIconButton(size(), iconArea, CaptionSize(ParseButtonCaption(text())), isDown());
}

void CIconButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintFrame(painter);
    const CIconButtonLayout layout = CurrentLayout();
    if (!layout.icon.isEmpty()) {
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        icon().paint(&painter, layout.icon, Qt::AlignCenter, mode);
    }
    const CButtonCaption caption = ParseButtonCaption(text());
    if (!caption.text.isEmpty()) PaintCaption(painter, caption, layout.caption);
    if (hasFocus()) PaintFocus(painter);
}

void CIconButton::PaintFrame(QPainter& painter) const {
    QStyleOptionButton option;
    option.initFrom(this);
    option.features = QStyleOptionButton::None;
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    painter.fillRect(rect(), palette().color(QPalette::Button));
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);
    if (!isDown()) return;
    const QRect area = rect();
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
}

void CIconButton::PaintCaption(QPainter& painter, const CButtonCaption& caption,
                               QPoint topLeft) const {
    const QFontMetrics metrics(font());
    const QPoint baseline = topLeft + QPoint(0, metrics.ascent());
    painter.setFont(font());
    if (!isEnabled()) {
        // Embossed: a light copy one pixel down and right under the greyed text.
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(baseline + QPoint(1, 1), caption.text);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawText(baseline, caption.text);
        return;
    }
    const QColor ink = palette().color(QPalette::ButtonText);
    painter.setPen(ink);
    painter.drawText(baseline, caption.text);
    if (caption.mnemonic < 0) return;
    const int left = metrics.horizontalAdvance(caption.text.left(caption.mnemonic));
    const int width = metrics.horizontalAdvance(caption.text.at(caption.mnemonic));
    const int under = std::clamp(metrics.underlinePos(), 1, std::max(1, metrics.descent() - 1));
    painter.fillRect(QRect(baseline.x() + left, baseline.y() + under, width, 1), ink);
}

void CIconButton::PaintFocus(QPainter& painter) const {
    painter.setPen(palette().color(QPalette::Shadow));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    QPen dotted(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
    painter.setPen(dotted);
    painter.drawRect(rect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
}
