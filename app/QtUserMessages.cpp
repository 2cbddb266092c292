#include "app/QtUserMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::None:
            return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}
}  // namespace

void CQtUserMessages::ShowMessage(const QString& text, MessageIcon icon) {
    QMessageBox box(BoxIcon(icon), QStringLiteral("Brevane"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setAccessibleName(QStringLiteral("Brevane"));
    box.exec();
}

bool CQtUserMessages::AskYesNo(const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Attention"), text,
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setAccessibleName(QStringLiteral("Attention"));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Non"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}
