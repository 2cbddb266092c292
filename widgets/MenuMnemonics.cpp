#include "widgets/MenuMnemonics.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

CMenuMnemonicFilter::CMenuMnemonicFilter(QObject* parent) : QObject(parent) {}

void CMenuMnemonicFilter::Watch(QMenu* menu) { menu->installEventFilter(this); }

QAction* CMenuMnemonicFilter::FindMnemonicAction(const QMenu& menu, const QString& typed) {
    if (typed.isEmpty()) return nullptr;
    const QString pair = "&" + typed.toLower();
    for (QAction* action : menu.actions()) {
        if (action->isSeparator() || !action->isVisible() || !action->isEnabled()) continue;
        if (action->text().toLower().contains(pair)) return action;
    }
    return nullptr;
}

bool CMenuMnemonicFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    const QString typed = key->text();
    if (typed.size() != 1 || !typed.at(0).isPrint() || typed.at(0).isSpace()) return false;
    QAction* action = FindMnemonicAction(*menu, typed);
    if (!action) return false;
    // Made current and confirmed as with the Return key, so that the menu itself closes
    // the whole chain of popups and runs the command (or opens a sub-popup).
    menu->setActiveAction(action);
    QKeyEvent confirm(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &confirm);
    return true;
}
