// The start-up pieces that do not need a process of their own: message boxes, about box, help
// path, window placement, the main window and its command routing.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "app/AboutDialog.h"
#include "app/HelpPage.h"
#include "app/MainWindow.h"
#include "app/QtUserMessages.h"
#include "tests/support/TestCatchLog.h"
#include "ui/view/BrevaneView.h"
#include "widgets/ColorLabel.h"
#include "widgets/CommandIds.h"
#include "widgets/MainFrame.h"
#include "widgets/NavigationList.h"

namespace {

struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Looks at the next message box once it is open, then presses the button with this text.
void PressInNextBox(BoxSeen& seen, const QString& buttonText) {
    QTimer::singleShot(30, [&seen, buttonText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* b : box->buttons()) {
            seen.buttons << b->text();
            if (b->text() == buttonText) b->click();
        }
        if (box->isVisible()) box->reject();
    });
}

void MakeFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
}

}  // namespace

TEST(QtUserMessages, QuestionIsTitledAttentionWithOuiAndNon) {
    CQtUserMessages messages;
    BoxSeen seen;
    PressInNextBox(seen, QStringLiteral("Non"));
    EXPECT_FALSE(
        messages.AskYesNo(QStringLiteral("Voulez-vous vraiment supprimer cette session ?")));
    EXPECT_EQ(seen.title, QStringLiteral("Attention"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.text, QStringLiteral("Voulez-vous vraiment supprimer cette session ?"));
    EXPECT_TRUE(seen.buttons.contains(QStringLiteral("Oui")));
    EXPECT_TRUE(seen.buttons.contains(QStringLiteral("Non")));

    BoxSeen yes;
    PressInNextBox(yes, QStringLiteral("Oui"));
    EXPECT_TRUE(messages.AskYesNo(QStringLiteral("Question ?")));
}

TEST(QtUserMessages, MessagesAreCaptionedBrevaneWithTheirIcon) {
    CQtUserMessages messages;
    const std::pair<MessageIcon, QMessageBox::Icon> icons[] = {
        {MessageIcon::Stop, QMessageBox::Critical},
        {MessageIcon::Exclamation, QMessageBox::Warning},
        {MessageIcon::None, QMessageBox::NoIcon}};
    for (const auto& [icon, expected] : icons) {
        BoxSeen seen;
        PressInNextBox(seen, QStringLiteral("OK"));
        messages.ShowMessage(QStringLiteral("La saisie de ce champ est obligatoire !"), icon);
        EXPECT_EQ(seen.title, QStringLiteral("Brevane"));
        EXPECT_EQ(seen.icon, expected);
        EXPECT_EQ(seen.buttons.size(), 1);
    }
}

TEST(AboutDialog, ShowsPictureVersionAndOk) {
    CAboutDialog about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("A propos de Brevane"));
    bool version = false;
    bool picture = false;
    for (QLabel* label : about.findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("Brevane version 2.1")) version = true;
        if (!label->pixmap().isNull()) picture = true;
    }
    EXPECT_TRUE(version);
    EXPECT_TRUE(picture) << "the :/about.svg picture was not loaded";
    auto buttons = about.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("OK"));
    EXPECT_TRUE(buttons[0]->isDefault());
    about.show();
    buttons[0]->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(HelpPage, BuildTreeFirstThenInstalledTree) {
    QTemporaryDir dir;
    const QString root = dir.path();
    const QString bin = root + QStringLiteral("/bin");
    QDir().mkpath(bin);
    // Installed layout: <prefix>/bin/brevane and <prefix>/share/brevane/aide.
    MakeFile(root + QStringLiteral("/share/brevane/aide/index.html"));
    EXPECT_EQ(HelpIndexPath(bin), root + QStringLiteral("/share/brevane/aide/index.html"));
    // Build tree: the pages beside the executable win.
    MakeFile(bin + QStringLiteral("/share/brevane/aide/index.html"));
    EXPECT_EQ(HelpIndexPath(bin), bin + QStringLiteral("/share/brevane/aide/index.html"));
}

TEST(WindowPlacement, CentredWithTruncatingDivision) {
    EXPECT_EQ(CenteredWindowPosition(QSize(1280, 1024), QSize(800, 600)), QPoint(240, 212));
    EXPECT_EQ(CenteredWindowPosition(QSize(1281, 1025), QSize(800, 600)), QPoint(240, 212));
    EXPECT_EQ(CenteredWindowPosition(QSize(640, 480), QSize(800, 600)), QPoint(-80, -60));
    EXPECT_EQ(CenteredWindowPosition(QSize(799, 599), QSize(800, 600)), QPoint(0, 0));
}

TEST(WindowTitle, NamesTheSharedLogBeforeTheApplication) {
    EXPECT_EQ(MainWindowTitle(QString()), QString::fromUtf8(kMainWindowTitle));
    EXPECT_EQ(MainWindowTitle(QStringLiteral("CLUB")),
              QString::fromUtf8("La pêche et ses poissons ... - carnet partagé CLUB - Brevane"));
}

class MainWindowTest : public TestCatchLog {};

// F5 and the window coming back to the front both show what another program stored.
TEST_F(MainWindowTest, RefreshAndActivationShowAnotherProgramsCatches) {
    std::unique_ptr<CMainFrame> frame = CreateMainWindow(Db());
    frame->show();
    CNavigationList& list = ViewOf(*frame).NavigationList();
    EXPECT_EQ(list.count(), 0);
    CDbConnection other;
    ASSERT_TRUE(other.ConnectLike(Db()));
    other.ExecuteDirect(
        QStringLiteral("INSERT INTO PRISES (DATE_PRISE) VALUES ('2020-01-01 08:00:00')"));
    frame->Action(CommandId::Refresh)->trigger();
    EXPECT_EQ(list.count(), 1);
    other.ExecuteDirect(
        QStringLiteral("INSERT INTO PRISES (DATE_PRISE) VALUES ('2021-01-01 08:00:00')"));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(frame.get(), &activate);
    EXPECT_EQ(list.count(), 2);
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(MainWindowTest, FrameHoldsTheViewAndRoutesCommands) {
    std::unique_ptr<CMainFrame> frame = CreateMainWindow(Db());
    EXPECT_EQ(frame->windowTitle(), QString::fromUtf8("La pêche et ses poissons ... - Brevane"));
    CBrevaneView& view = ViewOf(*frame);
    EXPECT_EQ(frame->centralWidget(), &view);
    PlaceMainWindow(*frame);
    frame->show();
    EXPECT_EQ(frame->size(), QSize(800, 600));
    EXPECT_EQ(view.CurrentCategory(), Category::Catches);

    const std::pair<int, Category> routes[] = {
        {CommandId::ShowFish, Category::Fish},
        {CommandId::ShowWindDirections, Category::WindDirections},
        {CommandId::ShowRecords, Category::Records},
        {CommandId::ShowCalendar, Category::Calendar},
        {CommandId::ShowAlbums, Category::Albums},
        {CommandId::ShowCatches, Category::Catches}};
    for (const auto& [command, kind] : routes) {
        QAction* action = frame->Action(command);
        ASSERT_NE(action, nullptr) << command;
        action->trigger();
        EXPECT_EQ(view.CurrentCategory(), kind) << command;
    }
    EXPECT_EQ(view.TitleLabel().text(), QStringLiteral("PRISES"));

    BoxSeen none;
    QTimer::singleShot(30, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->accept();
        }
    });
    ASSERT_NE(frame->Action(CommandId::About), nullptr);
    frame->Action(CommandId::About)->trigger();  // the about box, closed by the timer

    frame->Action(CommandId::Quit)->trigger();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(Messages().shown.empty());
}
