#pragma once

#include <QImage>
#include <QString>

// The shared thumbnail cache of the desktop (the freedesktop.org thumbnail standard):
// $XDG_CACHE_HOME/thumbnails/{normal,large}/<md5 of the file URI>.png, each PNG carrying the
// URI and modification time of its source, so that other programs share our thumbnails and
// a second showing of an album reads small PNG files instead of camera pictures.
namespace ThumbnailCache {

enum class Flavour {
    Normal,  // at most 128 x 128
    Large,   // at most 256 x 256
};

int Edge(Flavour flavour);
// The smallest flavour whose pictures are at least as large as the side asked for.
Flavour FlavourFor(int longestSide);

// $XDG_CACHE_HOME/thumbnails (or ~/.cache/thumbnails), without a trailing "/".
QString CacheRoot();
// "file:///..." of an absolute path, percent-encoded as the thumbnail standard asks.
QString FileUri(const QString& path);
QString ThumbnailPath(const QString& root, const QString& uri, Flavour flavour);

// The cached thumbnail of the file when it is there and still matches the file (same URI,
// same modification time); a null image otherwise.
QImage ReadCached(const QString& root, const QString& sourcePath, Flavour flavour);
// Stores the thumbnail atomically (private to the user); false when it could not be written.
bool Store(const QString& root, const QString& sourcePath, Flavour flavour, QImage thumbnail);

// The cached thumbnail, or the file decoded at the flavour's size and stored for next time.
// A null image when the file is missing or cannot be decoded.
QImage LoadOrCreate(const QString& root, const QString& sourcePath, Flavour flavour);

}  // namespace ThumbnailCache
