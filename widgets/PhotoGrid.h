#pragma once

#include <QWidget>
#include <memory>

#include "catalog/Album.h"
#include "catalog/DisplayPanels.h"

// Rectangle of photo index i in a W x H grid of 10 x 10 cells. Painting, hit-testing and
// tests share it.
QRect PhotoCellRect(int index, const QSize& size);

// The photos of one album as thumbnails, 10 x 10; a double click zooms the selected photo
// over the whole control. Owns the album and the decoded pictures.
class CPhotoGrid : public QWidget, public IAlbumView {
    Q_OBJECT
public:
    explicit CPhotoGrid(QWidget* parent = nullptr);
    ~CPhotoGrid() override;

    // Folder of the album photos (".../images/photos/").
    void SetPhotoFolder(const QString& folder);
    void SetAlbum(std::unique_ptr<CAlbum> album) override;
    void RepaintNow() override;

    CAlbum* CurrentAlbum();
    CAlbumPhoto* CurrentPhoto();  // the selected photo, or null
    CAlbumPhoto* PhotoAt(const QPoint& point);
    void SelectPhotoAt(const QPoint& point);
    // Removes the photo from the album (clears the selection when it was selected).
    void RemovePhoto(int photoId);
    // Appends a photo to the current album (the album commands' add).
    void AppendPhoto(const CAlbumPhoto& photo);
    bool IsZoomed() const;
};
