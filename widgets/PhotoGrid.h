#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <memory>
#include <vector>

#include "catalog/Album.h"
#include "catalog/DisplayPanels.h"
#include "widgets/AccessibleCells.h"

class CThumbnailLoader;

// Rectangle of photo index i in a W x H grid of 10 x 10 cells. Painting, hit-testing and
// tests share it. The cell of w = W / 10 by h = H / 10 pixels covers w - 1 by h - 1 pixels
// (its right and bottom edges, x + w - 1 and y + h - 1, lie outside), so that neighbouring
// cells are two pixels apart: in a 500 x 400 grid photo 1 covers x 51 to 99, and
// rect.x() + rect.width() is 100.
QRect PhotoCellRect(int index, const QSize& size);

// The photos of one album as thumbnails, 10 x 10; a double click zooms the selected photo
// over the whole control. Owns the album and the decoded pictures.
//
// Keyboard: the arrows move the current photo (Up and Down by a row of ten), Home and End go to
// the first and last photo, Enter zooms the current photo and unzooms it. A screen reader reads
// each photo by its comment.
//
// Pictures are decoded off the user-interface thread: a cell shows white in its frame until
// its thumbnail arrives. Thumbnails come from the desktop thumbnail cache when it has them.
class CPhotoGrid : public QWidget, public IAlbumView, public IAccessibleCells {
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
    // Written in the middle of the grid while it shows no album.
    void SetEmptyText(const QString& text);
    QString EmptyText() const { return m_emptyText; }

    // IAccessibleCells: one cell per photo, named by its comment.
    int CellCount() const override;
    QString CellName(int index) const override;
    QRect CellRect(int index) const override;
    int CurrentCell() const override;

    // True while pictures asked for by a paint are still being decoded.
    bool HasPendingDecodes() const;
    // The rectangle a photo has for hit-testing now (empty when it has none).
    QRect PhotoRect(int index) const;

signals:
    // Every decode asked for so far has finished (and the grid has been updated).
    void thumbnailsReady();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // What the grid knows of one photo of the album, at the same index.
    struct PhotoState {
        QString fileName;  // to notice a photo list changed behind the grid's back
        QImage thumbnail;
        int requestedEdge = 0;  // largest thumbnail asked for (0: none yet)
        quint64 ticket = 0;     // decode under way
        QRect zoomRect;         // grid cell kept while another photo is zoomed
    };

    static PhotoState FreshState(const QString& fileName);
    void SyncStates();
    void ResetPictures();
    int SelectedIndex() const;
    int IndexAt(const QPoint& point) const;
    bool SelectIndex(int index);
    void MoveCurrent(int index);
    void SetZoom(bool on);
    void DropZoomPicture();
    QString PhotoPath(int index) const;
    void RequestThumbnail(int index, const QSize& inner);
    void RequestZoomPicture(const QSize& inner);
    void DrawPhoto(QPainter& painter, int index, const QRect& rect, const QImage& picture);
    void OnPictureReady(quint64 ticket, const QImage& image);

    std::unique_ptr<CAlbum> m_album;
    std::vector<PhotoState> m_states;
    int m_selected = -1;
    bool m_zoom = false;
    QString m_folder;
    QString m_emptyText;
    std::unique_ptr<CThumbnailLoader> m_loader;

    // The zoomed photo, decoded at the size it is shown.
    QImage m_zoomImage;
    QString m_zoomFile;
    QSize m_zoomSize;
    quint64 m_zoomTicket = 0;
};
