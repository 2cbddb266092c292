#include <functional>
#include <stdexcept>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "catalog/CatalogKind.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestCatchLog.h"
#include "ui/dialogs/CatalogItemDialogs.h"
#include "ui/dialogs/CatalogPhotoDialog.h"
#include "ui/dialogs/CatalogTextDialog.h"

namespace {

// Types any text, accented letters included, as key presses carrying that text.
void TypeText(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &release);
    }
}

using CatalogDialogTest = TestCatchLog;

TEST_F(CatalogDialogTest, NameTypedInSmallLettersIsStoredInCapitals) {
    CCatalogTextDialog dialog(Db(), -1, Table::Weather);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Saisie d'une nouvelle donnée"));
    auto& name = Child<QLineEdit>(dialog, "labelEdit");
    EXPECT_EQ(name.maxLength(), 50);
    EXPECT_EQ(name.accessibleName(), QString::fromUtf8("Libellé"));
    TypeText(name, QString::fromUtf8("éclaircies"));
    EXPECT_EQ(name.text(), QString::fromUtf8("ÉCLAIRCIES"));
    QTest::keyClicks(&Child<QPlainTextEdit>(dialog, "descriptionEdit"), QStringLiteral("peu"));
    dialog.accept();

    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_GT(dialog.ItemId(), 0);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT LIBELLE FROM TEMPS WHERE ID=%1").arg(dialog.ItemId())),
              QString::fromUtf8("ÉCLAIRCIES"));
    EXPECT_EQ(
        Scalar(QStringLiteral("SELECT DESCRIPTION FROM TEMPS WHERE ID=%1").arg(dialog.ItemId())),
        QStringLiteral("peu"));
}

TEST_F(CatalogDialogTest, PastedNameIsTurnedToCapitalsWithinTheLimit) {
    CCatalogTextDialog dialog(Db(), -1, Table::Winds);
    auto& name = Child<QLineEdit>(dialog, "labelEdit");
    name.insert(QString(60, u'a'));
    EXPECT_EQ(name.text(), QString(50, u'A'));
}

TEST_F(CatalogDialogTest, DuplicateNameIsRefusedAndTheDialogStaysOpen) {
    AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("CARPE"));
    CCatalogPhotoDialog dialog(Db(), -1, Table::Fish);
    dialog.show();
    QTest::keyClicks(&Child<QLineEdit>(dialog, "labelEdit"), QStringLiteral("carpe"));
    Child<QPushButton>(dialog, "validateButton").click();

    EXPECT_EQ(Messages().Texts(),
              QStringList{QString::fromUtf8("Il existe déjà un objet qui porte ce nom !")});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.ItemId(), -1);
    EXPECT_EQ(CountRows(QStringLiteral("POISSONS")), 1);
}

TEST_F(CatalogDialogTest, EmptyNameIsRequired) {
    CCatalogPhotoDialog dialog(Db(), -1, Table::Places);
    dialog.show();
    Child<QPushButton>(dialog, "validateButton").click();
    EXPECT_EQ(Messages().Texts(),
              QStringList{QString::fromUtf8("La saisie de ce champ est obligatoire !")});
    EXPECT_EQ(Messages().shown.at(0).icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialog.focusWidget(), &Child<QLineEdit>(dialog, "labelEdit"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(CountRows(QStringLiteral("LIEUX")), 0);
}

TEST_F(CatalogDialogTest, ExistingRowLoadsAndSavesUnderItsOwnName) {
    const int id = AddCatalogRow(QStringLiteral("LIEUX"), QStringLiteral("ETANG"),
                                 QStringLiteral("au bout du chemin"), QStringLiteral("etang.jpg"));
    AddCatalogRow(QStringLiteral("LIEUX"), QStringLiteral("RIVIERE"));
    {
        CCatalogPhotoDialog dialog(Db(), id, Table::Places);
        EXPECT_EQ(dialog.Label(), QStringLiteral("ETANG"));
        EXPECT_EQ(Child<QLineEdit>(dialog, "photoEdit").text(), QStringLiteral("etang.jpg"));
        EXPECT_EQ(dialog.Description(), QStringLiteral("au bout du chemin"));
        Child<QPlainTextEdit>(dialog, "descriptionEdit").setPlainText(QStringLiteral("changé"));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.ItemId(), id);
    }
    EXPECT_EQ(Scalar(QStringLiteral("SELECT DESCRIPTION FROM LIEUX WHERE ID=%1").arg(id)),
              QString::fromUtf8("changé"));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT PHOTO FROM LIEUX WHERE ID=%1").arg(id)),
              QStringLiteral("etang.jpg"));

    // Taking the name of another row is refused.
    CCatalogPhotoDialog rename(Db(), id, Table::Places);
    Child<QLineEdit>(rename, "labelEdit").setText(QStringLiteral("RIVIERE"));
    rename.accept();
    EXPECT_NE(rename.result(), QDialog::Accepted);
    EXPECT_EQ(
        Messages().Texts(),
        QStringList{QString::fromUtf8("Il existe déjà un objet qui porte ce nom dans la base !")});
}

TEST_F(CatalogDialogTest, PhotoIsChosenInTheFolderOfTheKind) {
    QImage(4, 4, QImage::Format_RGB32).save(DataDir() + "images/Montages/montage.bmp", "BMP");
    CCatalogPhotoDialog dialog(Db(), -1, Table::Rigs);
    auto& photo = Child<QLineEdit>(dialog, "photoEdit");
    EXPECT_TRUE(photo.isReadOnly());
    {
        ModalAnswerer picker([](QDialog& d) { Child<QPushButton>(d, "validateButton").click(); });
        Child<QPushButton>(dialog, "photoButton").click();
        EXPECT_EQ(picker.opened, QStringList{QString::fromUtf8("Sélection d'une image")});
    }
    EXPECT_EQ(photo.text(), QStringLiteral("montage.bmp"));
    {
        ModalAnswerer picker([](QDialog& d) { Child<QPushButton>(d, "cancelButton").click(); });
        Child<QPushButton>(dialog, "photoButton").click();
    }
    EXPECT_EQ(photo.text(), QStringLiteral("montage.bmp"));

    QTest::keyClicks(&Child<QLineEdit>(dialog, "labelEdit"), QStringLiteral("hair"));
    dialog.accept();
    EXPECT_EQ(Scalar(QStringLiteral("SELECT PHOTO FROM MONTAGES WHERE LIBELLE='HAIR'")),
              QStringLiteral("montage.bmp"));
}

TEST_F(CatalogDialogTest, RunCatalogItemDialogOpensTheDialogOfTheKind) {
    {
        ModalAnswerer answerer([](QDialog& d) {
            EXPECT_NE(d.findChild<QLineEdit*>(QStringLiteral("photoEdit")), nullptr);
            Child<QPushButton>(d, "cancelButton").click();
        });
        EXPECT_EQ(RunCatalogItemDialog(Db(), Table::Groundbaits, -1, nullptr), -1);
        EXPECT_EQ(answerer.opened.size(), 1);
    }
    {
        ModalAnswerer answerer([](QDialog& d) {
            EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("photoEdit")), nullptr);
            QTest::keyClicks(&Child<QLineEdit>(d, "labelEdit"), QStringLiteral("lancer"));
            Child<QPushButton>(d, "validateButton").click();
        });
        const int id = RunCatalogItemDialog(Db(), Table::Techniques, -1, nullptr);
        EXPECT_EQ(id,
                  ScalarInt(QStringLiteral("SELECT ID FROM TECHNIQUES WHERE LIBELLE='LANCER'")));
        EXPECT_GT(id, 0);
    }
    EXPECT_EQ(RunCatalogItemDialog(Db(), Table::Catches, -1, nullptr), -1);
}

}  // namespace
