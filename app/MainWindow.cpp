#include "app/MainWindow.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>

#include "app/AboutDialog.h"
#include "app/HelpPage.h"
#include "ui/view/BrevaneView.h"
#include "ui/view/CategoryTable.h"
#include "ui/view/LogTransferCommands.h"
#include "ui/view/ServerCopyCommand.h"
#include "widgets/CommandIds.h"
#include "widgets/MainFrame.h"

namespace {
void RunCommand(int commandId, CMainFrame& frame, CBrevaneView& view) {
    if (const CategoryInfo* category = CategoryForCommand(commandId)) {
        view.SetCategory(category->kind);
        return;
    }
    if (RunLogTransferCommand(commandId, &frame, view.Database(), view)) return;
    switch (commandId) {
        case CommandId::Refresh:
            view.RefreshIfChanged();
            break;
        case CommandId::CopyToServer:
            CopyLogToServerCommand(&frame, view.Database());
            break;
        case CommandId::Preferences:
            view.OnPreferences();
            break;
        case CommandId::AlbumAdd:
        case CommandId::AlbumModify:
        case CommandId::AlbumDelete:
            view.OnAlbumCommand(commandId);
            break;
        case CommandId::About: {
            CAboutDialog about(&frame);
            about.exec();
            break;
        }
        case CommandId::Help:
            ShowHelp();
            break;
        case CommandId::Quit:
            frame.close();
            break;
        default:
            break;
    }
}
// Another member or program may have changed the log while the angler was elsewhere: each
// time the window comes back to the front, the view looks at the log's change number.
class CRefreshOnActivation : public QObject {
public:
    CRefreshOnActivation(CMainFrame& frame, CBrevaneView& view) : QObject(&frame), m_view(view) {
        frame.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Not under an open dialog: it may be working on the rows the list shows.
        if (event->type() == QEvent::WindowActivate && !QApplication::activeModalWidget())
            m_view.RefreshIfChanged();
        return QObject::eventFilter(watched, event);
    }

private:
    CBrevaneView& m_view;
};

}  // namespace

void RouteFrameCommands(CMainFrame& frame, CBrevaneView& view) {
    QObject::connect(&frame, &CMainFrame::commandTriggered, &view,
                     [&frame, &view](int commandId) { RunCommand(commandId, frame, view); });
}

QPoint CenteredWindowPosition(const QSize& screen, const QSize& window) {
    // Integer division that truncates toward zero, as the placement always did.
    return QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
}

QString MainWindowTitle(const QString& sharedLog) {
    QString title = QString::fromUtf8(kMainWindowTitle);
    if (sharedLog.isEmpty()) return title;
    // The document title names which log the angler is writing to.
    const qsizetype application = title.lastIndexOf(QStringLiteral(" - "));
    return title.left(application) + QStringLiteral(" - carnet partagé ") + sharedLog +
           title.mid(application);
}

std::unique_ptr<CMainFrame> CreateMainWindow(CCatchDatabase& db) {
    auto frame = std::make_unique<CMainFrame>();
    frame->setWindowTitle(QString::fromUtf8(kMainWindowTitle));
    auto* view = new CBrevaneView(db, frame.get());
    frame->setCentralWidget(view);
    RouteFrameCommands(*frame, *view);
    new CRefreshOnActivation(*frame, *view);
    return frame;
}

CBrevaneView& ViewOf(CMainFrame& frame) {
    return *static_cast<CBrevaneView*>(frame.centralWidget());
}

void PlaceMainWindow(CMainFrame& frame) {
    const QSize windowSize(800, 600);
    frame.resize(windowSize);
    const QScreen* screen = frame.screen() ? frame.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    frame.move(area.topLeft() + CenteredWindowPosition(area.size(), windowSize));
}
