#include "catalog/PicturePaths.h"

bool IsSafePictureName(const QString& name) {
    if (name.isEmpty()) return false;
    // A leading dot covers "." and ".." as well as hidden files; any separator would let the
    // stored name reach another folder.
    if (name.startsWith(QLatin1Char('.'))) return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() == 0) return false;
    }
    return true;
}

QString AlbumPhotoFolderPath(const QString& dataDir) {
    return dataDir + QStringLiteral("images/") + kAlbumPhotoFolder + QLatin1Char('/');
}

QString PicturePath(const QString& dataDir, const QString& folder, const QString& name) {
    const QString images = dataDir + QStringLiteral("images/");
    if (name.isEmpty()) return images + QStringLiteral("nophoto.jpg");
    if (!IsSafePictureName(name)) return QString();
    if (folder.isEmpty()) return images + name;
    return images + folder + QLatin1Char('/') + name;
}
