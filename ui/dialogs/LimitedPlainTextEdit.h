#pragma once

#include <QPlainTextEdit>

// A multi-line edit with a character limit on what the user types or pastes (Enter makes a
// new line). Texts set by the program are taken whole, so a stored comment is never cut
// just by being shown.
class CLimitedPlainTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CLimitedPlainTextEdit(int maxLength, QWidget* parent = nullptr);
    int MaxLength() const { return m_maxLength; }
    void SetText(const QString& text);

private:
    void CutExcess();

    int m_maxLength;
    bool m_settingText = false;
};
