#include "app/BrevaneApp.h"

#include <QIcon>
#include <QListWidget>
#include <QLocale>

#include "app/FirstPaintQuit.h"
#include "app/MainWindow.h"
#include "app/QtTranslations.h"
#include "app/QtUserMessages.h"
#include "catalog/CatchDatabase.h"
#include "store/AppHelpers.h"
#include "store/CatchLogOpener.h"
#include "store/CleanClose.h"
#include "store/DataFolder.h"
#include "store/InstanceLock.h"
#include "ui/view/BrevaneView.h"
#include "widgets/MainFrame.h"

namespace {
// For the start-up benchmark and scripted runs: leave the event loop once the window with the
// first catch sheet has been painted.
const QString kQuitAfterFirstSheet = QStringLiteral("--quit-after-first-sheet");
}  // namespace

CBrevaneApp::CBrevaneApp(int& argc, char** argv)
    : QApplication(argc, argv),
      m_messages(std::make_unique<CQtUserMessages>()),
      m_instanceLock(std::make_unique<CInstanceLock>()) {
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
    m_quitAfterFirstSheet = arguments.contains(kQuitAfterFirstSheet);
    // A benchmark or scripted run has nobody to close a message box: its messages go to
    // standard error (the default sink), so a failed start ends instead of waiting.
    if (m_quitAfterFirstSheet) SetUserMessages(nullptr);

    const QString dataDir = PrepareDataFolder(arguments, QCoreApplication::applicationDirPath());
    if (dataDir.isEmpty()) return false;
    // A second window on the same folder ends here, before it touches the catch log.
    if (!TakeInstanceLock(*m_instanceLock, dataDir)) return false;
    // Created before connecting, so that the exit sequence finds it whatever happens.
    m_pDatabase = std::make_unique<CCatchDatabase>();
    if (!OpenCatchLog(*m_pDatabase, dataDir)) return false;

    CreateMainWindow();
    return true;
}

void CBrevaneApp::LoadTranslations() { InstallQtFrenchTranslations(*this); }

void CBrevaneApp::CreateMainWindow() {
    m_frame = ::CreateMainWindow(*m_pDatabase);
    m_view = &ViewOf(*m_frame);
    PlaceMainWindow(*m_frame);
    // The view fills its list and shows the first catch while it is first shown.
    if (m_quitAfterFirstSheet) new CFirstPaintQuit(m_view->NavigationList().viewport());
    m_frame->show();
}

void CBrevaneApp::ExitInstance() {
    // The windows go first: nothing may reach the database once it is disconnected.
    m_view = nullptr;
    m_frame.reset();
    if (m_pDatabase) {
        // Recorded once the file is released, so that the next start may skip the whole-file
        // check of an untouched log.
        if (m_pDatabase->IsConnected() && m_pDatabase->Disconnect() &&
            m_pDatabase->LastReturnCode() == 0)
            RecordCleanClose(GetProgramDirectory() + QStringLiteral("brevane.db"));
        m_pDatabase.reset();
    }
    // Only once the log is closed may another Brevane open it.
    m_instanceLock->Release();
}
