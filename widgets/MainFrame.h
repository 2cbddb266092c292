#pragma once

#include <QMainWindow>

class QAction;

// The top-level window: menu bar with 32-pixel pictures, toolbar of 15 buttons, 800 x 600
// minimum. Every command is emitted as commandTriggered(id) (ids in CommandId); the
// application routes them to the view, the about box and the help page.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    QAction* Action(int commandId) const;

signals:
    void commandTriggered(int commandId);
};
