#include "tools/samplelog/SampleLogWriter.h"

#include <QDir>
#include <QFile>

#include "catalog/CatchDatabase.h"
#include "catalog/PicturePaths.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/DbTransaction.h"
#include "db/SQLException.h"
#include "store/AppHelpers.h"
#include "tools/samplelog/SampleCatalogWriter.h"
#include "tools/samplelog/SampleCatalogs.h"
#include "tools/samplelog/SampleCatchMaker.h"
#include "tools/samplelog/SamplePhotos.h"
#include "tools/samplelog/SqlBatch.h"

namespace {

constexpr int kSeveralIds = 999999;

QString Int(int value) { return QString::number(value); }

QString StoredMoment(const SampleCatch& sample) {
    return QStringLiteral("%1 %2:%3:00")
        .arg(sample.day.toString(QStringLiteral("yyyy-MM-dd")))
        .arg(sample.minuteOfDay / 60, 2, 10, QLatin1Char('0'))
        .arg(sample.minuteOfDay % 60, 2, 10, QLatin1Char('0'));
}

// A set's value in PRISES: the one identifier, 999999 for several, -1 for none.
int ColumnValue(const std::vector<int>& ids) {
    if (ids.empty()) return -1;
    return ids.size() == 1 ? ids.front() : kSeveralIds;
}

// The identifier after the largest one PRISES ever gave: explicit identifiers let the link rows
// be written in batches without reading each catch's identifier back.
int NextCatchId(CCatchDatabase& db) {
    CDbRecordset rows(db);
    rows.SetSql(QStringLiteral(
        "SELECT MAX(COALESCE((SELECT seq FROM sqlite_sequence WHERE name='PRISES'), 0), "
        "COALESCE((SELECT MAX(ID) FROM PRISES), 0))"));
    return rows.Open() && rows.Fetch() ? rows.GetInt(1) + 1 : 1;
}

void WriteCatches(CCatchDatabase& db, const std::vector<SampleCatch>& catches,
                  SampleLogCounts& counts) {
    CSqlBatch prises(db, QStringLiteral("PRISES"),
                     QStringLiteral("ID, DATE_PRISE, ID_LIEU, ID_POISSON, POIDS_POISSON, "
                                    "TAILLE_POISSON, NOMBRE, ID_ESCHE, ID_AMORCE, ID_MONTAGE, "
                                    "ID_TECHNIQUE, ID_TEMPS, ID_VENT, ID_DIRECTION_VENT, "
                                    "ID_COULEUR_EAU, ID_LUNE, TEMPERATURE, TEMPERATURE_EAU, "
                                    "COMMENTAIRE, PHOTO, ID_MAREE, COEFF_MAREE, COORD_GPS"));
    // As the program writes them: the identifier column first, then ID_PRISE, one row per
    // fish and per bait, also for a catch that has only one.
    CSqlBatch fishLinks(db, QStringLiteral("PRISE_POISSONS"),
                        QStringLiteral("ID_POISSON, ID_PRISE"));
    CSqlBatch baitLinks(db, QStringLiteral("PRISE_ESCHES"), QStringLiteral("ID_ESCHE, ID_PRISE"));
    int id = NextCatchId(db);
    for (const SampleCatch& c : catches) {
        const QString values =
            Int(id) + u',' + SqlText(StoredMoment(c)) + u',' + Int(c.placeId) + u',' +
            Int(ColumnValue(c.fish)) + u',' + QString::number(c.weight, 'f', 3) + u',' +
            Int(c.size) + u',' + Int(c.number) + u',' + Int(ColumnValue(c.baits)) + u',' +
            Int(c.groundbaitId) + u',' + Int(c.rigId) + u',' + Int(c.techniqueId) + u',' +
            Int(c.weatherId) + u',' + Int(c.windId) + u',' + Int(c.windDirectionId) + u',' +
            Int(c.waterColourId) + u',' + Int(c.moonId) + u',' + Int(c.airTemperature) + u',' +
            Int(c.waterTemperature) + u',' + SqlText(c.comment) + u',' + QStringLiteral("NULL,") +
            Int(c.tideId) + u',' + Int(c.tideCoefficient) + u',' + SqlText(c.gps);
        prises.Add(values);
        for (const int fish : c.fish) fishLinks.Add(Int(fish) + u',' + Int(id));
        for (const int bait : c.baits) baitLinks.Add(Int(bait) + u',' + Int(id));
        ++id;
    }
    prises.Flush();
    fishLinks.Flush();
    baitLinks.Flush();
    counts.catches = prises.RowsWritten();
    counts.fishLinks = fishLinks.RowsWritten();
    counts.baitLinks = baitLinks.RowsWritten();
}

void WriteSessions(CCatchDatabase& db, const std::vector<SampleSession>& sessions,
                   SampleLogCounts& counts) {
    CSqlBatch rows(db, QStringLiteral("CALENDRIER"),
                   QStringLiteral("DEBUT, FIN, ID_LIEU, COMMENTAIRE, HEURE_DEBUT, HEURE_FIN"));
    for (const SampleSession& s : sessions) {
        rows.Add(Int(s.startDay) + u',' + Int(s.endDay) + u',' + Int(s.placeId) + u',' +
                 SqlText(s.comment) + u',' + Int(s.startTime) + u',' + Int(s.endTime));
    }
    rows.Flush();
    counts.sessions = rows.RowsWritten();
}

QString AlbumName(int index) {
    const auto& names = SampleAlbumNames();
    const QString base = QString::fromUtf8(names.at(static_cast<size_t>(index) % names.size()));
    const int round = index / static_cast<int>(names.size());
    return round == 0 ? base : base + QStringLiteral(" %1").arg(round + 1);
}

// The album pictures to paint: names of the form the album commands give copied photos
// (a time stamp and a counter), captions that tell the pictures apart in the grid.
std::vector<SamplePhotoPlan> PlanPhotos(const SampleOptions& options, CSampleRandom& random) {
    std::vector<SamplePhotoPlan> plans;
    const QString stamp = MakeUniqueName();
    for (int album = 0; album < options.albums; ++album) {
        for (int photo = 0; photo < options.photosPerAlbum; ++photo) {
            SamplePhotoPlan plan;
            plan.fileName = QStringLiteral("%1_%2_%3.jpg").arg(stamp).arg(album + 1).arg(photo + 1);
            plan.caption = QStringLiteral("%1 - n° %2").arg(AlbumName(album)).arg(photo + 1);
            plan.seed = random.Next();
            plan.album = album;
            plans.push_back(plan);
        }
    }
    return plans;
}

int InsertAlbum(CCatchDatabase& db, const QString& name) {
    db.ExecuteDirect(QStringLiteral("INSERT INTO ALBUMS (LIBELLE) VALUES (%1)").arg(SqlText(name)));
    CDbRecordset rows(db);
    rows.SetSql(QStringLiteral("SELECT MAX(ID) FROM ALBUMS"));
    return rows.Open() && rows.Fetch() ? rows.GetInt(1) : -1;
}

void WriteAlbums(CCatchDatabase& db, const SampleOptions& options,
                 const std::vector<SamplePhotoPlan>& files, CSampleRandom& random,
                 SampleLogCounts& counts) {
    CSqlBatch photos(db, QStringLiteral("PHOTOS"),
                     QStringLiteral("ID_ALBUM, LIBELLE, COMMENTAIRE"));
    size_t next = 0;
    const auto& comments = SamplePhotoComments();
    for (int album = 0; album < options.albums; ++album) {
        const int albumId = InsertAlbum(db, AlbumName(album));
        ++counts.albums;
        for (; next < files.size() && files[next].album == album; ++next) {
            const QString comment =
                random.Chance(0.7) ? QString::fromUtf8(comments.at(random.Next() % comments.size()))
                                   : QString();
            photos.Add(Int(albumId) + u',' + SqlText(files[next].fileName) + u',' +
                       SqlText(comment));
        }
        photos.Flush();  // before the next album's identifier is read back
    }
    counts.photos = photos.RowsWritten();
}

void RemoveFiles(const QString& folder, const std::vector<SamplePhotoPlan>& files) {
    for (const SamplePhotoPlan& file : files) QFile::remove(folder + file.fileName);
}

}  // namespace

int CountCatches(CCatchDatabase& db) {
    return RunOrShowError(-1, [&] {
        CDbRecordset rows(db);
        rows.SetSql(QStringLiteral("SELECT COUNT(*) FROM PRISES"));
        return rows.Open() && rows.Fetch() ? rows.GetInt(1) : -1;
    });
}

bool WriteSampleLog(CCatchDatabase& db, const SampleOptions& options, SampleLogCounts& counts) {
    // Two streams: the catches of a seed stay the same whatever the album options.
    CSampleRandom random(options.seed);
    CSampleRandom photoRandom(options.seed ^ 0x9e3779b9u);
    const QString photoFolder = AlbumPhotoFolderPath(GetProgramDirectory());
    QDir().mkpath(photoFolder);
    const std::vector<SamplePhotoPlan> files =
        WriteSamplePhotos(photoFolder, options.photoSize, PlanPhotos(options, photoRandom));

    const QDate today = QDate::currentDate();
    const QDate firstDay = today.addYears(-options.years).addDays(1);
    const bool written = RunOrShowError(false, [&] {
        CDbTransaction transaction(db);
        const SampleCatalogIds ids = FillSampleCatalogs(db);
        std::vector<SampleCatch> catches;
        std::vector<SampleSession> sessions;
        CSampleCatchMaker maker(ids, random, firstDay, today);
        maker.Make(options.catches, catches, sessions);
        WriteCatches(db, catches, counts);
        WriteSessions(db, sessions, counts);
        WriteAlbums(db, options, files, photoRandom, counts);
        transaction.Commit();
        return true;
    });
    if (!written) RemoveFiles(photoFolder, files);
    return written;
}
