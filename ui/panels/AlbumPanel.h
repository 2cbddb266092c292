#pragma once

#include "catalog/DisplayPanels.h"
#include "ui/panels/PanelDialog.h"

class CPhotoGrid;
struct CAlbum;
struct CAlbumPhoto;

// The photos of one album in the photo grid. The pointer over a photo shows its comment in a
// tooltip, with the date taken under it; the grid's context menu chooses the order of the
// photos (as added, or as taken).
class CAlbumPanel : public CPanelDialog, public IAlbumPanel {
    Q_OBJECT
public:
    explicit CAlbumPanel(QWidget* parent = nullptr);

    void ShowPanel() override;
    IAlbumView& Grid() override;
    CPhotoGrid& PhotoGrid() { return *m_grid; }
    CAlbum* CurrentAlbum();
    CAlbumPhoto* CurrentPhoto();

    // The tooltip text for a point of the grid: the comment of the photo under it and its date
    // taken ("Prise de vue le 12/05/2024 à 07:42"), or "" when no photo lies there.
    QString ToolTipAt(const QPoint& gridPoint);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OfferOrderMenu(const QPoint& globalPoint);

    CPhotoGrid* m_grid;
};
