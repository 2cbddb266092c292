#include "catalog/Album.h"

#include <algorithm>

bool CAlbum::RemovePhoto(int photoId) {
    auto it = std::find_if(photos.begin(), photos.end(),
                           [photoId](const CAlbumPhoto& photo) { return photo.id == photoId; });
    if (it == photos.end()) {
        return false;
    }
    photos.erase(it);
    return true;
}

CAlbumPhoto* CAlbum::FindPhoto(int photoId) {
    auto it = std::find_if(photos.begin(), photos.end(),
                           [photoId](const CAlbumPhoto& photo) { return photo.id == photoId; });
    return it == photos.end() ? nullptr : &*it;
}
