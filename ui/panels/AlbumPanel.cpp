#include "ui/panels/AlbumPanel.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QToolTip>

#include "catalog/Album.h"
#include "catalog/PicturePaths.h"
#include "store/AppHelpers.h"
#include "widgets/PhotoGrid.h"

CAlbumPanel::CAlbumPanel(QWidget* parent) : CPanelDialog(parent), m_grid(new CPhotoGrid(this)) {
    setAccessibleName(QStringLiteral("Album"));
    m_grid->setAccessibleName(QStringLiteral("Photos de l'album"));
    m_grid->SetEmptyText(QString::fromUtf8("Clic droit dans la liste pour créer un album"));
    m_grid->SetPhotoFolder(AlbumPhotoFolderPath(GetProgramDirectory()));
    // Tracking the pointer lets a visible tooltip follow it from one photo to the next.
    m_grid->setMouseTracking(true);
    m_grid->installEventFilter(this);
    SetSwallowEscape(false);
}

void CAlbumPanel::ShowPanel() { show(); }

IAlbumView& CAlbumPanel::Grid() { return *m_grid; }

CAlbum* CAlbumPanel::CurrentAlbum() { return m_grid->CurrentAlbum(); }

CAlbumPhoto* CAlbumPanel::CurrentPhoto() { return m_grid->CurrentPhoto(); }

QString CAlbumPanel::ToolTipAt(const QPoint& gridPoint) {
    const CAlbumPhoto* photo = m_grid->PhotoAt(gridPoint);
    return photo ? photo->comment : QString();
}

bool CAlbumPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_grid) return CPanelDialog::eventFilter(watched, event);
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = ToolTipAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), text, m_grid);
        }
        return true;
    }
    if (event->type() == QEvent::MouseMove && QToolTip::isVisible()) {
        const auto* move = static_cast<QMouseEvent*>(event);
        const QString text = ToolTipAt(move->position().toPoint());
        if (text.isEmpty()) {
            QToolTip::hideText();
        } else if (text != QToolTip::text()) {
            QToolTip::showText(move->globalPosition().toPoint(), text, m_grid);
        }
    }
    return CPanelDialog::eventFilter(watched, event);
}

void CAlbumPanel::resizeEvent(QResizeEvent* event) {
    CPanelDialog::resizeEvent(event);
    m_grid->setGeometry(rect());
}
