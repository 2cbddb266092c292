#include "store/BackupArchive.h"

#include <archive.h>
#include <archive_entry.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <memory>

#include "store/LogCopyCheck.h"

namespace {

constexpr qint64 kChunk = qint64{256} * 1024;

struct WriterFree {
    void operator()(archive* a) const { archive_write_free(a); }
};
struct ReaderFree {
    void operator()(archive* a) const { archive_read_free(a); }
};
struct EntryFree {
    void operator()(archive_entry* e) const { archive_entry_free(e); }
};
using Writer = std::unique_ptr<archive, WriterFree>;
using Reader = std::unique_ptr<archive, ReaderFree>;
using Entry = std::unique_ptr<archive_entry, EntryFree>;

QString ArchiveProblem(archive* a) {
    const char* text = archive_error_string(a);
    return text ? QString::fromUtf8(text) : QStringLiteral("erreur inconnue");
}

bool IsZip(const QString& path) {
    return path.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive);
}

// One file or folder to archive: where it is, and its name inside the archive.
struct Item {
    QString path;
    QString name;
    bool folder;
    qint64 size;
};

std::vector<Item> ItemsToArchive(const QString& logCopy, const QString& dataDir) {
    std::vector<Item> items{
        {logCopy, QLatin1String(kArchivedLogName), false, QFileInfo(logCopy).size()}};
    const QString images = dataDir + QStringLiteral("images");
    if (!QFileInfo(images).isDir()) return items;
    items.push_back({images, QStringLiteral("images"), true, 0});
    QDirIterator it(images, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isSymLink() || !(info.isDir() || info.isFile())) continue;
        items.push_back({path, QStringLiteral("images/") + QDir(images).relativeFilePath(path),
                         info.isDir(), info.isDir() ? 0 : info.size()});
    }
    return items;
}

Writer OpenWriter(int fd, bool zip, QString& problem) {
    Writer a(archive_write_new());
    int status = zip ? archive_write_set_format_zip(a.get())
                     : archive_write_set_format_pax_restricted(a.get());
    // Names are handed over in UTF-8 whatever the locale; zip says so in its headers.
    if (status == ARCHIVE_OK && zip)
        status = archive_write_set_format_option(a.get(), "zip", "hdrcharset", "UTF-8");
    if (status == ARCHIVE_OK && !zip) status = archive_write_add_filter_gzip(a.get());
    if (status == ARCHIVE_OK) status = archive_write_open_fd(a.get(), fd);
    if (status != ARCHIVE_OK) {
        problem = ArchiveProblem(a.get());
        return nullptr;
    }
    return a;
}

// Writes one item; false on failure (problem set) or when the angler stops (problem empty).
bool WriteItem(archive* a, const Item& item, qint64& done, qint64 total, IWorkProgress& progress,
               QString& problem) {
    const QFileInfo info(item.path);
    Entry entry(archive_entry_new());
    archive_entry_set_pathname_utf8(entry.get(), item.name.toUtf8().constData());
    archive_entry_set_filetype(entry.get(), item.folder ? AE_IFDIR : AE_IFREG);
    archive_entry_set_perm(entry.get(), item.folder ? 0755 : 0644);
    archive_entry_set_size(entry.get(), item.folder ? 0 : item.size);
    archive_entry_set_mtime(entry.get(), info.lastModified().toSecsSinceEpoch(), 0);
    if (archive_write_header(a, entry.get()) != ARCHIVE_OK) {
        problem = ArchiveProblem(a);
        return false;
    }
    if (item.folder) return true;
    QFile file(item.path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("impossible de lire %1 (%2)").arg(item.path, file.errorString());
        return false;
    }
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty() && !file.atEnd()) {
            problem =
                QStringLiteral("impossible de lire %1 (%2)").arg(item.path, file.errorString());
            return false;
        }
        if (archive_write_data(a, chunk.constData(), static_cast<size_t>(chunk.size())) < 0) {
            problem = ArchiveProblem(a);
            return false;
        }
        done += chunk.size();
        if (!progress.Advance(done, total)) return false;
    }
    return true;
}

// An entry's place inside the target folder: "brevane.db" or under "images/"; "" for an entry
// that is skipped; unsafe set for one that would leave the folder.
QString SafeName(const QString& raw, bool& unsafe) {
    QString name = raw;
    while (name.startsWith(QStringLiteral("./"))) name.remove(0, 2);
    if (name.endsWith(u'/')) name.chop(1);
    unsafe = name.startsWith(u'/') || name.split(u'/').contains(QStringLiteral(".."));
    if (unsafe) return {};
    if (name == QLatin1String(kArchivedLogName) || name == QLatin1String("images") ||
        name.startsWith(QStringLiteral("images/")))
        return name;
    return {};
}

bool ExtractFile(archive* a, const QString& path, qint64 archiveSize, IWorkProgress& progress,
                 QString& problem) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        problem = QStringLiteral("impossible d'écrire %1 (%2)").arg(path, file.errorString());
        return false;
    }
    std::vector<char> buffer(kChunk);
    for (;;) {
        const la_ssize_t read = archive_read_data(a, buffer.data(), buffer.size());
        if (read == 0) return true;
        if (read < 0) {
            problem = ArchiveProblem(a);
            return false;
        }
        if (file.write(buffer.data(), read) != read) {
            problem = QStringLiteral("impossible d'écrire %1 (%2)").arg(path, file.errorString());
            return false;
        }
        if (!progress.Advance(archive_filter_bytes(a, -1), archiveSize)) return false;
    }
}

}  // namespace

WorkResult WriteBackupArchive(CDbConnection& db, const QString& dataDir, const QString& archivePath,
                              IWorkProgress& progress) {
    if (!CanCopyLogFile(db)) return WorkResult::Failed(ServerLogBackupRefusal());
    progress.SetStep(QStringLiteral("Copie du carnet..."));
    // The copy waits beside the log (same disk) until it is in the archive.
    QTemporaryDir scratch(dataDir + QStringLiteral("sauvegarde-XXXXXX"));
    if (!scratch.isValid())
        return WorkResult::Failed(
            QStringLiteral("Impossible de créer un dossier dans %1.").arg(dataDir));
    const QString logCopy = scratch.filePath(QLatin1String(kArchivedLogName));
    QString problem = WriteLogCopy(db, logCopy);
    if (problem.isEmpty()) problem = CheckLogCopy(db, logCopy);
    if (!problem.isEmpty())
        return WorkResult::Failed(QStringLiteral("La copie du carnet a échoué : %1").arg(problem));

    QSaveFile file(archivePath);
    if (!file.open(QIODevice::WriteOnly))
        return WorkResult::Failed(QStringLiteral("Impossible d'écrire le fichier %1 :\n%2")
                                      .arg(archivePath, file.errorString()));
    const std::vector<Item> items = ItemsToArchive(logCopy, dataDir);
    qint64 total = 0;
    for (const Item& item : items) total += item.size;
    qint64 done = 0;
    progress.SetStep(QStringLiteral("Écriture de l'archive..."));
    {
        Writer a = OpenWriter(file.handle(), IsZip(archivePath), problem);
        bool complete = a != nullptr;
        for (size_t i = 0; complete && i < items.size(); ++i)
            complete = WriteItem(a.get(), items[i], done, total, progress, problem);
        if (complete && archive_write_close(a.get()) != ARCHIVE_OK) {
            problem = ArchiveProblem(a.get());
            complete = false;
        }
        if (!complete) {
            file.cancelWriting();
            return problem.isEmpty()
                       ? WorkResult::Stopped()
                       : WorkResult::Failed(
                             QStringLiteral("L'archive n'a pas pu être écrite : %1").arg(problem));
        }
    }
    if (!file.commit())
        return WorkResult::Failed(QStringLiteral("Impossible d'écrire le fichier %1 :\n%2")
                                      .arg(archivePath, file.errorString()));
    return WorkResult::Done();
}

WorkResult ExtractBackupArchive(const QString& archivePath, const QString& targetFolder,
                                IWorkProgress& progress) {
    progress.SetStep(QStringLiteral("Lecture de l'archive..."));
    Reader a(archive_read_new());
    archive_read_support_format_zip(a.get());
    archive_read_support_format_tar(a.get());
    archive_read_support_filter_all(a.get());
    const QByteArray encodedPath = QFile::encodeName(archivePath);
    if (archive_read_open_filename(a.get(), encodedPath.constData(), kChunk) != ARCHIVE_OK)
        return WorkResult::Failed(
            QStringLiteral("Ce fichier n'est ni une archive de sauvegarde (.zip, .tar.gz) ni une "
                           "copie de carnet (.db)."));
    const qint64 archiveSize = QFileInfo(archivePath).size();
    archive_entry* entry = nullptr;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(a.get(), &entry)) == ARCHIVE_OK ||
           status == ARCHIVE_WARN) {
        const char* utf8 = archive_entry_pathname_utf8(entry);
        const QString raw =
            utf8 ? QString::fromUtf8(utf8) : QFile::decodeName(archive_entry_pathname(entry));
        bool unsafe = false;
        const QString name = SafeName(raw, unsafe);
        if (unsafe)
            return WorkResult::Failed(
                QStringLiteral("L'archive contient un chemin refusé : %1").arg(raw));
        const mode_t type = archive_entry_filetype(entry);
        if (name.isEmpty() || (type != AE_IFREG && type != AE_IFDIR)) continue;
        if (type == AE_IFDIR) {
            QDir().mkpath(targetFolder + name);
            continue;
        }
        QString problem;
        if (!ExtractFile(a.get(), targetFolder + name, archiveSize, progress, problem))
            return problem.isEmpty()
                       ? WorkResult::Stopped()
                       : WorkResult::Failed(
                             QStringLiteral("L'archive est illisible : %1").arg(problem));
    }
    if (status != ARCHIVE_EOF)
        return WorkResult::Failed(
            QStringLiteral("L'archive est illisible : %1").arg(ArchiveProblem(a.get())));
    return WorkResult::Done();
}
