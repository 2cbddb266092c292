#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/support/TestCatchLog.h"
#include "ui/dialogs/PreferencesDialog.h"

namespace {

const QString kRequired = QString::fromUtf8("La saisie de ce champ est obligatoire !");
const QString kHeightSum = QString::fromUtf8(
    "La somme des deux hauteurs dans la zone des prises ne doit pas être égale ou supérieure "
    "à 100 % !");

class PreferencesDialogTest : public TestCatchLog {
protected:
    static QLineEdit& Field(CPreferencesDialog& d, const char* name) {
        return *d.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static QCheckBox& Check(CPreferencesDialog& d, const char* key) {
        return *d.findChild<QCheckBox*>(QString::fromLatin1(key));
    }
    static void Retype(QLineEdit& field, const QString& text) {
        field.clear();
        QTest::keyClicks(&field, text);
    }
    QString Option(const char* key) { return Db().GetOption(QString::fromLatin1(key)); }
};

TEST_F(PreferencesDialogTest, ShowsTheStoredOptions) {
    Db().SetOption(QStringLiteral("TAILLE_POLICE_DIVERS"), QStringLiteral("9"));
    Db().SetOptionInt(QStringLiteral("AFF_POIDS"), 0);
    Db().SetOptionInt(QStringLiteral("AFF_LUNE"), 2);  // only 1 shows the line
    CPreferencesDialog dialog(Db());

    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Saisie de vos préférences"));
    EXPECT_EQ(Field(dialog, "catchFontEdit").text(), QStringLiteral("12"));
    EXPECT_EQ(Field(dialog, "miscFontEdit").text(), QStringLiteral("9"));
    EXPECT_EQ(Field(dialog, "imageHeightEdit").text(), QStringLiteral("40"));
    EXPECT_EQ(Field(dialog, "commentHeightEdit").text(), QStringLiteral("20"));
    EXPECT_EQ(Field(dialog, "imageHeightEdit").maxLength(), 2);
    EXPECT_EQ(dialog.findChildren<QCheckBox*>().size(), 22);
    EXPECT_TRUE(Check(dialog, "AFF_LIEU").isChecked());
    EXPECT_FALSE(Check(dialog, "AFF_POIDS").isChecked());
    EXPECT_FALSE(Check(dialog, "AFF_LUNE").isChecked());
    EXPECT_EQ(Check(dialog, "AFF_COEFF_MAREE").text(), QString::fromUtf8("Coefficient de marée"));
    QStringList groups;
    for (QGroupBox* g : dialog.findChildren<QGroupBox*>()) groups << g->title();
    groups.sort();
    EXPECT_EQ(groups,
              (QStringList{QString::fromUtf8("Affichage des paramètres"), QStringLiteral("Divers"),
                           QStringLiteral("Prises"), QStringLiteral("Statistiques")}));
}

TEST_F(PreferencesDialogTest, HeightsSummingToAHundredAreRefused) {
    CPreferencesDialog dialog(Db());
    dialog.show();
    Retype(Field(dialog, "imageHeightEdit"), QStringLiteral("60"));
    Retype(Field(dialog, "commentHeightEdit"), QStringLiteral("40"));
    dialog.findChild<QPushButton*>(QStringLiteral("validateButton"))->click();

    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].text, kHeightSum);
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(dialog.focusWidget(), &Field(dialog, "imageHeightEdit"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Option("HAUTEUR_IMAGE_PRISE"), QStringLiteral("40"));

    Messages().Clear();
    Retype(Field(dialog, "commentHeightEdit"), QStringLiteral("39"));
    Check(dialog, "AFF_POIDS").setChecked(false);
    dialog.accept();
    EXPECT_TRUE(Messages().shown.empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Option("HAUTEUR_IMAGE_PRISE"), QStringLiteral("60"));
    EXPECT_EQ(Option("HAUTEUR_COMMENTAIRE_PRISE"), QStringLiteral("39"));
    EXPECT_EQ(Option("AFF_POIDS"), QStringLiteral("0"));
    EXPECT_EQ(Option("AFF_TAILLE"), QStringLiteral("1"));
    EXPECT_EQ(Option("TAILLE_POLICE_PRISE"), QStringLiteral("12"));
}

TEST_F(PreferencesDialogTest, RequiredFieldsAreCheckedInOrder) {
    CPreferencesDialog dialog(Db());
    Field(dialog, "commentHeightEdit").clear();
    Field(dialog, "miscFontEdit").clear();
    dialog.accept();
    EXPECT_EQ(Messages().Texts(), QStringList{kRequired});
    EXPECT_EQ(dialog.focusWidget(), &Field(dialog, "miscFontEdit"));

    Messages().Clear();
    QTest::keyClicks(&Field(dialog, "miscFontEdit"), QStringLiteral("1x0"));  // digits only
    EXPECT_EQ(Field(dialog, "miscFontEdit").text(), QStringLiteral("10"));
    dialog.accept();
    EXPECT_EQ(Messages().Texts(), QStringList{kRequired});
    EXPECT_EQ(dialog.focusWidget(), &Field(dialog, "commentHeightEdit"));
    EXPECT_EQ(Option("TAILLE_POLICE_DIVERS"), QStringLiteral("12"));
}

TEST_F(PreferencesDialogTest, StatisticsFontMayBeLeftEmpty) {
    CPreferencesDialog dialog(Db());
    Field(dialog, "statisticsFontEdit").clear();
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(Messages().shown.empty());
    EXPECT_EQ(Option("TAILLE_POLICE_STATISTIQUES"), QString());
}

TEST_F(PreferencesDialogTest, AnnulerWritesNothing) {
    CPreferencesDialog dialog(Db());
    Retype(Field(dialog, "catchFontEdit"), QStringLiteral("30"));
    Check(dialog, "AFF_LIEU").setChecked(false);
    dialog.reject();
    EXPECT_EQ(Option("TAILLE_POLICE_PRISE"), QStringLiteral("12"));
    EXPECT_EQ(Option("AFF_LIEU"), QStringLiteral("1"));
}

}  // namespace
