#include "ui/view/LogTransferCommands.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "catalog/CatalogKind.h"
#include "catalog/CatchCsvExport.h"
#include "catalog/CatchCsvImport.h"
#include "catalog/CatchDatabase.h"
#include "catalog/GpxExport.h"
#include "db/UserMessages.h"
#include "store/AppHelpers.h"
#include "store/BackupArchive.h"
#include "store/LogRestore.h"
#include "ui/dialogs/WorkProgressDialog.h"
#include "ui/view/BrevaneView.h"
#include "widgets/CommandIds.h"

namespace {

const QString kArchiveFilters =
    QStringLiteral("Archive zip (*.zip);;Archive tar.gz (*.tar.gz);;Tous les fichiers (*)");
const QString kRestoreFilters =
    QStringLiteral("Sauvegardes (*.zip *.tar.gz *.tgz *.db);;Tous les fichiers (*)");
const QString kGpxFilters = QStringLiteral("Fichiers GPX (*.gpx);;Tous les fichiers (*)");
const QString kCsvFilters = QStringLiteral("Fichiers CSV (*.csv);;Tous les fichiers (*)");

QString DefaultFolder() {
    const QString home = QDir::homePath();
    return QFileInfo(home).isWritable() ? home : QDir::currentPath();
}

// The name the angler chose, with the extension of the chosen filter when none was typed.
QString WithExtension(const QString& path, const QString& filter) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    if (filter.contains(QStringLiteral("*.tar.gz"))) return path + QStringLiteral(".tar.gz");
    if (filter.contains(QStringLiteral("*.zip"))) return path + QStringLiteral(".zip");
    if (filter.contains(QStringLiteral("*.csv"))) return path + QStringLiteral(".csv");
    if (filter.contains(QStringLiteral("*.gpx"))) return path + QStringLiteral(".gpx");
    return path;
}

QString AskSavePath(QWidget* parent, const QString& title, const QString& name,
                    const QString& filters) {
    QString filter;
    const QString path = QFileDialog::getSaveFileName(
        parent, title, QDir(DefaultFolder()).filePath(name), filters, &filter);
    return WithExtension(path, filter);
}

QString AskOpenPath(QWidget* parent, const QString& title, const QString& filters) {
    return QFileDialog::getOpenFileName(parent, title, DefaultFolder(), filters);
}

// Tells the end of the work: a failure with its reason, a success with its text.
void Report(const WorkResult& result, const QString& success) {
    if (result.IsFailed()) ShowMessage(result.reason, MessageIcon::Stop);
    if (result.IsDone()) ShowMessage(success, MessageIcon::None);
}

QString Today() { return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")); }

void Backup(QWidget* parent, CCatchDatabase& db) {
    const QString path =
        AskSavePath(parent, QStringLiteral("Sauvegarder le carnet"),
                    QStringLiteral("brevane-%1.zip").arg(Today()), kArchiveFilters);
    if (path.isEmpty()) return;
    CWorkProgressDialog progress(parent, QStringLiteral("Sauvegarde"));
    Report(WriteBackupArchive(db, GetProgramDirectory(), path, progress),
           QStringLiteral("Le carnet et ses images sont sauvegardés dans %1.").arg(path));
}

void Restore(QWidget* parent, CCatchDatabase& db, CBrevaneView& view) {
    const QString path =
        AskOpenPath(parent, QStringLiteral("Restaurer un carnet"), kRestoreFilters);
    if (path.isEmpty()) return;
    if (!AskYesNo(QStringLiteral("Votre carnet actuel va être remplacé par celui de ce fichier.\n"
                                 "Il sera d'abord gardé dans le dossier sauvegardes.\n\n"
                                 "Voulez-vous continuer ?")))
        return;
    CWorkProgressDialog progress(parent, QStringLiteral("Restauration"));
    QString kept;
    const WorkResult result = RestoreCatchLog(db, GetProgramDirectory(), path, progress, {}, &kept);
    // The filter names entries of the log that was there before.
    db.Filter() = CatchFilter{};
    view.SetCategory(Category::Catches);
    Report(result,
           QStringLiteral("Le carnet est restauré.\nL'ancien carnet est gardé dans %1.").arg(kept));
}

void ExportCatches(QWidget* parent, CCatchDatabase& db) {
    const QString path = AskSavePath(parent, QStringLiteral("Exporter les prises"),
                                     QStringLiteral("prises-%1.csv").arg(Today()), kCsvFilters);
    if (path.isEmpty()) return;
    CWorkProgressDialog progress(parent, QStringLiteral("Export des prises"));
    Report(ExportCatchesCsv(db, path, progress),
           QStringLiteral("Les prises sont exportées dans %1.").arg(path));
}

void ImportCatches(QWidget* parent, CCatchDatabase& db, CBrevaneView& view) {
    const QString path = AskOpenPath(parent, QStringLiteral("Importer des prises"), kCsvFilters);
    if (path.isEmpty()) return;
    CCatchCsvImport import;
    {
        CWorkProgressDialog reading(parent, QStringLiteral("Import des prises"));
        const WorkResult read = import.Read(db, path, reading);
        if (!read.IsDone()) return Report(read, {});
    }
    if (import.CatchCount() == 0)
        return ShowMessage(QStringLiteral("Ce fichier ne contient aucune prise."),
                           MessageIcon::None);
    if (!AskYesNo(import.Preview() + QStringLiteral("\n\nVoulez-vous importer ces prises ?")))
        return;
    CWorkProgressDialog writing(parent, QStringLiteral("Import des prises"));
    const WorkResult written = import.Write(db, writing);
    view.SetCategory(view.CurrentCategory());
    Report(written, import.CatchCount() == 1
                        ? QStringLiteral("1 prise a été importée.")
                        : QStringLiteral("%1 prises ont été importées.").arg(import.CatchCount()));
}

void ExportPlaces(QWidget* parent, CCatchDatabase& db) {
    const QString path = AskSavePath(parent, QStringLiteral("Exporter les lieux en GPX"),
                                     QStringLiteral("prises-%1.gpx").arg(Today()), kGpxFilters);
    if (path.isEmpty()) return;
    CWorkProgressDialog progress(parent, QStringLiteral("Export des lieux"));
    int count = 0;
    const WorkResult result = ExportPlacesGpx(db, path, progress, &count);
    QString done = QStringLiteral("%1 points sont exportés dans %2.").arg(count).arg(path);
    if (count == 1) done = QStringLiteral("1 point est exporté dans %1.").arg(path);
    if (count == 0)
        done = QStringLiteral(
                   "Aucune prise n'a de position GPS lisible : le fichier %1 ne "
                   "contient aucun point.")
                   .arg(path);
    Report(result, done);
}

}  // namespace

bool RunLogTransferCommand(int commandId, QWidget* parent, CCatchDatabase& db, CBrevaneView& view) {
    switch (commandId) {
        case CommandId::Backup:
            Backup(parent, db);
            return true;
        case CommandId::Restore:
            Restore(parent, db, view);
            return true;
        case CommandId::ExportCatches:
            ExportCatches(parent, db);
            return true;
        case CommandId::ImportCatches:
            ImportCatches(parent, db, view);
            return true;
        case CommandId::ExportPlaces:
            ExportPlaces(parent, db);
            return true;
        default:
            return false;
    }
}
