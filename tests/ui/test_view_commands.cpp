// The main view's commands: deleting with the question, the selection warning, adding and
// modifying through the real dialogs, the preferences.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDate>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "catalog/Album.h"
#include "tests/support/TestCatchLog.h"
#include "ui/panels/AlbumPanel.h"
#include "ui/panels/CalendarPanel.h"
#include "ui/panels/CatalogTextPanel.h"
#include "ui/panels/CatchPanel.h"
#include "ui/view/BrevaneView.h"
#include "ui/view/ListTargets.h"
#include "widgets/CalendarCtrl.h"
#include "widgets/ColorLabel.h"
#include "widgets/CommandIds.h"
#include "widgets/PhotoGrid.h"
#include "widgets/StyledEdit.h"

namespace {
const QString kSelectRow = QString::fromUtf8("Vous devez sélectionner une ligne dans la liste !");
const QString kDeleteRow = QString::fromUtf8("Voulez-vous vraiment supprimer cet enregistrement ?");

// Handles the next modal dialog with `handle`; a dialog still open afterwards is rejected so
// that a failing test never hangs.
class NextDialog {
public:
    explicit NextDialog(std::function<void(QDialog&)> handle) : m_handle(std::move(handle)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            if (m_done) {
                dialog->reject();
                return;
            }
            m_done = true;
            title = dialog->windowTitle();
            m_handle(*dialog);
        });
        m_timer.start(20);
    }
    QString title;

private:
    std::function<void(QDialog&)> m_handle;
    QTimer m_timer;
    bool m_done = false;
};

void Click(QDialog& dialog, const char* name) {
    auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}
}  // namespace

class ViewCommandTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        m_fish = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("BROCHET"));
        m_place = AddCatalogRow(QStringLiteral("LIEUX"), QStringLiteral("ETANG"));
    }
    CBrevaneView& ShownView() {
        m_view = std::make_unique<CBrevaneView>(Db());
        m_view->resize(800, 560);
        m_view->show();
        Messages().Clear();
        return *m_view;
    }
    int SelectedId() {
        QListWidgetItem* item = m_view->NavigationList().currentItem();
        return item && item->isSelected() ? item->data(Qt::UserRole).toInt() : -1;
    }

    int m_fish = -1;
    int m_place = -1;
    std::unique_ptr<CBrevaneView> m_view;
};

TEST_F(ViewCommandTest, DeletingACatchAfterNoChangesNothing) {
    AddCatch(QStringLiteral("2007-05-12 14:30:00"), m_place, m_fish);
    const int second = AddCatch(QStringLiteral("2007-06-01 08:00:00"), m_place, m_fish);
    CBrevaneView& v = ShownView();
    ASSERT_TRUE(v.NavigationList().count() == 2);
    v.SelectRowById(second);
    v.ShowSelection();
    Messages().answerYes = false;
    v.OnDelete();
    EXPECT_EQ(Messages().questions, QStringList{kDeleteRow});
    EXPECT_EQ(CountRows(QStringLiteral("PRISES")), 2);
    EXPECT_EQ(v.NavigationList().count(), 2);
    EXPECT_EQ(SelectedId(), second);
    EXPECT_TRUE(v.CatchPanel().isVisible());
}

TEST_F(ViewCommandTest, DeletingACatchAfterYesShowsTheFirstRow) {
    const int first = AddCatch(QStringLiteral("2007-05-12 14:30:00"), m_place, m_fish);
    const int second = AddCatch(QStringLiteral("2007-06-01 08:00:00"), m_place, m_fish,
                                QStringLiteral(", COMMENTAIRE"), QStringLiteral(", 'Belle prise'"));
    CBrevaneView& v = ShownView();
    v.SelectRowById(second);
    v.ShowSelection();
    EXPECT_EQ(v.CatchPanel().CommentText().Text(), QStringLiteral("Belle prise"));
    v.OnDelete();
    EXPECT_EQ(Messages().questions, QStringList{kDeleteRow});
    EXPECT_EQ(ScalarInt(QStringLiteral("SELECT COUNT(*) FROM PRISES WHERE ID = %1").arg(second)),
              0);
    ASSERT_EQ(v.NavigationList().count(), 1);
    EXPECT_EQ(SelectedId(), first);
    EXPECT_TRUE(v.CatchPanel().isVisible());
    EXPECT_EQ(v.CatchPanel().CommentText().Text(), QString());

    // The last one: the list empties and the panel is hidden.
    v.OnDelete();
    EXPECT_EQ(v.NavigationList().count(), 0);
    EXPECT_FALSE(v.CatchPanel().isVisible());
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(ViewCommandTest, DeletingACatalogueRow) {
    const int orage = AddCatalogRow(QStringLiteral("TEMPS"), QStringLiteral("ORAGE"));
    const int pluie = AddCatalogRow(QStringLiteral("TEMPS"), QStringLiteral("PLUIE"));
    CBrevaneView& v = ShownView();
    v.SetCategory(Category::Weather);
    v.SelectRowById(pluie);
    v.ShowSelection();
    v.OnDelete();
    EXPECT_EQ(CountRows(QStringLiteral("TEMPS")), 1);
    EXPECT_EQ(SelectedId(), orage);
    EXPECT_EQ(v.CatalogTextPanel().Title().text(), QStringLiteral("ORAGE"));
    EXPECT_TRUE(v.CatalogTextPanel().isVisible());
}

TEST_F(ViewCommandTest, EmptyCatalogueAsksForASelection) {
    CBrevaneView& v = ShownView();
    v.SetCategory(Category::Baits);  // no bait yet
    ASSERT_EQ(v.NavigationList().count(), 0);
    v.OnModify();
    v.OnDelete();
    ASSERT_EQ(Messages().shown.size(), 2u);
    for (const auto& shown : Messages().shown) {
        EXPECT_EQ(shown.text, kSelectRow);
        EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
    }
    EXPECT_TRUE(Messages().questions.isEmpty());
}

TEST_F(ViewCommandTest, AddedRowIsSelectedAndShown) {
    AddCatalogRow(QStringLiteral("TECHNIQUES"), QStringLiteral("AU COUP"));
    CBrevaneView& v = ShownView();
    v.SetCategory(Category::Techniques);
    NextDialog dialog([](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("labelEdit"))->setText(QStringLiteral("ZANDER JIG"));
        Click(d, "validateButton");
    });
    v.OnAdd();
    const int added = ScalarInt(QStringLiteral("SELECT MAX(ID) FROM TECHNIQUES"));
    EXPECT_EQ(v.NavigationList().count(), 2);
    EXPECT_EQ(SelectedId(), added);
    EXPECT_EQ(v.CatalogTextPanel().Title().text(), QStringLiteral("ZANDER JIG"));
}

TEST_F(ViewCommandTest, CancelledModifyChangesNothing) {
    const int id = AddCatalogRow(QStringLiteral("TECHNIQUES"), QStringLiteral("AU COUP"));
    CBrevaneView& v = ShownView();
    v.SetCategory(Category::Techniques);
    NextDialog dialog([](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("labelEdit"))->setText(QStringLiteral("AUTRE"));
        Click(d, "cancelButton");
    });
    v.OnModify();
    EXPECT_EQ(Scalar(QStringLiteral("SELECT LIBELLE FROM TECHNIQUES WHERE ID = %1").arg(id)),
              QStringLiteral("AU COUP"));
    EXPECT_EQ(v.CatalogTextPanel().Title().text(), QStringLiteral("AU COUP"));
}

TEST_F(ViewCommandTest, PreferencesAppliedOnlyAfterValider) {
    CBrevaneView& v = ShownView();
    const int before = v.CatchPanel().SheetText().font().pixelSize();
    {
        NextDialog dialog([](QDialog& d) {
            d.findChild<QLineEdit*>(QStringLiteral("catchFontEdit"))->setText(QStringLiteral("23"));
            Click(d, "cancelButton");
        });
        v.OnPreferences();
    }
    EXPECT_EQ(v.CatchPanel().SheetText().font().pixelSize(), before);
    NextDialog dialog([](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("catchFontEdit"))->setText(QStringLiteral("23"));
        Click(d, "validateButton");
    });
    v.OnPreferences();
    EXPECT_EQ(dialog.title, QString::fromUtf8("Saisie de vos préférences"));
    EXPECT_EQ(v.CatchPanel().SheetText().font().pixelSize(), 23);
    EXPECT_TRUE(v.CatchPanel().SheetText().font().bold());
}

TEST_F(ViewCommandTest, CalendarDoubleClickEditsAndDeleteRemovesTheSession) {
    const QDate today = QDate::currentDate();
    const int dayKey = today.year() * 10000 + today.month() * 100 + today.day();
    Exec(QStringLiteral("INSERT INTO CALENDRIER (DEBUT, FIN, ID_LIEU, COMMENTAIRE, HEURE_DEBUT, "
                        "HEURE_FIN) VALUES (%1, %1, %2, 'Matin', 700, 900)")
             .arg(dayKey)
             .arg(m_place));
    const int sessionId = ScalarInt(QStringLiteral("SELECT MAX(ID) FROM CALENDRIER"));
    CBrevaneView& v = ShownView();
    v.SetCategory(Category::Calendar);
    ASSERT_TRUE(v.CalendarPanel().isVisible());
    CCalendarCtrl& calendar = v.CalendarPanel().CalendarCtrl();
    const CCalendarDay* day = nullptr;
    for (const auto& d : calendar.Days()) {
        if (d->dayKey == dayKey) day = d.get();
    }
    ASSERT_NE(day, nullptr) << "the current month is not the one shown";
    ASSERT_EQ(day->sessions.size(), 1u);

    {
        NextDialog dialog([](QDialog& d) { d.reject(); });
        QTest::mouseDClick(&calendar, Qt::LeftButton, {}, day->rect.center());
        EXPECT_EQ(dialog.title, QStringLiteral("Saisie d'une nouvelle session"));
    }
    ASSERT_NE(calendar.SelectedDay(), nullptr);
    EXPECT_EQ(calendar.SelectedDay()->dayKey, dayKey);

    Messages().answerYes = false;
    v.OnDelete();
    EXPECT_EQ(Messages().questions,
              QStringList{QStringLiteral("Voulez-vous vraiment supprimer cette session ?")});
    EXPECT_EQ(CountRows(QStringLiteral("CALENDRIER")), 1);
    Messages().answerYes = true;
    v.OnDelete();
    EXPECT_EQ(
        ScalarInt(QStringLiteral("SELECT COUNT(*) FROM CALENDRIER WHERE ID = %1").arg(sessionId)),
        0);
    EXPECT_TRUE(calendar.SelectedDay()->sessions.empty());
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(ViewCommandTest, AlbumPopupCommandsKeepListAndPanelTogether) {
    Exec(QStringLiteral("INSERT INTO ALBUMS (LIBELLE) VALUES ('ANCIEN')"));
    CBrevaneView& v = ShownView();
    v.SetCategory(Category::Albums);
    ASSERT_NE(v.AlbumPanel().CurrentAlbum(), nullptr);
    {
        NextDialog dialog([](QDialog& d) {
            d.findChild<QLineEdit*>()->setText(QStringLiteral("NOUVEAU"));
            d.accept();
        });
        v.OnAlbumCommand(CommandId::AlbumAdd);
    }
    ASSERT_EQ(v.NavigationList().count(), 2);
    EXPECT_EQ(v.NavigationList().item(1)->text(), QStringLiteral("NOUVEAU"));
    EXPECT_EQ(v.NavigationList().currentRow(), 1);
    ASSERT_NE(v.AlbumPanel().CurrentAlbum(), nullptr);
    EXPECT_EQ(v.AlbumPanel().CurrentAlbum()->name, QStringLiteral("NOUVEAU"));

    v.OnAlbumCommand(CommandId::AlbumDelete);  // answered Yes
    EXPECT_EQ(CountRows(QStringLiteral("ALBUMS")), 1);
    ASSERT_EQ(v.NavigationList().count(), 1);
    ASSERT_NE(v.AlbumPanel().CurrentAlbum(), nullptr);
    EXPECT_EQ(v.AlbumPanel().CurrentAlbum()->name, QStringLiteral("ANCIEN"));

    // Outside the albums category the popup commands do nothing.
    v.SetCategory(Category::Catches);
    v.OnAlbumCommand(CommandId::AlbumDelete);
    EXPECT_EQ(CountRows(QStringLiteral("ALBUMS")), 1);
}

TEST_F(ViewCommandTest, CalendarKeysCrossMonthsAndOpenOrAddSessions) {
    const QDate first = QDate::currentDate().addDays(1 - QDate::currentDate().day());
    const auto key = [](const QDate& d) { return d.year() * 10000 + d.month() * 100 + d.day(); };
    Exec(QStringLiteral("INSERT INTO CALENDRIER (DEBUT, FIN, ID_LIEU, COMMENTAIRE, HEURE_DEBUT, "
                        "HEURE_FIN) VALUES (%1, %1, %2, '', 945, 1200)")
             .arg(key(first.addDays(-1)))
             .arg(m_place));
    CBrevaneView& v = ShownView();
    v.SetCategory(Category::Calendar);
    CCalendarCtrl& calendar = v.CalendarPanel().CalendarCtrl();
    ASSERT_EQ(calendar.SelectedDay()->dayKey, key(first));
    calendar.setFocus();

    // Left from the first day shows the month before, on its last day, as its list row would.
    QTest::keyClick(&calendar, Qt::Key_Left);
    const QDate last = first.addDays(-1);
    EXPECT_EQ(calendar.MonthKey(), last.year() * 100 + last.month());
    EXPECT_EQ(calendar.SelectedDay()->dayKey, key(last));
    EXPECT_EQ(v.NavigationList().currentItem()->data(Qt::UserRole).toInt(), calendar.MonthKey());
    EXPECT_EQ(calendar.SelectedDay()->sessions.size(), 1u);
    {
        NextDialog dialog([](QDialog& d) { d.reject(); });
        QTest::keyClick(&calendar, Qt::Key_Return);
        EXPECT_EQ(dialog.title, QStringLiteral("Saisie d'une nouvelle session"));
    }
    {
        NextDialog dialog([this](QDialog& d) {
            SelectComboId(*d.findChild<QComboBox*>(QStringLiteral("place")), m_place);
            Click(d, "ok");
        });
        QTest::keyClick(&calendar, Qt::Key_Insert);
        EXPECT_EQ(dialog.title, QStringLiteral("Saisie d'une nouvelle session"));
    }
    EXPECT_EQ(
        ScalarInt(
            QStringLiteral("SELECT COUNT(*) FROM CALENDRIER WHERE DEBUT = %1").arg(key(last))),
        2);
    EXPECT_EQ(calendar.SelectedDay()->sessions.size(), 2u);
}

TEST_F(ViewCommandTest, AlbumMenuFromTheKeyboardAndHintWithoutAlbums) {
    CBrevaneView& v = ShownView();
    v.SetCategory(Category::Albums);
    ASSERT_EQ(v.NavigationList().count(), 0);
    EXPECT_TRUE(v.AlbumPanel().isVisible());
    EXPECT_EQ(v.AlbumPanel().PhotoGrid().EmptyText(),
              QString::fromUtf8("Clic droit dans la liste pour créer un album"));

    // Shift+F10 and the keyboard's context menu event (what the Menu key sends) open the menu.
    int menus = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&menus] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            ++menus;
            popup->close();
        }
    });
    closer.start(20);
    QTest::keyClick(&v.NavigationList(), Qt::Key_F10, Qt::ShiftModifier);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(-50, -50), QPoint(-50, -50));
    QApplication::sendEvent(&v.NavigationList(), &menuKey);
    EXPECT_EQ(menus, 2);
}

TEST_F(ViewCommandTest, ModifyActsOnThePhotoChosenWithTheKeyboard) {
    Exec(QStringLiteral("INSERT INTO ALBUMS (LIBELLE) VALUES ('ETE')"));
    for (const char* file : {"a.jpg", "b.jpg", "c.jpg"})
        Exec(QStringLiteral("INSERT INTO PHOTOS (ID_ALBUM, LIBELLE, COMMENTAIRE) VALUES "
                            "((SELECT MAX(ID) FROM ALBUMS), '%1', '')")
                 .arg(QString::fromLatin1(file)));
    CBrevaneView& v = ShownView();
    v.SetCategory(Category::Albums);
    CPhotoGrid& grid = v.AlbumPanel().PhotoGrid();
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_End);
    {
        NextDialog dialog([](QDialog& d) {
            d.findChild<QPlainTextEdit*>()->setPlainText(QStringLiteral("Carpe miroir"));
            d.accept();
        });
        v.OnModify();
    }
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COMMENTAIRE FROM PHOTOS WHERE LIBELLE = 'c.jpg'")),
              QStringLiteral("Carpe miroir"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&grid)->child(2)->text(QAccessible::Name),
              QStringLiteral("Carpe miroir"));
}
