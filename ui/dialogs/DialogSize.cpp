#include "ui/dialogs/DialogSize.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// Room kept around a dialog for the window manager's frame and title bar.
const QSize kWindowFrame(16, 48);

const char* const kBodyName = "dialogBody";

// The minimum the dialog needs to show its fields without scrolling: a scroll area asks for
// little room itself, so what its contents need is added back.
QSize NaturalMinimum(const QDialog& dialog) {
    QSize minimum = dialog.minimumSizeHint();
    const auto* body =
        dialog.findChild<QScrollArea*>(QString::fromLatin1(kBodyName), Qt::FindDirectChildrenOnly);
    if (body != nullptr && body->widget() != nullptr) {
        const QSize hidden = body->widget()->minimumSizeHint() - body->minimumSizeHint();
        minimum += hidden.expandedTo(QSize(0, 0));
    }
    return minimum;
}

}  // namespace

QSize DialogUnitsToPixels(const QFont& font, int w, int h) {
    const QFontMetrics metrics(font);
    return QSize(w * metrics.averageCharWidth() / 4, h * metrics.height() / 8);
}

QSize FitDialogSize(const QSize& wanted, const QSize& minimum, const QRect& available) {
    const QSize room = (available.size() - kWindowFrame).expandedTo(QSize(1, 1));
    return wanted.expandedTo(minimum).boundedTo(room);
}

void SetScrollableLayout(QDialog& dialog, QLayout* fields, QLayout* buttons) {
    auto* content = new QWidget;
    content->setLayout(fields);
    fields->setContentsMargins(0, 0, 0, 0);
    auto* body = new QScrollArea(&dialog);
    body->setObjectName(QString::fromLatin1(kBodyName));
    body->setWidgetResizable(true);
    body->setFrameShape(QFrame::NoFrame);
    // Tab goes from field to field; the area scrolls to the one that takes the focus.
    body->setFocusPolicy(Qt::NoFocus);
    body->setWidget(content);
    auto* main = new QVBoxLayout(&dialog);
    main->addWidget(body, 1);
    main->addLayout(buttons);
}

void ResizeToDialogUnits(QDialog& dialog, int w, int h) {
    const QScreen* screen = dialog.screen();
    const QRect available =
        screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    dialog.resize(
        FitDialogSize(DialogUnitsToPixels(dialog.font(), w, h), NaturalMinimum(dialog), available));
}
