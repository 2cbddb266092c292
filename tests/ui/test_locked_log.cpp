// The angler stores a catch through the catch dialog while another program holds the catch
// log: the message box says so in French, the dialog stays open with everything typed, and a
// second "Valider" once the other program has let go stores the catch, once.
#include <QComboBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/QtUserMessages.h"
#include "catalog/CatalogKind.h"
#include "tests/faults/SqliteLockHolder.h"
#include "tests/support/DatabaseFaultTexts.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestCatchLog.h"
#include "ui/dialogs/CatchDialog.h"
#include "ui/view/BrevaneView.h"
#include "ui/view/ListTargets.h"

namespace {

const QString kComment = QString::fromUtf8("Carpe commune relâchée au bord des roseaux");

class LockedLogDialog : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        if (!SqliteLockHolder::ShellAvailable()) GTEST_SKIP() << "skipped: needs the sqlite3 shell";
        m_place = AddCatalogRow(QStringLiteral("LIEUX"), QStringLiteral("ETANG"));
        m_carp = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("CARPE"));
        m_tench = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("TANCHE"));
        m_corn = AddCatalogRow(QStringLiteral("ESCHES"), QStringLiteral("MAIS"));
        m_worm = AddCatalogRow(QStringLiteral("ESCHES"), QStringLiteral("VER"));
        // The real message boxes, as the angler sees them.
        SetUserMessages(&m_boxes);
    }

    // What the angler types into the dialog.
    void Fill(QDialog& dialog) {
        SelectComboId(Child<QComboBox>(dialog, "placeCombo"), m_place);
        SelectListIds(Child<QListWidget>(dialog, "fishList"), {m_carp, m_tench});
        SelectListIds(Child<QListWidget>(dialog, "baitList"), {m_corn, m_worm});
        Child<QPlainTextEdit>(dialog, "commentEdit").insertPlainText(kComment);
    }

    int m_place = -1, m_carp = -1, m_tench = -1, m_corn = -1, m_worm = -1;
    CQtUserMessages m_boxes;
};

TEST_F(LockedLogDialog, ValiderUnderTheLockShowsTheMessageKeepsTheEntryAndStoresOnceLater) {
    CBrevaneView view(Db());
    view.resize(800, 560);
    view.show();
    view.SetCategory(Category::Catches);
    ASSERT_EQ(view.NavigationList().count(), 0);

    QStringList boxTexts;
    bool stillOpenAfterRefusal = false;
    std::vector<int> fishAfterRefusal;
    QString commentAfterRefusal;
    ModalAnswerer entry([&](QDialog& dialog) {
        ASSERT_NE(qobject_cast<CCatchDialog*>(&dialog), nullptr);
        Fill(dialog);
        SqliteLockHolder other;
        ASSERT_TRUE(other.Take(DataDir() + QStringLiteral("brevane.db")))
            << other.Error().toStdString();
        {
            ModalAnswerer box([&](QDialog& shown) {
                if (auto* message = qobject_cast<QMessageBox*>(&shown)) boxTexts << message->text();
                shown.accept();
            });
            QTest::mouseClick(&Child<QPushButton>(dialog, "validateButton"), Qt::LeftButton);
        }
        stillOpenAfterRefusal = dialog.isVisible() && dialog.result() != QDialog::Accepted;
        fishAfterRefusal = SelectedIds(Child<QListWidget>(dialog, "fishList"));
        commentAfterRefusal = Child<QPlainTextEdit>(dialog, "commentEdit").toPlainText();

        other.Release();
        QTest::mouseClick(&Child<QPushButton>(dialog, "validateButton"), Qt::LeftButton);
    });
    view.OnAdd();

    ASSERT_EQ(boxTexts.size(), 1) << boxTexts.join(u'|').toStdString();
    EXPECT_TRUE(boxTexts[0].startsWith(kLockedText)) << boxTexts[0].toStdString();
    EXPECT_TRUE(stillOpenAfterRefusal);
    EXPECT_EQ(fishAfterRefusal, (std::vector<int>{m_carp, m_tench}));
    EXPECT_EQ(commentAfterRefusal, kComment);
    EXPECT_EQ(entry.keptOpen, 0);  // the second "Valider" closed the dialog

    // Stored once, whole, and shown in the list.
    ASSERT_EQ(CountRows(QStringLiteral("PRISES")), 1);
    const int id = ScalarInt(QStringLiteral("SELECT ID FROM PRISES"));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COMMENTAIRE FROM PRISES")), kComment);
    EXPECT_EQ(
        ScalarInt(QStringLiteral("SELECT COUNT(*) FROM PRISE_POISSONS WHERE ID_PRISE=%1").arg(id)),
        2);
    EXPECT_EQ(
        ScalarInt(QStringLiteral("SELECT COUNT(*) FROM PRISE_ESCHES WHERE ID_PRISE=%1").arg(id)),
        2);
    EXPECT_EQ(view.NavigationList().count(), 1);
}

}  // namespace
