#include "ui/panels/AlbumPanel.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QToolTip>

#include "catalog/Album.h"
#include "catalog/PhotoExif.h"
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
    if (photo == nullptr) return {};
    QStringList lines;
    if (!photo->comment.isEmpty()) lines << photo->comment;
    const QDateTime taken = TakenFromText(photo->taken);
    if (taken.isValid())
        lines << QString::fromUtf8("Prise de vue le %1 à %2")
                     .arg(taken.toString(QStringLiteral("dd/MM/yyyy")),
                          taken.toString(QStringLiteral("HH:mm")));
    return lines.join(u'\n');
}

void CAlbumPanel::OfferOrderMenu(const QPoint& globalPoint) {
    QMenu menu(this);
    menu.setAccessibleName(QStringLiteral("Ordre des photos"));
    auto* group = new QActionGroup(&menu);
    QAction* added = menu.addAction(QString::fromUtf8("Dans l'ordre d'ajout"));
    QAction* taken = menu.addAction(QString::fromUtf8("Dans l'ordre de prise de vue"));
    for (QAction* action : {added, taken}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    (m_grid->Order() == AlbumOrder::Taken ? taken : added)->setChecked(true);
    const QAction* chosen = menu.exec(globalPoint);
    if (chosen == added) m_grid->SetOrder(AlbumOrder::Added);
    if (chosen == taken) m_grid->SetOrder(AlbumOrder::Taken);
}

bool CAlbumPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_grid) return CPanelDialog::eventFilter(watched, event);
    if (event->type() == QEvent::ContextMenu) {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        OfferOrderMenu(menu->globalPos());
        return true;
    }
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
