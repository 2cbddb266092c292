// Qt's own dialogs speak French once the Qt translations are installed: the buttons of a
// question box and of the file dialog the angler picks pictures with.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "app/QtTranslations.h"

#include <gtest/gtest.h>

namespace {

QString PlainText(const QAbstractButton* button) {
    return button ? button->text().remove(u'&') : QString();
}

class QtTranslationsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_installed = InstallQtFrenchTranslations(*QCoreApplication::instance());
    }
    static bool s_installed;
};
bool QtTranslationsTest::s_installed = false;

TEST_F(QtTranslationsTest, AreFoundWhereQtKeepsThem) {
    EXPECT_TRUE(s_installed) << "qt6-translations-l10n is in the package list of the Makefile";
}

TEST_F(QtTranslationsTest, QuestionBoxesAnswerOuiOrNon) {
    if (!s_installed) GTEST_SKIP() << "no Qt translations";
    QMessageBox box(QMessageBox::Question, "Brevane", "Supprimer ?",
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(PlainText(box.button(QMessageBox::Yes)), "Oui");
    EXPECT_EQ(PlainText(box.button(QMessageBox::No)), "Non");
}

TEST_F(QtTranslationsTest, TheFileDialogOpensOrCancels) {
    if (!s_installed) GTEST_SKIP() << "no Qt translations";
    QFileDialog dialog(nullptr, "Ajouter une image");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(PlainText(buttons->button(QDialogButtonBox::Open)), "Ouvrir");
    EXPECT_EQ(PlainText(buttons->button(QDialogButtonBox::Cancel)), "Annuler");
}

}  // namespace
