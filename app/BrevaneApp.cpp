#include "app/BrevaneApp.h"

#include <QIcon>
#include <QLocale>
#include <QTimer>

#include "store/CatchLogOpener.h"
#include "store/DataFolder.h"
#include "store/InstanceLock.h"
#include "app/MainWindow.h"
#include "app/QtTranslations.h"
#include "app/QtUserMessages.h"
#include "catalog/CatchDatabase.h"
#include "widgets/MainFrame.h"

namespace {
// For the start-up benchmark and scripted runs: leave the event loop once the first catch
// sheet is on screen.
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
    m_frame->show();
    if (m_quitAfterFirstSheet) QTimer::singleShot(0, this, &QCoreApplication::quit);
}

void CBrevaneApp::ExitInstance() {
    // The windows go first: nothing may reach the database once it is disconnected.
    m_view = nullptr;
    m_frame.reset();
    if (m_pDatabase) {
        if (m_pDatabase->IsConnected()) m_pDatabase->Disconnect();
        m_pDatabase.reset();
    }
    // Only once the log is closed may another Brevane open it.
    m_instanceLock->Release();
}
