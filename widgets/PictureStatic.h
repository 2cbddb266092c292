#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QWidget>

#include "widgets/ImageFile.h"

// Where a w x h picture is drawn in a W x H box: as large as fits, proportions kept,
// centred (enlarging small pictures). Painting and tests share it. An empty picture or
// box, or a picture so flat that one side truncates to 0, gives an empty rectangle.
QRect FitPictureRect(const QSize& picture, const QSize& box);

// The picture box of the panels and the image picker, on a pale-yellow background.
class CPictureStatic : public QWidget {
    Q_OBJECT
public:
    static inline const QColor kBackground{255, 255, 223};

    explicit CPictureStatic(QWidget* parent = nullptr);
    // Loads the file (empty box when missing or not a picture) and repaints at once.
    void SetPicture(const QString& path);
    QString PicturePath() const;
    bool HasPicture() const;
    // The picture as decoded for the box (its Image() may be smaller than its NaturalSize()).
    const CImageFile& Picture() const;
    // Where the picture is drawn at the current size; empty without a picture.
    QRect PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize DeviceBoxSize() const;
    void DecodeLargerIfNeeded();

    CImageFile m_picture;
    QString m_path;
};
