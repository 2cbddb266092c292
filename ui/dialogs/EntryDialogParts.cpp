#include "ui/dialogs/EntryDialogParts.h"

#include <QBoxLayout>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

QString AccessibleLabel(const QString& label) {
    QString text = label.trimmed();
    if (text.endsWith(u':')) text.chop(1);
    return text.trimmed();
}

void NameControl(QWidget& control, const char* objectName, const QString& label) {
    control.setObjectName(QString::fromLatin1(objectName));
    control.setAccessibleName(AccessibleLabel(label));
}

QLabel* NewFieldLabel(const QString& text, QWidget& control, const char* objectName) {
    auto* label = new QLabel(text);
    label->setBuddy(&control);
    if (control.accessibleName().isEmpty()) control.setAccessibleName(AccessibleLabel(text));
    if (objectName != nullptr) label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

QPushButton* NewEllipsisButton(const char* objectName, const QString& accessibleName) {
    auto* button = new QPushButton(QStringLiteral("..."));
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAccessibleName(accessibleName);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 16);
    return button;
}

DialogButtonPair AddDialogButtons(QDialog& dialog, QBoxLayout& row, const QString& okText,
                                  const char* okObjectName, bool leadingStretch) {
    DialogButtonPair pair;
    pair.ok = new QPushButton(okText);
    NameControl(*pair.ok, okObjectName, okText);
    pair.ok->setDefault(true);
    pair.cancel = new QPushButton(QStringLiteral("Annuler"));
    NameControl(*pair.cancel, "cancelButton", QStringLiteral("Annuler"));
    if (leadingStretch) row.addStretch(1);
    row.addWidget(pair.ok);
    row.addWidget(pair.cancel);
    QObject::connect(pair.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(pair.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return pair;
}
