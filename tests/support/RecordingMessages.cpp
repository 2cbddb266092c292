#include "tests/support/RecordingMessages.h"

void RecordingMessages::ShowMessage(const QString& text, MessageIcon icon) {
    shown.push_back({text, icon});
}

bool RecordingMessages::AskYesNo(const QString& text) {
    questions.append(text);
    return answerYes;
}

QStringList RecordingMessages::Texts() const {
    QStringList texts;
    for (const Shown& s : shown) texts.append(s.text);
    return texts;
}

void RecordingMessages::Clear() {
    shown.clear();
    questions.clear();
}
