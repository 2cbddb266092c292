#pragma once

#include <QString>
#include <vector>

// One row of PHOTOS. Plain record: the decoded picture belongs to the photo grid.
struct CAlbumPhoto {
    int id = -1;
    int albumId = -1;
    QString fileName;  // LIBELLE: name of the file in images/photos
    QString comment;   // COMMENTAIRE
    QString taken;     // DATE_PRISE_VUE: "yyyy-mm-dd hh:mm:ss" from the photo's EXIF, or ""
    QString gps;       // COORD_GPS: the position from the photo's EXIF, or ""
};

// The orders the album panel offers.
enum class AlbumOrder {
    Added,  // the order in which the photos were added (their identifiers)
    Taken,  // by date taken; photos without one after the others, in the order added
};

// The positions in `photos` of the photos in the given order: the first element is the
// index of the photo shown first. Ties keep the order of the identifiers.
std::vector<int> AlbumPhotoOrder(const std::vector<CAlbumPhoto>& photos, AlbumOrder order);

// One row of ALBUMS with its photos in loading order, then appending order.
struct CAlbum {
    int id = -1;
    QString name;
    std::vector<CAlbumPhoto> photos;

    // Removes the photo with this id and closes the gap; false when no photo has it.
    bool RemovePhoto(int photoId);
    CAlbumPhoto* FindPhoto(int photoId);
};
