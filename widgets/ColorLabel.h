#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

// The font of the styled label and text box: the application's default font with a
// character height in pixels (0 or less keeps the default height) and a weight.
QFont StyledFont(int pixelHeight, bool bold);

// A label with its own font height, weight and background colour.
class CColorLabel : public QLabel {
    Q_OBJECT
public:
    explicit CColorLabel(QWidget* parent = nullptr);
    void SetFontHeight(int pixels);  // 0 falls back to the default height
    void SetBold(bool bold);
    void SetBackColor(const QColor& colour);
    QColor BackColor() const;

private:
    void ApplyFont();

    int m_fontHeight = 0;
    bool m_bold = false;
};
