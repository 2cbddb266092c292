#pragma once

#include <QHash>
#include <QMainWindow>

class QAction;
class QMenu;
class QToolBar;
class CMenuIconStyle;
class CMenuMnemonicFilter;

// The top-level window: menu bar with 32-pixel pictures, toolbar of 16 buttons, 800 x 600
// minimum. Every command is emitted as commandTriggered(id) (ids in CommandId); the
// application routes them to the view, the about box and the help page.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;
    QAction* Action(int commandId) const;
    QToolBar* ToolBar() const { return m_toolBar; }

signals:
    void commandTriggered(int commandId);

private:
    QAction* MakeAction(int commandId);
    QMenu* AddPopup(QWidget* owner, const QString& title);
    void BuildMenus();
    void BuildToolBar();

    QHash<int, QAction*> m_actions;
    QToolBar* m_toolBar = nullptr;
    CMenuIconStyle* m_menuStyle;
    CMenuMnemonicFilter* m_mnemonics;
};
