// The view's commands: add, modify, delete, search, preferences, sessions and albums.
#include "ui/view/BrevaneView.h"

#include <QContextMenuEvent>
#include <QDate>
#include <QKeyEvent>
#include <QMenu>

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "db/UserMessages.h"
#include "ui/dialogs/CatalogItemDialogs.h"
#include "ui/dialogs/CatchDialog.h"
#include "ui/dialogs/CatchFilterDialog.h"
#include "ui/dialogs/PreferencesDialog.h"
#include "ui/dialogs/SessionDialog.h"
#include "ui/panels/AlbumPanel.h"
#include "ui/panels/CalendarPanel.h"
#include "ui/view/AlbumCommands.h"
#include "ui/view/SessionChoice.h"
#include "widgets/CalendarCtrl.h"
#include "widgets/CommandIds.h"
#include "widgets/NavigationList.h"

namespace {
const QString kDeleteRowQuestion =
    QStringLiteral("Voulez-vous vraiment supprimer cet enregistrement ?");
const QString kDeleteSessionQuestion =
    QStringLiteral("Voulez-vous vraiment supprimer cette session ?");

int DayKey(const QDate& date) { return date.year() * 10000 + date.month() * 100 + date.day(); }
}  // namespace

void CBrevaneView::OnAdd() {
    const Category kind = m_kind;
    if (kind == Category::Calendar) {
        EditSession(-1);
    } else if (kind == Category::Catches) {
        CCatchDialog dialog(m_db, -1, this);
        if (dialog.exec() == QDialog::Accepted) AfterStoredRow(dialog.CatchId());
    } else if (const auto catalog = CatalogOf(kind)) {
        const int id = RunCatalogItemDialog(m_db, *catalog, -1, this);
        if (id != -1) AfterStoredRow(id);
    } else if (kind == Category::Albums) {
        RunAlbumCommand([](CAlbumCommands& c) { c.AddPhotos(); });
    }
}

void CBrevaneView::OnModify() {
    if (!RequireSelectedRow()) return;
    const Category kind = m_kind;
    const int id = SelectedRowId();
    if (kind == Category::Calendar) {
        const int sessionId =
            ChooseSessionOfSelectedDay(m_db, m_calendarPanel->CalendarCtrl(), this);
        if (sessionId != -1) EditSession(sessionId);
    } else if (kind == Category::Catches) {
        CCatchDialog dialog(m_db, id, this);
        if (dialog.exec() == QDialog::Accepted) AfterStoredRow(id);
    } else if (const auto catalog = CatalogOf(kind)) {
        if (RunCatalogItemDialog(m_db, *catalog, id, this) != -1) AfterStoredRow(id);
    } else if (kind == Category::Albums) {
        RunAlbumCommand([](CAlbumCommands& c) { c.EditPhotoComment(); });
    }
}

void CBrevaneView::OnDelete() {
    if (!RequireSelectedRow()) return;
    const Category kind = m_kind;
    const int id = SelectedRowId();
    if (kind == Category::Calendar) {
        RemoveSession(ChooseSessionOfSelectedDay(m_db, m_calendarPanel->CalendarCtrl(), this));
    } else if (kind == Category::Catches) {
        if (!AskYesNo(kDeleteRowQuestion)) return;
        // A catch another member deleted first leaves the list with the others' changes.
        if (m_db.DeleteCatch(id))
            AfterDeletedRow(id);
        else
            RefreshIfChanged();
    } else if (const auto catalog = CatalogOf(kind)) {
        if (AskYesNo(kDeleteRowQuestion) && m_db.DeleteCatalogItem(*catalog, id))
            AfterDeletedRow(id);
    } else if (kind == Category::Albums) {
        // Asks "Voulez-vous vraiment supprimer cette photo ?" and takes the photo out of the
        // grid; nothing without a current photo.
        RunAlbumCommand([](CAlbumCommands& c) { c.DeletePhoto(); });
    }
}

void CBrevaneView::OnSearch() {
    CCatchFilterDialog dialog(m_db, this);
    if (dialog.exec() == QDialog::Accepted) SetCategory(Category::Catches);
}

void CBrevaneView::OnPreferences() {
    CPreferencesDialog dialog(m_db, this);
    if (dialog.exec() == QDialog::Accepted) ApplyFontOptions();
}

void CBrevaneView::AfterStoredRow(int id) {
    // The catch list changes by one row: refilling it would cost seconds on a large log.
    if (UpdateCatchRowOnly(id)) {
        ShowSelection();
        return;
    }
    RefreshStep();
    SelectRowById(id);
    ShowSelection();
}

void CBrevaneView::AfterDeletedRow(int id) {
    // The first row is selected and shown; with an empty list the panel stays hidden.
    dynamic_cast<QWidget&>(PanelForKind(m_kind)).hide();
    if (UpdateCatchRowOnly(id)) {
        ShowSelection();
        return;
    }
    RefreshStep();
}

int CBrevaneView::SelectedDayKey() {
    CCalendarCtrl& calendar = m_calendarPanel->CalendarCtrl();
    if (const CCalendarDay* day = calendar.SelectedDay()) return day->dayKey;
    if (calendar.MonthKey() > 0) return calendar.MonthKey() * 100 + 1;
    return DayKey(QDate::currentDate());
}

void CBrevaneView::EditSession(int sessionId) {
    CCalendarCtrl& calendar = m_calendarPanel->CalendarCtrl();
    CSessionDialog dialog(m_db, sessionId, SelectedDayKey(), calendar, this);
    if (dialog.exec() == QDialog::Accepted) calendar.RepaintNow();
}

void CBrevaneView::RemoveSession(int sessionId) {
    if (sessionId == -1) return;
    if (!AskYesNo(kDeleteSessionQuestion)) return;
    if (!m_db.DeleteSession(sessionId)) return;
    CCalendarCtrl& calendar = m_calendarPanel->CalendarCtrl();
    calendar.DropSession(sessionId);
    calendar.RepaintNow();
}

void CBrevaneView::OnCalendarDoubleClick() {
    const int sessionId = ChooseSessionOfSelectedDay(m_db, m_calendarPanel->CalendarCtrl(), this);
    if (sessionId != -1) EditSession(sessionId);
}

void CBrevaneView::OnCalendarMonthChange(int dayKey) {
    if (m_kind != Category::Calendar) return;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->RowId(row) != dayKey / 100) continue;
        // Selecting the row shows its month, as a click on it would.
        m_list->setCurrentRow(row);
        m_calendarPanel->CalendarCtrl().SelectDay(dayKey);
        return;
    }
}

void CBrevaneView::OnAlbumCommand(int commandId) {
    if (m_kind != Category::Albums) return;
    switch (commandId) {
        case CommandId::AlbumAdd:
            RunAlbumCommand([](CAlbumCommands& c) { c.NewAlbum(); });
            break;
        case CommandId::AlbumModify:
            RunAlbumCommand([](CAlbumCommands& c) { c.RenameAlbum(); });
            break;
        case CommandId::AlbumDelete:
            RunAlbumCommand([](CAlbumCommands& c) { c.DeleteAlbum(); });
            break;
        default:
            break;
    }
}

QPoint CBrevaneView::KeyboardMenuPoint() const {
    const QModelIndex current = m_list->currentIndex();
    const QRect row = current.isValid() ? m_list->visualRect(current) : QRect();
    const QPoint inViewport = row.isValid() ? row.center() : QPoint(1, 1);
    return m_list->viewport()->mapTo(m_list, inViewport);
}

bool CBrevaneView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_list) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard)
        return OfferAlbumMenu(KeyboardMenuPoint());
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)
            return OfferAlbumMenu(KeyboardMenuPoint());
    }
    return QWidget::eventFilter(watched, event);
}

bool CBrevaneView::OfferAlbumMenu(const QPoint& listPoint) {
    if (m_kind != Category::Albums || !m_list->rect().contains(listPoint)) return false;
    QMenu menu(this);
    menu.setAccessibleName(QStringLiteral("ALBUM"));
    const QAction* add = menu.addAction(QStringLiteral("Ajouter..."));
    const QAction* modify = menu.addAction(QStringLiteral("Modifier..."));
    const QAction* remove = menu.addAction(QStringLiteral("Supprimer..."));
    const QAction* chosen = menu.exec(m_list->mapToGlobal(listPoint));
    if (chosen == add) OnAlbumCommand(CommandId::AlbumAdd);
    if (chosen == modify) OnAlbumCommand(CommandId::AlbumModify);
    if (chosen == remove) OnAlbumCommand(CommandId::AlbumDelete);
    return true;
}
