#include "catalog/CatchCsvExport.h"

#include <QSaveFile>

#include "catalog/CatchTable.h"
#include "catalog/CsvFormat.h"

namespace {

QString WriteProblem(const QSaveFile& file) {
    return QStringLiteral("Impossible d'écrire le fichier %1 :\n%2")
        .arg(file.fileName(), file.errorString());
}

}  // namespace

WorkResult ExportCatchesCsv(CCatchDatabase& db, const QString& path, IWorkProgress& progress) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return WorkResult::Failed(WriteProblem(file));
    progress.SetStep(QStringLiteral("Export des prises..."));
    bool written =
        file.write(CsvByteOrderMark()) >= 0 && file.write(CsvRecord(CatchHeaders()).toUtf8()) >= 0;
    const bool complete = written && ReadCatchTable(
                                         db,
                                         [&file, &written](const QStringList& cells) {
                                             written = file.write(CsvRecord(cells).toUtf8()) >= 0;
                                             return written;
                                         },
                                         progress);
    if (!written) {
        const QString problem = WriteProblem(file);
        file.cancelWriting();
        return WorkResult::Failed(problem);
    }
    if (!complete) {
        // A database error has been shown already; a stop needs no word.
        file.cancelWriting();
        return WorkResult::Stopped();
    }
    if (!file.commit()) return WorkResult::Failed(WriteProblem(file));
    return WorkResult::Done();
}
