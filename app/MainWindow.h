#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <memory>

class CBrevaneView;
class CCatchDatabase;
class CMainFrame;

// The title of the main window: the document title, then the application title.
inline constexpr char kMainWindowTitle[] = "La pêche et ses poissons ... - Brevane";

// The title for a log: the personal one, or the shared log of that data source.
QString MainWindowTitle(const QString& sharedLog);

// The main frame with the view as its central widget, its title set and its commands routed.
std::unique_ptr<CMainFrame> CreateMainWindow(CCatchDatabase& db);
// The view inside a frame made by CreateMainWindow.
CBrevaneView& ViewOf(CMainFrame& frame);
// Gives the frame 800 x 600 pixels, centred on its screen.
void PlaceMainWindow(CMainFrame& frame);

// Sends every menu and toolbar command of the frame where it belongs: categories, preferences
// and album commands to the view; about, help and quit to the application's own handlers.
void RouteFrameCommands(CMainFrame& frame, CBrevaneView& view);

// Top-left corner of a window centred on a screen; a screen smaller than the window gives a
// negative position.
QPoint CenteredWindowPosition(const QSize& screen, const QSize& window);
