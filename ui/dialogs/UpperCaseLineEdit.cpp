#include "ui/dialogs/UpperCaseLineEdit.h"

#include <QValidator>

#include "catalog/UserTextChecks.h"

namespace {

// Rewrites the input in capitals before the edit takes it. A capital can be longer than its
// small letter ("ß" gives "SS"), so the result is cut back to the edit's limit without
// splitting a surrogate pair.
class UpperCaseValidator : public QValidator {
public:
    UpperCaseValidator(QLineEdit& edit) : QValidator(&edit), m_edit(edit) {}

    State validate(QString& input, int& pos) const override {
        QString upper = input.toUpper();
        const int limit = m_edit.maxLength();
        if (upper.size() > limit) {
            qsizetype cut = limit;
            if (cut > 0 && upper.at(cut - 1).isHighSurrogate()) --cut;
            upper.truncate(cut);
        }
        // QLineEdit cuts a paste at its limit before asking: it may have kept half of one.
        input = WithoutHalfCharacters(upper);
        if (pos > input.size()) pos = static_cast<int>(input.size());
        return Acceptable;
    }

private:
    QLineEdit& m_edit;
};

}  // namespace

CUpperCaseLineEdit::CUpperCaseLineEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new UpperCaseValidator(*this));
}
