// Every dialog on a laptop screen and for a screen reader: its size in dialog units of its own
// font, whole on 1366 x 768, its buttons in view on a smaller screen, a French name for every
// control.
#include <QAccessible>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <memory>

#include "app/AboutDialog.h"
#include "catalog/Album.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestCatchLog.h"
#include "ui/dialogs/AlbumTitleDialog.h"
#include "ui/dialogs/CatalogPhotoDialog.h"
#include "ui/dialogs/CatalogTextDialog.h"
#include "ui/dialogs/CatchDialog.h"
#include "ui/dialogs/CatchFilterDialog.h"
#include "ui/dialogs/CatchViewDialog.h"
#include "ui/dialogs/ChooseSessionDialog.h"
#include "ui/dialogs/DialogSize.h"
#include "ui/dialogs/ImagePickerDialog.h"
#include "ui/dialogs/PhotoCommentDialog.h"
#include "ui/dialogs/PreferencesDialog.h"
#include "ui/dialogs/SessionDialog.h"
#include "widgets/CalendarCtrl.h"

namespace {

const QRect kLaptop(0, 0, 1366, 768);

class DialogFitTest : public TestCatchLog {
protected:
    using Factory = std::function<std::unique_ptr<QDialog>()>;

    // Every dialog of the program, each as it opens.
    std::vector<std::pair<const char*, Factory>> AllDialogs() {
        CCatchDatabase& db = Db();
        m_day.dayKey = 20261015;
        m_day.sessions.resize(2);
        return {
            {"prise", [&db] { return std::make_unique<CCatchDialog>(db, -1); }},
            {"session",
             [&db, this] {
                 return std::make_unique<CSessionDialog>(db, -1, 20261015, m_calendar);
             }},
            {"choix de session",
             [&db, this] { return std::make_unique<CChooseSessionDialog>(db, m_day); }},
            {"préférences", [&db] { return std::make_unique<CPreferencesDialog>(db); }},
            {"recherche", [&db] { return std::make_unique<CCatchFilterDialog>(db); }},
            {"donnée avec photo",
             [&db] { return std::make_unique<CCatalogPhotoDialog>(db, -1, Table::Fish); }},
            {"donnée",
             [&db] { return std::make_unique<CCatalogTextDialog>(db, -1, Table::Weather); }},
            {"image",
             [] { return std::make_unique<CImagePickerDialog>(QStringLiteral("Poissons")); }},
            {"album", [] { return std::make_unique<CAlbumTitleDialog>(QString()); }},
            {"commentaire",
             [&db, this] { return std::make_unique<CPhotoCommentDialog>(db, m_photo); }},
            {"visualisation", [&db] { return std::make_unique<CCatchViewDialog>(db, -1); }},
            {"à propos", [] { return std::make_unique<CAboutDialog>(); }},
        };
    }

    CCalendarCtrl m_calendar;
    CCalendarDay m_day;
    CAlbumPhoto m_photo;
};

}  // namespace

TEST(DialogSize, KeepsTheWholeWindowOnTheScreen) {
    const struct {
        QSize wanted, minimum;
        QRect screen;
        QSize expected;
    } cases[] = {
        {{679, 717}, {600, 560}, kLaptop, {679, 717}},
        {{400, 200}, {500, 260}, kLaptop, {500, 260}},                 // the controls need more
        {{679, 717}, {600, 560}, QRect(0, 0, 1024, 600), {679, 552}},  // frame and title bar kept
        {{679, 717}, {600, 560}, QRect(0, 0, 640, 480), {624, 432}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitDialogSize(c.wanted, c.minimum, c.screen), c.expected) << c.screen.width();
}

TEST_F(DialogFitTest, CatchDialogOpensAtItsDialogUnitsInItsFont) {
    CCatchDialog dialog(Db(), -1);
    const QSize units = DialogUnitsToPixels(dialog.font(), 453, 410);
    EXPECT_EQ(dialog.size(), units);
    const QFontMetrics metrics(dialog.font());
    EXPECT_EQ(units, QSize(453 * metrics.averageCharWidth() / 4, 410 * metrics.height() / 8));
    EXPECT_NEAR(units.width(), 680, 40);
}

TEST_F(DialogFitTest, EveryDialogFitsALaptopScreenWithoutScrolling) {
    const QSize room = FitDialogSize(QSize(9999, 9999), QSize(), kLaptop);
    for (const auto& [name, open] : AllDialogs()) {
        std::unique_ptr<QDialog> dialog = open();
        dialog->show();
        QCoreApplication::processEvents();
        EXPECT_LE(dialog->width(), room.width()) << name;
        EXPECT_LE(dialog->height(), room.height()) << name;
        if (auto* body = dialog->findChild<QScrollArea*>(QStringLiteral("dialogBody"))) {
            EXPECT_FALSE(body->verticalScrollBar()->isVisible()) << name;
        }
        dialog->close();
    }
}

TEST_F(DialogFitTest, OnASmallScreenTheFieldsScrollAndTheButtonsStay) {
    CCatchDialog dialog(Db(), -1);
    dialog.show();
    dialog.resize(600, 400);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialog.height(), 400);
    auto& validate = Child<QPushButton>(dialog, "validateButton");
    EXPECT_TRUE(dialog.rect().contains(QRect(validate.mapTo(&dialog, QPoint()), validate.size())));
    auto* body = dialog.findChild<QScrollArea*>(QStringLiteral("dialogBody"));
    ASSERT_NE(body, nullptr);
    EXPECT_GT(body->verticalScrollBar()->maximum(), 0);
}

TEST_F(DialogFitTest, EveryControlHasAFrenchNameWithoutItsColon) {
    for (const auto& [name, open] : AllDialogs()) {
        std::unique_ptr<QDialog> dialog = open();
        for (QWidget* control : dialog->findChildren<QWidget*>()) {
            const bool named =
                (control->focusPolicy() & Qt::TabFocus) || qobject_cast<QGroupBox*>(control);
            // Qt's own parts of a control (the text of a date picker) speak for it.
            if (!named || !control->isVisibleTo(dialog.get()) ||
                control->objectName().startsWith(QStringLiteral("qt_")) ||
                qobject_cast<QAbstractScrollArea*>(control->parentWidget()))
                continue;
            // Drop-down lists are read by their label's relation on this platform, so the name
            // they were given is checked, not their current row.
            const QString spoken =
                control->accessibleName().isEmpty()
                    ? QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name)
                    : control->accessibleName();
            const std::string where = std::string(name) + " / " +
                                      control->metaObject()->className() + " " +
                                      control->objectName().toStdString();
            EXPECT_FALSE(spoken.trimmed().isEmpty()) << where;
            EXPECT_FALSE(spoken.trimmed().endsWith(u':')) << where << ": " << spoken.toStdString();
            EXPECT_NE(spoken, QStringLiteral("...")) << where;
            if (auto* box = qobject_cast<QGroupBox*>(control); box && !box->title().isEmpty()) {
                EXPECT_EQ(spoken, box->title()) << where;
            }
        }
    }
}
