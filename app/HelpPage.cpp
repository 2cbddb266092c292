#include "app/HelpPage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {
const QString kHelpIndex = QStringLiteral("share/brevane/aide/index.html");

// A page the browser can show: a folder that happens to bear the name is not one.
bool IsPage(const QString& path) { return QFileInfo(path).isFile(); }
}  // namespace

QString HelpIndexPath(const QString& exeDir) {
    const QDir dir(exeDir);
    const QString beside = dir.absoluteFilePath(kHelpIndex);
    if (IsPage(beside)) return beside;
    const QString installed =
        QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("../") + kHelpIndex));
    if (IsPage(installed)) return installed;
#ifdef BREVANE_INSTALL_DATADIR
    const QString configured = QStringLiteral(BREVANE_INSTALL_DATADIR "/aide/index.html");
    if (IsPage(configured)) return configured;
#endif
    return beside;
}

void ShowHelp() {
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(HelpIndexPath(QCoreApplication::applicationDirPath())));
}
