#include "ui/LimitedPlainTextEdit.h"

#include <QTextCursor>

CLimitedPlainTextEdit::CLimitedPlainTextEdit(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent), m_maxLength(maxLength) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &CLimitedPlainTextEdit::CutExcess);
}

void CLimitedPlainTextEdit::SetText(const QString& text) {
    m_settingText = true;
    setPlainText(text);
    m_settingText = false;
}

// What was just typed or pasted ends at the cursor: the excess is taken off there, so the
// text already in place is kept.
void CLimitedPlainTextEdit::CutExcess() {
    if (m_settingText) return;
    const qsizetype length = toPlainText().size();
    if (length <= m_maxLength) return;
    const int excess = static_cast<int>(length - m_maxLength);
    QTextCursor cursor = textCursor();
    const int end = cursor.position();
    const int start = end >= excess ? end - excess : 0;
    cursor.setPosition(start);
    cursor.setPosition(start + excess, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    setTextCursor(cursor);
}
