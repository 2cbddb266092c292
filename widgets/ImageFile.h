#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QPainter;
class QRect;

// One decoded picture. Decoded with QImageReader from the file's content (not its
// extension); a picture bigger than the size it will be shown at is decoded at that size.
//
// Picture files come from anywhere (copied in by the angler), so decoding is defensive:
// only JPEG, GIF, BMP and PNG are decoded, a header claiming more pixels than can sensibly
// be decoded is refused before anything is allocated, and a file cut short (which the
// decoders would otherwise show half grey) leaves the holder empty.
class CImageFile {
public:
    // Longest side a picture is ever decoded at, whatever size is asked for.
    static constexpr int kMaxDecodedSide = 4096;

    // False when the file cannot be opened; true when opened, decoded or not.
    // maxSize: decode no larger than this (keeps proportions); an invalid size means natural
    // (still bounded by kMaxDecodedSide).
    bool Load(const QString& path, const QSize& maxSize = QSize());
    // Size of the picture as stored in the file (not the decoded size), turned upright when
    // the file says it was taken sideways; (0,0) when empty.
    QSize NaturalSize() const;
    // Stretches the whole picture into the rectangle; a null rectangle means (0, 0) at the
    // natural size. Nothing when empty.
    void Render(QPainter& painter, const QRect& target) const;
    void Release();
    bool IsEmpty() const;
    // The decoded picture (possibly smaller than NaturalSize).
    const QImage& Image() const;

    // Size a picture of the given natural size is decoded at to be shown within maxSize:
    // the natural size when it fits, else the largest size of the same proportions that
    // fits (at least 1 x 1).
    static QSize DecodeSize(const QSize& natural, const QSize& maxSize);

private:
    QImage m_image;
    QSize m_naturalSize;
};
