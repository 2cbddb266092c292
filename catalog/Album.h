#pragma once

#include <QString>
#include <vector>

// One row of PHOTOS. Plain record: the decoded picture belongs to the photo grid.
struct CAlbumPhoto {
    int id = -1;
    int albumId = -1;
    QString fileName;  // LIBELLE: name of the file in images/photos
    QString comment;   // COMMENTAIRE
};

// One row of ALBUMS with its photos in loading order, then appending order.
struct CAlbum {
    int id = -1;
    QString name;
    std::vector<CAlbumPhoto> photos;

    // Removes the photo with this id and closes the gap; false when no photo has it.
    bool RemovePhoto(int photoId);
    CAlbumPhoto* FindPhoto(int photoId);
};
