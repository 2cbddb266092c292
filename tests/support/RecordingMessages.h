#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "db/UserMessages.h"

// Records every message the program shows and answers questions as told.
class RecordingMessages : public IUserMessages {
public:
    struct Shown {
        QString text;
        MessageIcon icon;
    };

    void ShowMessage(const QString& text, MessageIcon icon) override;
    bool AskYesNo(const QString& text) override;

    std::vector<Shown> shown;
    QStringList questions;
    bool answerYes = true;

    QStringList Texts() const;
    void Clear();
};
