#pragma once

#include "db/UserMessages.h"

// The program's message boxes: captioned "Brevane", questions titled "Attention" with "Oui"
// and "Non". Each box is modal over the active window.
class CQtUserMessages : public IUserMessages {
public:
    void ShowMessage(const QString& text, MessageIcon icon) override;
    bool AskYesNo(const QString& text) override;
};
