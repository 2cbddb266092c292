#include "catalog/UserTextChecks.h"

#include "db/UserMessages.h"

int CharacterCount(const QString& text) {
    int count = 0;
    for (const QChar c : text) {
        if (!c.isLowSurrogate()) ++count;
    }
    return count;
}

bool CheckNoNul(const QString& text) {
    if (!text.contains(QChar(0))) return true;
    ShowMessage(QStringLiteral("Le texte saisi contient un caractère nul : il ne peut pas être "
                               "enregistré !"),
                MessageIcon::Exclamation);
    return false;
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
