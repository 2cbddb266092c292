#pragma once

#include <QString>

// The message boxes of the program, reached through one small interface so that the data
// layer never depends on Qt Widgets. The application registers a QMessageBox implementation;
// tests register one that records what was shown and answers questions as told.
enum class MessageIcon {
    Stop,         // database errors, failed start-up steps, refusals with the stop icon
    Exclamation,  // required fields and selections
    None,         // the plain OK box of the data operations' refusals
};

class IUserMessages {
public:
    virtual ~IUserMessages() = default;
    // A box with an OK button, captioned "Brevane". Modal: returns once it is closed.
    virtual void ShowMessage(const QString& text, MessageIcon icon) = 0;
    // A question titled "Attention" with Yes and No and the question icon; true for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
};

// Registers the sink (not owned). Without one, messages go to standard error and
// questions are answered No.
void SetUserMessages(IUserMessages* sink);
IUserMessages& UserMessages();

inline void ShowMessage(const QString& text, MessageIcon icon) {
    UserMessages().ShowMessage(text, icon);
}
inline bool AskYesNo(const QString& text) { return UserMessages().AskYesNo(text); }
