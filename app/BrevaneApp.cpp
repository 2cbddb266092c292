#include "app/BrevaneApp.h"

#include <QFileInfo>
#include <QIcon>
#include <QLocale>

#include "app/FirstPaintQuit.h"
#include "app/MainWindow.h"
#include "app/QtTranslations.h"
#include "app/QtUserMessages.h"
#include "app/StartBackup.h"
#include "catalog/CatchDatabase.h"
#include "db/DataSources.h"
#include "db/UserMessages.h"
#include "store/AppHelpers.h"
#include "store/CatchLogOpener.h"
#include "store/CleanClose.h"
#include "store/CommandLine.h"
#include "store/DataFolder.h"
#include "store/InstanceLock.h"
#include "store/ProgramDirectoryScope.h"
#include "ui/dialogs/SharedLogDialog.h"
#include "ui/view/BrevaneView.h"
#include "widgets/CommandIds.h"
#include "widgets/MainFrame.h"
#include "widgets/NavigationList.h"

CBrevaneApp::CBrevaneApp(int& argc, char** argv, const CCommandLine& commandLine)
    : QApplication(argc, argv),
      m_commandLine(commandLine),
      m_messages(std::make_unique<CQtUserMessages>()),
      m_instanceLock(std::make_unique<CInstanceLock>()),
      m_startBackup(std::make_unique<CStartBackup>()) {
    setApplicationName(QStringLiteral("Brevane"));
    // Lets the desktop match the window with its launcher and icon.
    setDesktopFileName(QStringLiteral("org.brevane.Brevane"));
    setWindowIcon(QIcon(QStringLiteral(":/brevane.svg")));
    SetUserMessages(m_messages.get());
}

CBrevaneApp::~CBrevaneApp() {
    ExitInstance();
    SetUserMessages(nullptr);
}

int CBrevaneApp::Run() {
    int code = 1;
    if (InitInstance()) code = exec();
    ExitInstance();
    return code;
}

bool CBrevaneApp::InitInstance() {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    LoadTranslations();
    const QStringList arguments = QCoreApplication::arguments();
    // For the start-up benchmark and scripted runs: leave the event loop once the first catch
    // sheet is on screen.
    m_quitAfterFirstSheet = m_commandLine.IsSet(CommandLineOption::kQuitAfterFirstSheet);
    // A benchmark or scripted run has nobody to close a message box: its messages go to
    // standard error (the default sink), so a failed start ends instead of waiting.
    if (m_quitAfterFirstSheet) SetUserMessages(nullptr);

    const QString dataDir = PrepareDataFolder(arguments, QCoreApplication::applicationDirPath());
    if (dataDir.isEmpty()) return false;
    m_sharedLog = m_commandLine.Value(CommandLineOption::kDsn);
    if (!m_sharedLog.isEmpty()) return OpenSharedLog(dataDir);
    // The lock file is removed at each clean exit: found here, it was left by a run that
    // ended without closing the log.
    const bool previousRunUnclean = QFileInfo::exists(InstanceLockPath(dataDir));
    // A second window on the same folder ends here, before it touches the catch log.
    if (!TakeInstanceLock(*m_instanceLock, dataDir)) return false;
    // Created before connecting, so that the exit sequence finds it whatever happens.
    m_pDatabase = std::make_unique<CCatchDatabase>();
    if (!OpenCatchLog(*m_pDatabase, dataDir)) return false;
    m_dataDir = dataDir;
    if (previousRunUnclean && m_instanceLock->IsHeld()) m_startBackup->Start(*m_pDatabase, dataDir);

    CreateMainWindow();
    return true;
}

// Several members work on a server log at once: no single-window lock, no file of its own to
// back up or to record as cleanly closed.
bool CBrevaneApp::OpenSharedLog(const QString& pictureDir) {
    m_pDatabase = std::make_unique<CCatchDatabase>();
    if (!OpenSharedCatchLog(*m_pDatabase, pictureDir, m_sharedLog)) return false;
    m_dataDir = pictureDir;
    CreateMainWindow();
    return true;
}

void CBrevaneApp::LoadTranslations() { InstallQtFrenchTranslations(*this); }

void CBrevaneApp::CreateMainWindow() {
    m_frame = ::CreateMainWindow(*m_pDatabase);
    m_frame->setWindowTitle(MainWindowTitle(m_sharedLog));
    m_view = &ViewOf(*m_frame);
    PlaceMainWindow(*m_frame);
    // The view fills its list and shows the first catch while it is first shown.
    if (m_quitAfterFirstSheet) new CFirstPaintQuit(m_view->NavigationList().viewport());
    // Queued: the window this command came from is replaced once its menu has closed.
    connect(
        m_frame.get(), &CMainFrame::commandTriggered, this,
        [this](int commandId) {
            if (commandId == CommandId::OpenSharedLog) ChooseSharedLog();
        },
        Qt::QueuedConnection);
    m_frame->show();
}

void CBrevaneApp::ChooseSharedLog() {
    if (!m_frame) return;
    const QString executableFolder = applicationDirPath();
    QString dsn;
    QString pictureDir;
    {
        // A child of the window: gone before the window is replaced.
        CSharedLogDialog dialog(
            ListDataSources(), QStringLiteral("Ouvrir un carnet partagé"), QStringLiteral("Ouvrir"),
            [executableFolder](const QString& name) {
                return ChooseDataFolder(SharedLogArguments(name), executableFolder);
            },
            m_frame.get());
        if (dialog.exec() != QDialog::Accepted) return;
        dsn = dialog.DataSourceName();
        pictureDir = dialog.PictureFolder();
    }
    ReopenOnSharedLog(dsn, pictureDir);
}

// In this process rather than a new one: the chosen log is opened before anything of the open
// one is closed, so a log that cannot be opened leaves the window as it was.
void CBrevaneApp::ReopenOnSharedLog(const QString& dsn, const QString& pictureDir) {
    CProgramDirectoryScope keepFolder;
    auto chosen = std::make_unique<CCatchDatabase>();
    const QString folder = OpenSharedLogAsAtStart(*chosen, dsn, pictureDir, applicationDirPath());
    if (folder.isEmpty()) {
        ShowMessage(QStringLiteral("Le carnet partagé %1 n'a pas pu être ouvert : le carnet "
                                   "actuel reste ouvert.")
                        .arg(dsn),
                    MessageIcon::Exclamation);
        return;
    }
    const QString openedFolder = GetProgramDirectory();
    {
        // The log left behind closes in its own folder (backup, clean-close record).
        CProgramDirectoryScope closingFolder;
        SetProgramDirectory(m_dataDir);
        CloseLog();
    }
    keepFolder.Keep();
    SetProgramDirectory(openedFolder);
    m_pDatabase = std::move(chosen);
    m_sharedLog = dsn;
    m_dataDir = folder;
    CreateMainWindow();
}

void CBrevaneApp::CloseLog() {
    // The windows go first: nothing may reach the database once it is disconnected.
    m_view = nullptr;
    m_frame.reset();
    // The start backup reads the log through its own connection: it ends before the log closes.
    m_startBackup->Wait();
    if (m_pDatabase) {
        // A measuring run only shows the first sheet: it has nothing new to keep.
        if (m_pDatabase->IsConnected() && m_instanceLock->IsHeld() && !m_quitAfterFirstSheet)
            BackUpNow(*m_pDatabase, m_dataDir);
        // Recorded once the file is released, so that the next start may skip the whole-file
        // check of an untouched log.
        if (m_sharedLog.isEmpty() && m_pDatabase->IsConnected() && m_pDatabase->Disconnect() &&
            m_pDatabase->LastReturnCode() == 0)
            RecordCleanClose(GetProgramDirectory() + QStringLiteral("brevane.db"));
        m_pDatabase.reset();
    }
    // Only once the log is closed may another Brevane open it.
    m_instanceLock->Release();
}

void CBrevaneApp::ExitInstance() { CloseLog(); }
