#include "app/HelpPage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "db/UserMessages.h"

namespace {
const QString kHelpIndex = QStringLiteral("share/brevane/aide/index.html");

// A page the browser can show: a folder that happens to bear the name is not one.
bool IsPage(const QString& path) { return QFileInfo(path).isFile(); }
}  // namespace

QString HelpIndexPath(const QString& exeDir) {
    const QDir dir(exeDir);
    QString beside = dir.absoluteFilePath(kHelpIndex);
    if (IsPage(beside)) return beside;
    QString installed = QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("../") + kHelpIndex));
    if (IsPage(installed)) return installed;
#ifdef BREVANE_INSTALL_DATADIR
    QString configured = QStringLiteral(BREVANE_INSTALL_DATADIR "/aide/index.html");
    if (IsPage(configured)) return configured;
#endif
    return beside;
}

QString HelpNotOpenedMessage(const QString& indexPath) {
    const QString folder = QDir::toNativeSeparators(QFileInfo(indexPath).absolutePath());
    return QString::fromUtf8(
               "Aucun programme permettant d'ouvrir les pages d'aide n'a été trouvé.\n\n"
               "Les pages d'aide se trouvent dans le dossier :\n%1\n\n"
               "Ouvrez le fichier index.html avec un navigateur internet.")
        .arg(folder);
}

void ShowHelp() {
    const QString index = HelpIndexPath(QCoreApplication::applicationDirPath());
    // Without a browser or a desktop to ask, the request fails without a trace: the angler
    // is told where the pages are instead.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(index)))
        ShowMessage(HelpNotOpenedMessage(index), MessageIcon::Exclamation);
}
