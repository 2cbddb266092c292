#pragma once

#include <QColor>
#include <QTextEdit>

// A multi-line text box with its own font height, weight and background colour; read-only
// in the panels (the panels call setReadOnly(true); an entry field stays editable). A left
// double click selects nothing.
class CStyledEdit : public QTextEdit {
    Q_OBJECT
public:
    // Tab stops are this many average characters apart, so that the items of the catch
    // sheet's groups stand at the same places from one line to the next.
    static constexpr int kTabStopChars = 8;

    explicit CStyledEdit(QWidget* parent = nullptr);
    void SetFontHeight(int pixels);  // 0 falls back to the default height
    void SetBold(bool bold);
    void SetBackColor(const QColor& colour);
    QColor BackColor() const;
    // Plain text with the sheet's TAB stops kept ("\r\n" line breaks are accepted).
    void SetText(const QString& text);
    QString Text() const;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void ApplyFont();

    int m_fontHeight = 0;
    bool m_bold = false;
};
