// brevane-samplelog: fills a data folder with a sample French catch log, for demonstrations
// and for the benchmarks of large logs.
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "catalog/CatchDatabase.h"
#include "store/CatchLogOpener.h"
#include "store/DataFolder.h"
#include "tools/samplelog/SampleLogWriter.h"
#include "tools/samplelog/SampleOptions.h"

namespace {

void PrintError(const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }

// The generator registers its data source in an odbc.ini of its own: the angler's
// ~/.odbc.ini keeps pointing at the angler's log. unixODBC reads ODBCINI once, at its first
// call, so this runs before anything touches ODBC.
bool UsePrivateOdbcIni(const QTemporaryDir& folder) {
    if (!folder.isValid()) return false;
    return qputenv("ODBCINI", folder.filePath(QStringLiteral("odbc.ini")).toLocal8Bit());
}

int Generate(const SampleOptions& options) {
    const QStringList dataArguments = {QCoreApplication::applicationFilePath(),
                                       QStringLiteral("--data-dir"), options.dataDir};
    const QString folder = PrepareDataFolder(dataArguments, QCoreApplication::applicationDirPath());
    if (folder.isEmpty()) return 1;

    CCatchDatabase db;
    if (!OpenCatchLog(db, folder, QStringLiteral("BREVANE_ECHANTILLON"), false)) return 1;
    const int existing = CountCatches(db);
    if (existing != 0) {
        if (existing > 0)
            PrintError(QStringLiteral("%1brevane.db contient déjà %2 prises : choisissez un "
                                      "dossier vide ou nouveau.")
                           .arg(folder)
                           .arg(existing));
        db.Disconnect();
        return 1;
    }

    QElapsedTimer clock;
    clock.start();
    SampleLogCounts counts;
    const bool written = WriteSampleLog(db, options, counts);
    db.Disconnect();
    if (!written) return 1;
    std::printf(
        "%s : %d prises (%d lignes poissons, %d lignes esches), %d sorties, "
        "%d albums, %d photos, en %.1f s\n",
        qPrintable(folder + QStringLiteral("brevane.db")), counts.catches, counts.fishLinks,
        counts.baitLinks, counts.sessions, counts.albums, counts.photos, clock.elapsed() / 1000.0);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The pictures are painted off-screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir odbcFolder;
    if (!UsePrivateOdbcIni(odbcFolder)) {
        PrintError(QStringLiteral("Impossible de préparer un fichier odbc.ini temporaire."));
        return 1;
    }
    QGuiApplication app(argc, argv);

    SampleOptions options;
    QString error;
    if (!ParseSampleOptions(QCoreApplication::arguments(), options, error)) {
        PrintError(error);
        std::fputs(qPrintable(SampleUsage()), stderr);
        return 2;
    }
    return Generate(options);
}
