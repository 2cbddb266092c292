#include "store/DataFolderName.h"

#include "store/DataSource.h"

namespace {

QString Refusal(const QString& folder, const QString& why) {
    return QStringLiteral(
               "Le dossier de données « %1 » ne peut pas être utilisé : %2\n"
               "Choisissez un autre dossier avec l'option --data-dir.")
        .arg(folder, why);
}

}  // namespace

QString DataFolderNameProblem(const QString& folder) {
    // Bytes that are not UTF-8 come out of the command line or the environment as U+FFFD; the
    // folder written back would be another one.
    if (folder.contains(QChar::ReplacementCharacter))
        return Refusal(folder, QStringLiteral("son nom n'est pas un texte UTF-8 valide."));
    if (folder.contains(u'\n') || folder.contains(u'\r'))
        return Refusal(folder, QStringLiteral("son nom contient un retour à la ligne."));
    if (const QString problem = DriverPathProblem(folder + QStringLiteral("brevane.db"));
        !problem.isEmpty())
        return Refusal(folder, problem);
    return {};
}

QString NoHomeMessage() {
    return QStringLiteral(
        "La variable d'environnement HOME n'est pas définie : Brevane ne sait pas où ranger "
        "votre carnet de prises.\nIndiquez un dossier de données avec l'option --data-dir.");
}
