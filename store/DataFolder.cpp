#include "store/DataFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "db/UserMessages.h"
#include "store/AppHelpers.h"
#include "store/CommandLine.h"
#include "store/DataFolderName.h"

#ifndef BREVANE_INSTALL_DATADIR
#define BREVANE_INSTALL_DATADIR "/usr/local/share/brevane"
#endif

namespace {

QString WithSlash(const QString& folder) {
    QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    return absolute.endsWith(u'/') ? absolute : absolute + u'/';
}

// "" when there is neither XDG_DATA_HOME nor HOME: the log is not put under "/".
QString UserDataFolder() {
    // A relative XDG_DATA_HOME is invalid and is ignored, as the XDG rules ask.
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) {
        const QString home = qEnvironmentVariable("HOME");
        if (home.isEmpty() || QDir::isRelativePath(home)) return {};
        base = home + QStringLiteral("/.local/share");
    }
    return base + QStringLiteral("/Brevane");
}

bool CopyMissingFile(const QString& source, const QString& target) {
    if (QFileInfo::exists(target)) return true;  // the angler's file stays as it is
    return QFile::copy(source, target);
}

}  // namespace

QString DataDirArgument(const QStringList& arguments) {
    CCommandLine commandLine;
    if (!commandLine.Parse(arguments)) return {};
    return commandLine.Value(CommandLineOption::kDataDir);
}

QString ChooseDataFolder(const QStringList& arguments, const QString& executableFolder) {
    const QString given = DataDirArgument(arguments);
    if (!given.isEmpty()) return WithSlash(given);
    CCommandLine commandLine;
    const QString dsn =
        commandLine.Parse(arguments) ? commandLine.Value(CommandLineOption::kDsn) : QString();
    if (!dsn.isEmpty()) {
        const QString user = UserDataFolder();
        if (user.isEmpty()) return {};
        QString folderName = dsn;
        folderName.replace(u'/', u'_');
        return WithSlash(user + QStringLiteral("/carnets/") + folderName);
    }
    if (!executableFolder.isEmpty() &&
        QFileInfo(QDir(executableFolder).filePath(QStringLiteral("brevane.db"))).isFile())
        return WithSlash(executableFolder);
    const QString user = UserDataFolder();
    return user.isEmpty() ? QString() : WithSlash(user);
}

QString FindDeliveredImages(const QString& executableFolder) {
    QStringList candidates;
    if (!executableFolder.isEmpty()) {
        const QDir exe(executableFolder);
        candidates << exe.filePath(QStringLiteral("share/brevane/images"));
        // <prefix>/bin/brevane reads <prefix>/share/brevane/images, wherever the install was
        // put: a copy installed under another prefix than the configured one still seeds
        // from its own tree.
        candidates << QDir::cleanPath(exe.filePath(QStringLiteral("../share/brevane/images")));
    }
    candidates << QStringLiteral(BREVANE_INSTALL_DATADIR "/images");
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isDir()) return WithSlash(candidate);
    return {};
}

bool SeedImages(const QString& deliveredImages, const QString& dataFolder) {
    const QString target = WithSlash(dataFolder) + QStringLiteral("images");
    if (!QDir().mkpath(target)) return false;
    if (deliveredImages.isEmpty()) return true;

    const QDir source(deliveredImages);
    bool complete = true;
    QDirIterator it(deliveredImages, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        // Placeholders that keep empty folders in the repository are not the angler's.
        if (info.fileName() == QLatin1String(".gitkeep")) continue;
        const QString destination = target + u'/' + source.relativeFilePath(path);
        if (info.isDir())
            complete = QDir().mkpath(destination) && complete;
        else
            complete = CopyMissingFile(path, destination) && complete;
    }
    return complete;
}

QString PrepareDataFolder(const QStringList& arguments, const QString& executableFolder) {
    QString folder = ChooseDataFolder(arguments, executableFolder);
    if (folder.isEmpty()) {
        ShowMessage(NoHomeMessage(), MessageIcon::Stop);
        return {};
    }
    // Refused before anything is made: a changed name would be a new, empty log elsewhere.
    if (const QString problem = DataFolderNameProblem(folder); !problem.isEmpty()) {
        ShowMessage(problem, MessageIcon::Stop);
        return {};
    }
    if (!QDir().mkpath(folder)) {
        ShowMessage(QStringLiteral("Impossible de créer le dossier de données ") + folder,
                    MessageIcon::Stop);
        return {};
    }
    // A missing picture of the delivered tree is not worth stopping for; a missing images/
    // folder is reported by the schema steps, which need it.
    SeedImages(FindDeliveredImages(executableFolder), folder);
    SetProgramDirectory(folder);
    return folder;
}

QStringList SharedLogArguments(const QString& dsn, const QString& pictureDir) {
    QStringList arguments = {QStringLiteral("brevane"), QStringLiteral("--dsn=") + dsn};
    // The "=" form keeps a folder whose name starts with a dash a value.
    if (!pictureDir.isEmpty()) arguments << QStringLiteral("--data-dir=") + pictureDir;
    return arguments;
}
