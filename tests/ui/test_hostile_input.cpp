// Hostile texts typed into the real controls of the entry dialogs, stored by "Valider" and
// read back from the catch log and from the dialog opened again.
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <functional>

#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestCatchLog.h"
#include "ui/dialogs/AlbumTitleDialog.h"
#include "ui/dialogs/CatchDialog.h"
#include "ui/view/AlbumCommands.h"
#include "ui/view/ListTargets.h"
#include "widgets/NavigationList.h"
#include "widgets/PhotoGrid.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// Types the text key by key as a keyboard would. Characters without a key of their own
// (accents, emoji) arrive as a key event that carries only their text, as from a compose
// key or an input method; a line break is the Enter key.
void Type(QWidget& edit, const QString& text) {
    const QList<uint> characters = text.toUcs4();
    for (const uint c : characters) {
        if (c == '\n') {
            QTest::keyClick(&edit, Qt::Key_Return);
        } else if (c >= 0x20 && c < 0x7f) {
            QTest::keyClick(&edit, char(c));
        } else {
            const QString typed = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
            QApplication::sendEvent(&edit, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, typed);
            QApplication::sendEvent(&edit, &release);
        }
    }
}

// True when every surrogate of the text is half of a pair: the text can be written as UTF-8.
bool IsWholeText(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (text[i].isSurrogate()) {
            return false;
        }
    }
    return true;
}

class HostileInputTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        m_place = AddCatalogRow(QStringLiteral("LIEUX"), QStringLiteral("ETANG"));
        m_fish = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("CARPE"));
    }

    // A new catch dialog with the required place and fish chosen.
    void ChooseRequired(CCatchDialog& dialog) {
        SelectComboId(Child<QComboBox>(dialog, "placeCombo"), m_place);
        SelectListIds(Child<QListWidget>(dialog, "fishList"), {m_fish});
    }

    QString Stored(const char* column, int catchId) {
        return Scalar(QStringLiteral("SELECT %1 FROM PRISES WHERE ID=%2").arg(column).arg(catchId));
    }

    int m_place = -1;
    int m_fish = -1;
};

TEST_F(HostileInputTest, TypedCommentAndGpsAreStoredAsTypedAndShownAgain) {
    const QString firstLine =
        U("O'Brien ''; DROP TABLE PRISES; -- NULL null {d'2007-01-01'} "
          "now() %s%n ? C:\\dossier\\ Brochet à l'étang, œuf ");
    const QString secondLine = U("seconde ligne");
    const QString gps = U("45°N'; --%s{d'} \\");
    const QString comment = firstLine + U("🎣🐟") + u'\n' + secondLine;

    int catchId = -1;
    {
        CCatchDialog dialog(Db(), -1);
        ChooseRequired(dialog);
        Type(Child<QLineEdit>(dialog, "gpsEdit"), gps);
        Type(Child<QPlainTextEdit>(dialog, "commentEdit"), comment);
        Child<QPushButton>(dialog, "validateButton").click();
        ASSERT_EQ(dialog.result(), QDialog::Accepted) << Messages().Texts().join('|').toStdString();
        catchId = dialog.CatchId();
    }
    ASSERT_GT(catchId, 0);
    EXPECT_EQ(Stored("COMMENTAIRE", catchId), comment);
    EXPECT_EQ(Stored("hex(COMMENTAIRE)", catchId),
              QString::fromLatin1(comment.toUtf8().toHex().toUpper()));
    EXPECT_EQ(Stored("COORD_GPS", catchId), gps);
    EXPECT_EQ(CountRows(QStringLiteral("PRISES")), 1);
    EXPECT_TRUE(Messages().shown.empty());

    // Opened again and validated unchanged, the catch keeps both texts.
    CCatchDialog again(Db(), catchId);
    EXPECT_EQ(Child<QPlainTextEdit>(again, "commentEdit").toPlainText(), comment);
    EXPECT_EQ(Child<QLineEdit>(again, "gpsEdit").text(), gps);
    Child<QPushButton>(again, "validateButton").click();
    ASSERT_EQ(again.result(), QDialog::Accepted);
    EXPECT_EQ(Stored("COMMENTAIRE", catchId), comment);
    EXPECT_EQ(Stored("COORD_GPS", catchId), gps);
    EXPECT_EQ(CountRows(QStringLiteral("PRISES")), 1);
}

TEST_F(HostileInputTest, StoredLineBreaksAndTabsSurviveTheDialog) {
    // A log written elsewhere may hold Windows line ends and tabs: opening the catch and
    // pressing "Valider" keeps every line and tab (a Windows line end becomes one line break).
    const int catchId = AddCatch(QStringLiteral("2007-05-12 14:30:00"), m_place, m_fish,
                                 QStringLiteral(", COMMENTAIRE"),
                                 QStringLiteral(", 'un\tdeux' || char(13, 10) || 'trois' || "
                                                "char(10) || char(10) || 'quatre'"));
    CCatchDialog dialog(Db(), catchId);
    Child<QPushButton>(dialog, "validateButton").click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Stored("COMMENTAIRE", catchId), U("un\tdeux\ntrois\n\nquatre"));
}

TEST_F(HostileInputTest, AFullCommentNeverKeepsHalfACharacter) {
    // At the comment's limit, a pasted emoji (two UTF-16 units) that does not fit must be left
    // out whole: half of it cannot be written as UTF-8 and would not be what is shown.
    CCatchDialog dialog(Db(), -1);
    ChooseRequired(dialog);
    auto& edit = Child<QPlainTextEdit>(dialog, "commentEdit");
    const QString full = QString(65534, u'a');
    dialog.SetComment(full);
    edit.moveCursor(QTextCursor::End);
    edit.insertPlainText(U("🎣"));  // what a paste does
    EXPECT_TRUE(IsWholeText(edit.toPlainText()));
    EXPECT_EQ(edit.toPlainText(), full);
    Child<QPushButton>(dialog, "validateButton").click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Stored("COMMENTAIRE", dialog.CatchId()), full);
}

TEST_F(HostileInputTest, AFullGpsFieldNeverKeepsHalfACharacter) {
    CCatchDialog dialog(Db(), -1);
    ChooseRequired(dialog);
    auto& gps = Child<QLineEdit>(dialog, "gpsEdit");
    QTest::keyClicks(&gps, QString(19, u'1'));
    gps.insert(U("🐟"));  // what a paste does
    EXPECT_TRUE(IsWholeText(gps.text()));
    EXPECT_EQ(gps.text(), QString(19, u'1'));
    Child<QPushButton>(dialog, "validateButton").click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Stored("COORD_GPS", dialog.CatchId()), gps.text());
}

TEST_F(HostileInputTest, AFullNameFieldNeverKeepsHalfACharacter) {
    // The capitals edit of album and catalogue names, at its limit of 50.
    CAlbumTitleDialog dialog{QString()};
    auto& name = Child<QLineEdit>(dialog, "name");
    QTest::keyClicks(&name, QString(49, u'A'));
    name.insert(U("🐟"));  // what a paste does
    EXPECT_TRUE(IsWholeText(name.text()));
    EXPECT_EQ(name.text(), QString(49, u'A'));
}

TEST_F(HostileInputTest, TypedAlbumNameIsStoredInCapitalsAsTyped) {
    CNavigationList list;
    CPhotoGrid grid;
    CAlbumCommands commands(Db(), list, grid, nullptr, [] {});
    const QString typed = U("l'étang'; DROP TABLE ALBUMS; -- %s{d'}\\ œ 🎣");
    ModalAnswerer answerer([typed](QDialog& dialog) {
        Type(Child<QLineEdit>(dialog, "name"), typed);
        Child<QPushButton>(dialog, "okButton").click();
    });
    commands.NewAlbum();
    EXPECT_EQ(answerer.opened, QStringList{QStringLiteral("Titre de la boite")});
    ASSERT_EQ(CountRows(QStringLiteral("ALBUMS")), 1) << Messages().Texts().join('|').toStdString();
    EXPECT_EQ(Scalar(QStringLiteral("SELECT LIBELLE FROM ALBUMS")), typed.toUpper());
    EXPECT_EQ(Scalar(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
}

}  // namespace
