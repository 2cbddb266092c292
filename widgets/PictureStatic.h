#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

// Where a w x h picture is drawn in a W x H box: as large as fits, proportions kept,
// centred (enlarging small pictures). Painting and tests share it.
QRect FitPictureRect(const QSize& picture, const QSize& box);

// The picture box of the panels and the image picker, on a pale-yellow background.
class CPictureStatic : public QWidget {
    Q_OBJECT
public:
    explicit CPictureStatic(QWidget* parent = nullptr);
    // Loads the file (empty box when missing or not a picture) and repaints at once.
    void SetPicture(const QString& path);
    QString PicturePath() const;
    bool HasPicture() const;
};
