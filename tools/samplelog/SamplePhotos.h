#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

// One picture to make: its file name in the album folder, what it shows and its seed.
struct SamplePhotoPlan {
    QString fileName;
    QString caption;
    quint32 seed = 0;
    int album = 0;  // index of the album it belongs to
};

// Paints a landscape with water, a fish and a caption: a gradient sky, hills, sun, reeds and
// grain, so that the JPEG file is about as large and as slow to decode as a camera picture.
QImage PaintSamplePhoto(const QSize& size, quint32 seed, const QString& caption);

// Paints and writes every planned picture as JPEG into folder (ending with "/"), on all cores.
// Returns the plans whose file was written, in plan order; a failed picture is left out.
std::vector<SamplePhotoPlan> WriteSamplePhotos(const QString& folder, const QSize& size,
                                               const std::vector<SamplePhotoPlan>& plans);
