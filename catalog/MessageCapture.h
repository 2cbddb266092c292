#pragma once

#include <QString>

#include "db/UserMessages.h"

// Holds back the messages of the program's own checks for the life of the object, keeping the
// last one: a check run over a whole file reports its refusal with the line it is on, once.
class CMessageCapture : public IUserMessages {
public:
    CMessageCapture() : m_previous(&UserMessages()) { SetUserMessages(this); }
    ~CMessageCapture() override { SetUserMessages(m_previous); }
    CMessageCapture(const CMessageCapture&) = delete;
    CMessageCapture& operator=(const CMessageCapture&) = delete;

    void ShowMessage(const QString& text, MessageIcon) override { m_last = text; }
    bool AskYesNo(const QString& text) override {
        m_last = text;
        return false;
    }
    QString Last() const { return m_last; }

private:
    IUserMessages* m_previous;
    QString m_last;
};
