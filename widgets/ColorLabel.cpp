#include "widgets/ColorLabel.h"

#include <QApplication>

QFont StyledFont(int pixelHeight, bool bold) {
    QFont font = QApplication::font();
    if (pixelHeight > 0) font.setPixelSize(pixelHeight);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

CColorLabel::CColorLabel(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    SetBackColor(palette().color(QPalette::Button));
    ApplyFont();
}

void CColorLabel::SetFontHeight(int pixels) {
    m_fontHeight = pixels;
    ApplyFont();
}

void CColorLabel::SetBold(bool bold) {
    m_bold = bold;
    ApplyFont();
}

void CColorLabel::SetBackColor(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
    update();
}

QColor CColorLabel::BackColor() const { return palette().color(QPalette::Window); }

void CColorLabel::ApplyFont() {
    setFont(StyledFont(m_fontHeight, m_bold));
    repaint();
}
