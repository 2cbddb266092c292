#include "ui/dialogs/LimitedPlainTextEdit.h"

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
// text already in place is kept. A character of two UTF-16 units is taken off whole: half of
// one has no UTF-8 form and could not be stored as shown.
void CLimitedPlainTextEdit::CutExcess() {
    if (m_settingText) return;
    const QString text = toPlainText();
    const qsizetype length = text.size();
    if (length <= m_maxLength) return;
    const int excess = static_cast<int>(length - m_maxLength);
    QTextCursor cursor = textCursor();
    const int end = cursor.position();
    int start = end >= excess ? end - excess : 0;
    int stop = start + excess;
    auto splitsPair = [&text](int at) {
        return at > 0 && at < text.size() && text.at(at).isLowSurrogate() &&
               text.at(at - 1).isHighSurrogate();
    };
    if (splitsPair(start)) --start;
    if (splitsPair(stop)) ++stop;
    cursor.setPosition(start);
    cursor.setPosition(stop, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    setTextCursor(cursor);
}
