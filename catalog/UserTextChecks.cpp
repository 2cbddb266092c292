#include "catalog/UserTextChecks.h"

#include "db/UserMessages.h"

int CharacterCount(const QString& text) {
    int count = 0;
    for (const QChar c : text) {
        if (!c.isLowSurrogate()) ++count;
    }
    return count;
}

namespace {

// Half of a character of two UTF-16 units (a paste cut at an edit's limit can leave one) has
// no UTF-8 form: written, it would come back as another character than the one shown.
bool HasHalfCharacter(const QString& text) { return WithoutHalfCharacters(text) != text; }

}  // namespace

QString WithoutHalfCharacters(const QString& text) {
    QString whole;
    whole.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            whole += c;
            whole += text.at(++i);
        } else if (!c.isSurrogate()) {
            whole += c;
        }
    }
    return whole;
}

bool CheckNoNul(const QString& text) {
    if (text.contains(QChar(0))) {
        ShowMessage(QStringLiteral("Le texte saisi contient un caractère nul : il ne peut pas "
                                   "être enregistré !"),
                    MessageIcon::Exclamation);
        return false;
    }
    if (HasHalfCharacter(text)) {
        ShowMessage(QStringLiteral("Le texte saisi contient un caractère incomplet : il ne peut "
                                   "pas être enregistré !"),
                    MessageIcon::Exclamation);
        return false;
    }
    return true;
}

bool CheckUserText(const QString& text, int maxChars, const QString& tooLongMessage) {
    if (!CheckNoNul(text)) return false;
    if (CharacterCount(text) <= maxChars) return true;
    ShowMessage(tooLongMessage, MessageIcon::Exclamation);
    return false;
}

bool CheckLabelText(const QString& label) {
    return CheckUserText(label, kLabelMaxChars,
                         QStringLiteral("Le libellé ne doit pas dépasser 50 caractères !"));
}

bool CheckPictureName(const QString& name) {
    return CheckUserText(name, kPictureMaxChars,
                         QStringLiteral("Le nom de l'image ne doit pas dépasser 255 caractères !"));
}

bool CheckGpsText(const QString& gps) {
    return CheckUserText(
        gps, kGpsMaxChars,
        QStringLiteral("Les coordonnées GPS ne doivent pas dépasser 20 caractères !"));
}
