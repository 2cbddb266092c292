#include "catalog/Album.h"

#include <algorithm>
#include <numeric>

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

std::vector<int> AlbumPhotoOrder(const std::vector<CAlbumPhoto>& photos, AlbumOrder order) {
    std::vector<int> indexes(photos.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    std::stable_sort(indexes.begin(), indexes.end(), [&](int left, int right) {
        const CAlbumPhoto& a = photos[left];
        const CAlbumPhoto& b = photos[right];
        // The stored text sorts by time; a photo without one goes after those with one.
        if (order == AlbumOrder::Taken && a.taken != b.taken) {
            if (a.taken.isEmpty() || b.taken.isEmpty()) return b.taken.isEmpty();
            return a.taken < b.taken;
        }
        return a.id < b.id;
    });
    return indexes;
}
