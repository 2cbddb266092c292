#pragma once

#include <QString>

// Picture files live under <data folder>/images/<folder>/<name>. A stored name is only a
// file name: one that could leave its folder ("/", "\", "..", a leading dot, a NUL) is
// refused and shows nothing.
bool IsSafePictureName(const QString& name);

// dataDir ends with "/". An empty name gives images/nophoto.jpg; an unsafe one gives "".
QString PicturePath(const QString& dataDir, const QString& folder, const QString& name);

// The catches' pictures folder under images/, in capitals as the catch log always had it.
inline const QString kCatchPictureFolder = QStringLiteral("PRISES");
// The albums' folder under images/. Lower case, where the schema step makes it and where the
// grid reads it: folder names are case-sensitive here.
inline const QString kAlbumPhotoFolder = QStringLiteral("photos");
// dataDir + "images/photos/".
QString AlbumPhotoFolderPath(const QString& dataDir);
