// "&Aide..." opens the help index in the user's browser: the command of the "?" menu hands the
// desktop the index page of the help folder beside the program, and the page is really there.
#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QUrl>

#include "app/HelpPage.h"
#include "app/MainWindow.h"
#include "tests/support/TestCatchLog.h"
#include "widgets/MainFrame.h"

// Stands in for the browser: records every file URL the program asks the desktop to open.
class CUrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }
};

namespace {

// Registers the catcher for file URLs for the life of the object.
class FileUrlHandler {
public:
    explicit FileUrlHandler(CUrlCatcher& catcher) {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
    }
    ~FileUrlHandler() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
};

// The action of the menu bar popup titled menuTitle whose text is itemText, as a user finds it.
QAction* MenuItem(const CMainFrame& frame, const QString& menuTitle, const QString& itemText) {
    for (QAction* top : frame.menuBar()->actions()) {
        if (top->text() != menuTitle || top->menu() == nullptr) continue;
        for (QAction* item : top->menu()->actions()) {
            if (item->text() == itemText) return item;
        }
    }
    return nullptr;
}

void WriteFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<!DOCTYPE html><html lang=\"fr\"><title>Aide</title></html>");
}

}  // namespace

class HelpCommandTest : public TestCatchLog {};

TEST_F(HelpCommandTest, AideOfTheQuestionMenuOpensTheIndexPageBesideTheProgram) {
    CUrlCatcher browser;
    FileUrlHandler handler(browser);
    std::unique_ptr<CMainFrame> frame = CreateMainWindow(Db());

    QAction* help = MenuItem(*frame, QStringLiteral("&?"), QStringLiteral("&Aide..."));
    ASSERT_NE(help, nullptr) << "no \"&Aide...\" in the \"&?\" menu";
    EXPECT_EQ(help->shortcut(), QKeySequence(Qt::Key_F1));
    help->trigger();

    ASSERT_EQ(browser.opened.size(), 1);
    const QUrl url = browser.opened.front();
    ASSERT_TRUE(url.isLocalFile()) << url.toString().toStdString();
    const QString page = url.toLocalFile();
    EXPECT_TRUE(page.endsWith(QStringLiteral("/share/brevane/aide/index.html")))
        << page.toStdString();
    EXPECT_TRUE(QFileInfo(page).isFile()) << page.toStdString() << " does not exist";
    // The pages this build copied beside the program, not some other copy.
    const QString buildDir = qEnvironmentVariable("BREVANE_BUILD_DIR");
    if (!buildDir.isEmpty()) {
        EXPECT_EQ(QFileInfo(page).canonicalFilePath(),
                  QFileInfo(buildDir + QStringLiteral("/share/brevane/aide/index.html"))
                      .canonicalFilePath());
    }
    // The same page as the one the help command looks up for this program.
    EXPECT_EQ(page, HelpIndexPath(QCoreApplication::applicationDirPath()));

    QFile index(page);
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    const QByteArray text = index.readAll();
    EXPECT_TRUE(text.contains("lang=\"fr\"")) << "the help index is not the French page";
    EXPECT_TRUE(text.contains("<title>"));
}

// Without a browser (the test platform has none to ask) the angler is told where the pages are.
TEST_F(HelpCommandTest, WithoutABrowserSaysWhereTheHelpPagesAre) {
    std::unique_ptr<CMainFrame> frame = CreateMainWindow(Db());
    MenuItem(*frame, QStringLiteral("&?"), QStringLiteral("&Aide..."))->trigger();
    ASSERT_EQ(Messages().shown.size(), 1u);
    const QString folder = QFileInfo(HelpIndexPath(QCoreApplication::applicationDirPath())).path();
    EXPECT_TRUE(Messages().shown[0].text.contains(folder))
        << Messages().shown[0].text.toStdString();
    EXPECT_TRUE(Messages().shown[0].text.startsWith(QStringLiteral("Aucun programme")));
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Exclamation);
}

TEST(HelpIndexPath, FindsTheInstalledPagesFromTheBinFolder) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString bin = prefix.path() + QStringLiteral("/bin");
    ASSERT_TRUE(QDir().mkpath(bin));
    const QString installed = prefix.path() + QStringLiteral("/share/brevane/aide/index.html");

    // Nothing installed yet: the path beside the program, which the browser reports missing.
    EXPECT_EQ(HelpIndexPath(bin), bin + QStringLiteral("/share/brevane/aide/index.html"));

    // <prefix>/bin/brevane with <prefix>/share/brevane/aide/index.html.
    WriteFile(installed);
    EXPECT_EQ(HelpIndexPath(bin), installed);
    // A trailing separator, as some callers give folders, changes nothing.
    EXPECT_EQ(HelpIndexPath(bin + QStringLiteral("/")), installed);

    // A folder named index.html is not a page.
    QTemporaryDir other;
    const QString otherBin = other.path() + QStringLiteral("/bin");
    ASSERT_TRUE(QDir().mkpath(otherBin));
    ASSERT_TRUE(QDir().mkpath(other.path() + QStringLiteral("/share/brevane/aide/index.html")));
    EXPECT_NE(HelpIndexPath(otherBin),
              other.path() + QStringLiteral("/share/brevane/aide/index.html"));
}

#include "test_help_page.moc"
