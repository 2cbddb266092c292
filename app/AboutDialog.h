#pragma once

#include <QDialog>

// "A propos de Brevane": the program's picture, its version and "OK".
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};
