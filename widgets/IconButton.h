#pragma once

#include <QIcon>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QString>

// A caption as drawn: the text with its first "&" removed, and the index in that text of the
// mnemonic character that followed it (-1 when none).
struct CButtonCaption {
    QString text;
    int mnemonic = -1;
};
CButtonCaption ParseButtonCaption(const QString& caption);

// Where the icon and the caption go in a button: the icon in its own strip at the left and
// the caption centred in the rest; one of them alone is centred; everything one pixel right
// and down while pressed. iconSize or captionSize empty means there is none.
struct CIconButtonLayout {
    QRect icon;      // empty without icon
    QPoint caption;  // top-left of the caption's line
};
CIconButtonLayout LayoutIconButton(const QSize& button, const QSize& iconSize,
                                   const QSize& captionSize, bool pressed);

// A push button drawing a 32 x 32 icon at the left and a bold caption in the rest.
class CIconButton : public QPushButton {
    Q_OBJECT
public:
    static constexpr int kIconPixels = 32;

    explicit CIconButton(const QString& caption, QWidget* parent = nullptr);
    void SetIcon(const QIcon& icon);  // also makes the caption bold
    // Layout for the current size, caption, icon and pressed state.
    CIconButtonLayout CurrentLayout() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintFrame(QPainter& painter) const;
    void PaintCaption(QPainter& painter, const CButtonCaption& caption, QPoint topLeft) const;
    void PaintFocus(QPainter& painter) const;
    QSize CaptionSize(const CButtonCaption& caption) const;
};
