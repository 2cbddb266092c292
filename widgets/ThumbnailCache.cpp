#include "widgets/ThumbnailCache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QUrl>

#include "catalog/PictureFiles.h"
#include "widgets/PhotoDecoder.h"

namespace ThumbnailCache {
namespace {

const char* const kUriKey = "Thumb::URI";
const char* const kMTimeKey = "Thumb::MTime";

QString FolderName(Flavour flavour) {
    return flavour == Flavour::Normal ? QStringLiteral("normal") : QStringLiteral("large");
}

QString MTimeText(const QFileInfo& info) {
    return QString::number(info.lastModified().toSecsSinceEpoch());
}

// The cache holds other people's pictures in small form: keep it private to the user.
bool MakePrivateFolder(const QString& path) {
    if (QFileInfo(path).isDir()) return true;
    if (!QDir().mkpath(path)) return false;
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

}  // namespace

int Edge(Flavour flavour) { return flavour == Flavour::Normal ? 128 : 256; }

Flavour FlavourFor(int longestSide) {
    return longestSide <= Edge(Flavour::Normal) ? Flavour::Normal : Flavour::Large;
}

QString CacheRoot() {
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    // The XDG base directory rules say to ignore a relative path.
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/.cache";
    return QDir::cleanPath(base + "/thumbnails");
}

QString FileUri(const QString& path) {
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    return QString::fromLatin1(QUrl::fromLocalFile(absolute).toEncoded());
}

QString ThumbnailPath(const QString& root, const QString& uri, Flavour flavour) {
    const QByteArray md5 = QCryptographicHash::hash(uri.toUtf8(), QCryptographicHash::Md5);
    return root + "/" + FolderName(flavour) + "/" + QString::fromLatin1(md5.toHex()) + ".png";
}

QImage ReadCached(const QString& root, const QString& sourcePath, Flavour flavour) {
    const QFileInfo source(sourcePath);
    if (!source.isFile()) return {};
    const QString uri = FileUri(sourcePath);
    // Any program of the session may have put a FIFO there: never block on it.
    QFile file;
    if (!OpenRegularFile(file, ThumbnailPath(root, uri, flavour))) return {};
    QImageReader reader(&file, "png");
    // A cache file is written by any program of the session: read only what a thumbnail
    // of this flavour can be.
    const QSize size = reader.size();
    const int edge = Edge(flavour);
    if (!size.isValid() || size.width() > edge || size.height() > edge) return {};
    QImage image = reader.read();
    if (image.isNull()) return {};
    if (image.text(kUriKey) != uri || image.text(kMTimeKey) != MTimeText(source)) return {};
    return image;
}

bool Store(const QString& root, const QString& sourcePath, Flavour flavour, QImage thumbnail) {
    const QFileInfo source(sourcePath);
    if (thumbnail.isNull() || !source.isFile()) return false;
    if (!MakePrivateFolder(root) || !MakePrivateFolder(root + "/" + FolderName(flavour))) {
        return false;
    }
    const QString uri = FileUri(sourcePath);
    thumbnail.setText(kUriKey, uri);
    thumbnail.setText(kMTimeKey, MTimeText(source));
    thumbnail.setText("Thumb::Size", QString::number(source.size()));
    thumbnail.setText("Software", "Brevane");

    // Written under a temporary name and renamed, so that a reader never sees half a file.
    const QString path = ThumbnailPath(root, uri, flavour);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&file, "png");
    if (!writer.write(thumbnail)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) return false;
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

QImage LoadOrCreate(const QString& root, const QString& sourcePath, Flavour flavour) {
    QImage cached = ReadCached(root, sourcePath, flavour);
    if (!cached.isNull()) return cached;
    const int edge = Edge(flavour);
    QImage decoded =
        PhotoDecoder::Decode(sourcePath, QSize(edge, edge), PhotoDecoder::Fit::KeepProportions);
    if (decoded.isNull()) return {};
    // Thumbnails of files inside the cache itself would feed on themselves.
    if (!QFileInfo(sourcePath).absoluteFilePath().startsWith(root + "/")) {
        Store(root, sourcePath, flavour, decoded);
    }
    return decoded;
}

}  // namespace ThumbnailCache
