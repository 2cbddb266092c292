#include "widgets/StyledEdit.h"

#include <QFontMetrics>
#include <QMouseEvent>

#include "widgets/ColorLabel.h"

CStyledEdit::CStyledEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, colours.color(QPalette::WindowText));
    setPalette(colours);
    SetBackColor(colours.color(QPalette::Button));
    ApplyFont();
}

void CStyledEdit::SetFontHeight(int pixels) {
    m_fontHeight = pixels;
    ApplyFont();
}

void CStyledEdit::SetBold(bool bold) {
    m_bold = bold;
    ApplyFont();
}

void CStyledEdit::SetBackColor(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colour);
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
    viewport()->update();
}

QColor CStyledEdit::BackColor() const { return palette().color(QPalette::Base); }

void CStyledEdit::SetText(const QString& text) {
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setPlainText(plain);
    viewport()->repaint();
}

QString CStyledEdit::Text() const { return toPlainText(); }

void CStyledEdit::ApplyFont() {
    const QFont font = StyledFont(m_fontHeight, m_bold);
    setFont(font);
    document()->setDefaultFont(font);
    setTabStopDistance(kTabStopChars * QFontMetricsF(font).averageCharWidth());
    viewport()->repaint();
}

void CStyledEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();  // no word selection
        return;
    }
    QTextEdit::mouseDoubleClickEvent(event);
}

void CStyledEdit::wheelEvent(QWheelEvent* event) {
    QTextEdit::wheelEvent(event);
    viewport()->repaint();
}

void CStyledEdit::keyPressEvent(QKeyEvent* event) {
    QTextEdit::keyPressEvent(event);
    viewport()->repaint();
}

void CStyledEdit::scrollContentsBy(int dx, int dy) {
    QTextEdit::scrollContentsBy(dx, dy);
    // Scrolling also happens inside layout passes (resizing, setting the text), where a
    // synchronous paint would come too early; the whole area is queued instead.
    viewport()->update();
}
