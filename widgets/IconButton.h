#pragma once

#include <QIcon>
#include <QPushButton>

// A push button drawing a 32 x 32 icon at the left and a bold caption in the rest.
class CIconButton : public QPushButton {
    Q_OBJECT
public:
    explicit CIconButton(const QString& caption, QWidget* parent = nullptr);
    void SetIcon(const QIcon& icon);  // also makes the caption bold
};
