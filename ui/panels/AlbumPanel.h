#pragma once

#include "catalog/DisplayPanels.h"
#include "ui/panels/PanelDialog.h"

class CPhotoGrid;
struct CAlbum;
struct CAlbumPhoto;

// The photos of one album in the photo grid. The pointer over a photo shows its comment in a
// tooltip.
class CAlbumPanel : public CPanelDialog, public IAlbumPanel {
    Q_OBJECT
public:
    explicit CAlbumPanel(QWidget* parent = nullptr);

    void ShowPanel() override;
    IAlbumView& Grid() override;
    CPhotoGrid& PhotoGrid() { return *m_grid; }
    CAlbum* CurrentAlbum();
    CAlbumPhoto* CurrentPhoto();

    // The tooltip text for a point of the grid: the comment of the photo under it, or "" when
    // no photo lies there.
    QString ToolTipAt(const QPoint& gridPoint);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CPhotoGrid* m_grid;
};
