#pragma once

#include <QLineEdit>

// A line edit that turns letters into capitals as they are typed or pasted: catalogue and
// album names are kept in capitals.
class CUpperCaseLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CUpperCaseLineEdit(QWidget* parent = nullptr);
};
