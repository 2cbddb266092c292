#pragma once

#include <QApplication>
#include <memory>

class CCatchDatabase;
class CCommandLine;
class CInstanceLock;
class CMainFrame;
class CBrevaneView;
class CQtUserMessages;
class CStartBackup;

// The application object: opens the catch log of the data folder, builds the main window and
// runs the event loop; at exit the window goes first, then the database is disconnected.
class CBrevaneApp : public QApplication {
    Q_OBJECT
public:
    // The command line has already been read and accepted; it outlives the application.
    CBrevaneApp(int& argc, char** argv, const CCommandLine& commandLine);
    ~CBrevaneApp() override;

    // The whole run: start-up, event loop, exit. The process exit code (1 when the catch log
    // could not be opened).
    int Run();

private:
    bool InitInstance();
    void ExitInstance();
    void LoadTranslations();
    void CreateMainWindow();
    bool OpenSharedLog(const QString& pictureDir);
    // "Ouvrir un carnet partagé...": the dialog, then the window made anew on the chosen log;
    // the open log stays when the chosen one cannot be opened.
    void ChooseSharedLog();
    void ReopenOnSharedLog(const QString& dsn, const QString& pictureDir);
    // The window, then the open log, closed as at exit.
    void CloseLog();

    const CCommandLine& m_commandLine;
    std::unique_ptr<CQtUserMessages> m_messages;
    // The data folder's lock, held from before the catch log is opened until it is closed.
    std::unique_ptr<CInstanceLock> m_instanceLock;
    std::unique_ptr<CStartBackup> m_startBackup;
    std::unique_ptr<CCatchDatabase> m_pDatabase;
    std::unique_ptr<CMainFrame> m_frame;
    CBrevaneView* m_view = nullptr;
    bool m_quitAfterFirstSheet = false;
    QString m_dataDir;    // of the open log, ending with "/"
    QString m_sharedLog;  // the data source of a shared log; "" for the personal log
};
