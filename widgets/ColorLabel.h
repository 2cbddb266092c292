#pragma once

#include <QColor>
#include <QLabel>

// A label with its own font height, weight and background colour.
class CColorLabel : public QLabel {
    Q_OBJECT
public:
    explicit CColorLabel(QWidget* parent = nullptr);
    void SetFontHeight(int pixels);  // 0 falls back to the default height
    void SetBold(bool bold);
    void SetBackColor(const QColor& colour);
};
