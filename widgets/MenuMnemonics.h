#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;

// Mnemonic keys inside the program's popup menus: the key, lower-cased and prefixed with
// "&", is looked for in the lower-cased item texts, and the first item that contains it is
// run at once, even when several items share the letter ("p" in "&Configuration" runs
// "Les &poissons", not "&Préférences"). Without a match the menu handles the key itself.
class CMenuMnemonicFilter : public QObject {
    Q_OBJECT
public:
    explicit CMenuMnemonicFilter(QObject* parent = nullptr);
    // Watches this popup (not its sub-popups: install on each).
    void Watch(QMenu* menu);

    // The item a typed text runs in this popup, or null.
    static QAction* FindMnemonicAction(const QMenu& menu, const QString& typed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
