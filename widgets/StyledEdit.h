#pragma once

#include <QColor>
#include <QTextEdit>

// A multi-line text box with its own font height, weight and background colour; read-only
// in the panels. A left double click selects nothing.
class CStyledEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit CStyledEdit(QWidget* parent = nullptr);
    void SetFontHeight(int pixels);
    void SetBold(bool bold);
    void SetBackColor(const QColor& colour);
    // Plain text with the sheet's TAB stops kept.
    void SetText(const QString& text);
    QString Text() const;
};
