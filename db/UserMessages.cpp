#include "db/UserMessages.h"

#include <cstdio>

namespace {

// Used until the application (or a test) registers its own sink: the message is not lost,
// and a question never gets a Yes nobody gave.
class StandardErrorMessages : public IUserMessages {
public:
    void ShowMessage(const QString& text, MessageIcon) override {
        std::fprintf(stderr, "Brevane: %s\n", text.toUtf8().constData());
    }
    bool AskYesNo(const QString& text) override {
        std::fprintf(stderr, "Brevane (Attention): %s -> Non\n", text.toUtf8().constData());
        return false;
    }
};

StandardErrorMessages g_standardError;
IUserMessages* g_sink = nullptr;

}  // namespace

void SetUserMessages(IUserMessages* sink) { g_sink = sink; }

IUserMessages& UserMessages() { return g_sink != nullptr ? *g_sink : g_standardError; }
