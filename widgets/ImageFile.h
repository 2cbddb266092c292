#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QPainter;
class QRect;

// One decoded picture. Decoded with QImageReader from the file's content (not its
// extension); a picture bigger than the size it will be shown at is decoded at that size.
class CImageFile {
public:
    // False when the file cannot be opened; true when opened, decoded or not.
    // maxSize: decode no larger than this (keeps proportions); an invalid size means natural.
    bool Load(const QString& path, const QSize& maxSize = QSize());
    // Size of the picture as stored in the file (not the decoded size); (0,0) when empty.
    QSize NaturalSize() const;
    // Stretches the whole picture into the rectangle; nothing when empty.
    void Render(QPainter& painter, const QRect& target) const;
    void Release();
    bool IsEmpty() const;
    const QImage& Image() const;
};
