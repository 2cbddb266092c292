#include "app/startup/HelpPage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {
const QString kHelpIndex = QStringLiteral("share/brevane/aide/index.html");
}  // namespace

QString HelpIndexPath(const QString& exeDir) {
    const QDir dir(exeDir);
    const QString beside = dir.absoluteFilePath(kHelpIndex);
    if (QFileInfo::exists(beside)) return beside;
    const QString installed =
        QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("../") + kHelpIndex));
    if (QFileInfo::exists(installed)) return installed;
#ifdef BREVANE_INSTALL_DATADIR
    const QString configured = QStringLiteral(BREVANE_INSTALL_DATADIR "/aide/index.html");
    if (QFileInfo::exists(configured)) return configured;
#endif
    return beside;
}

void ShowHelp() {
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(HelpIndexPath(QCoreApplication::applicationDirPath())));
}
