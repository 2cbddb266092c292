// Backups on the real driver: the retention rule, the automatic dated copy, the archive
// written then restored, and restores of bad files that change nothing.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "store/AutomaticBackup.h"
#include "store/BackupArchive.h"
#include "store/BackupRetention.h"
#include "store/LogCopyCheck.h"
#include "store/LogRestore.h"
#include "tests/support/TestCatchLog.h"

namespace {

QDateTime At(const char* text) { return QDateTime::fromString(text, "yyyy-MM-dd HH:mm"); }

struct RetentionCase {
    const char* name;
    QStringList copies;  // moments "yyyy-MM-dd HH:mm"
    QStringList deleted;
};

QStringList Names(const QStringList& moments) {
    QStringList names;
    for (const QString& moment : moments)
        names << BackupFileName(QDateTime::fromString(moment, "yyyy-MM-dd HH:mm"));
    return names;
}

QStringList Monthly(int year, int firstMonth, int count) {
    QStringList moments;
    for (int i = 0; i < count; ++i)
        moments << QDate(year, firstMonth, 15).addMonths(i).toString("yyyy-MM-dd") + " 12:00";
    return moments;
}

class Retention : public ::testing::TestWithParam<RetentionCase> {};

TEST_P(Retention, KeepsTheTenNewestAndTheNewestOfTwelveMonths) {
    const RetentionCase& c = GetParam();
    QStringList listed = Names(c.copies);
    listed << "notes.txt"
           << "brevane-avant-restauration-2026-01-01-000000.db"
           << "brevane-2026-13-01-000000.db";
    QStringList deleted = BackupsToDelete(listed, At("2026-12-08 18:00"));
    deleted.sort();
    QStringList expected = Names(c.deleted);
    expected.sort();
    EXPECT_EQ(deleted, expected);
}

const RetentionCase kRetention[] = {
    {"TwelveThisMonth",
     {"2026-12-01 08:00", "2026-12-01 09:00", "2026-12-02 08:00", "2026-12-02 09:00",
      "2026-12-03 08:00", "2026-12-03 09:00", "2026-12-04 08:00", "2026-12-04 09:00",
      "2026-12-05 08:00", "2026-12-05 09:00", "2026-12-06 08:00", "2026-12-06 09:00"},
     {"2026-12-01 08:00", "2026-12-01 09:00"}},
    {"OneAMonthForTwoYears", Monthly(2025, 1, 24), Monthly(2025, 1, 12)},
    {"OlderCopiesOfAMonth",
     QStringList{"2026-05-02 10:00", "2026-05-20 10:00", "2026-05-30 10:00"} + Monthly(2026, 6, 6) +
         QStringList{"2026-12-07 10:00", "2026-12-07 11:00", "2026-12-07 12:00",
                     "2026-12-07 13:00"},
     {"2026-05-02 10:00", "2026-05-20 10:00"}},
    {"FewCopies", {"2020-01-01 00:00", "2026-12-08 17:00"}, {}},
};

INSTANTIATE_TEST_SUITE_P(Folders, Retention, ::testing::ValuesIn(kRetention),
                         [](const auto& info) { return std::string(info.param.name); });

// Every row of the catches and the fish, as one text.
class Backups : public TestCatchLog {
protected:
    QString Dump() {
        return Scalar(
                   "SELECT group_concat(ID || '|' || DATE_PRISE || '|' || ifnull(COMMENTAIRE, "
                   "''), ';') FROM PRISES") +
               Scalar("SELECT group_concat(LIBELLE, ';') FROM POISSONS");
    }
    // Every picture file with its content.
    std::map<QString, QByteArray> Pictures() {
        std::map<QString, QByteArray> files;
        const QString images = DataDir() + "images";
        QDirIterator it(images, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            files[QDir(images).relativeFilePath(file.fileName())] = file.readAll();
        }
        return files;
    }
    void WriteFile(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void FillLog() {
        AddCatalogRow("POISSONS", "BROCHET");
        AddCatch("2024-03-01 07:15:00", -1, 1, ", COMMENTAIRE", ", 'L''aube, \"enfin\"'");
        WriteFile(DataDir() + "images/Poissons/brochet.jpg", QByteArray(300000, 'b'));
        WriteFile(DataDir() + QString::fromUtf8("images/PRISES/été 🎣.jpg"), "photo");
    }
    CSilentProgress m_progress;
};

TEST_F(Backups, AutomaticCopyIsCheckedThenOlderOnesGo) {
    FillLog();
    const QDir folder(BackupFolder(DataDir()));
    for (const QString& moment : Monthly(2024, 1, 14))
        ASSERT_EQ(WriteAutomaticBackup(Db(), DataDir(), At(qPrintable(moment))), "");
    ASSERT_EQ(WriteAutomaticBackup(Db(), DataDir(), At("2026-12-08 18:00")), "");
    // The copy holds the log; the copies of 2024 that fall out of the rule are gone.
    const QString newest = folder.filePath(BackupFileName(At("2026-12-08 18:00")));
    EXPECT_EQ(CheckLogCopy(Db(), newest), "");
    Exec("ATTACH DATABASE '" + newest + "' AS copie");
    EXPECT_EQ(Scalar("SELECT COMMENTAIRE FROM copie.PRISES"), "L'aube, \"enfin\"");
    Exec("DETACH DATABASE copie");
    EXPECT_EQ(folder.entryList({"brevane-*.db"}, QDir::Files).size(), 10);
    EXPECT_TRUE(folder.entryList({"*.partiel"}, QDir::Files).isEmpty());
}

class ArchiveRoundTrip : public Backups, public ::testing::WithParamInterface<const char*> {};

TEST_P(ArchiveRoundTrip, RestoreGivesBackTheRowsAndThePictures) {
    FillLog();
    const QString before = Dump();
    const auto pictures = Pictures();
    QTemporaryDir elsewhere;
    const QString archive = elsewhere.filePath(QString("carnet") + GetParam());
    ASSERT_TRUE(WriteBackupArchive(Db(), DataDir(), archive, m_progress).IsDone());

    Exec("DELETE FROM PRISES");
    AddCatalogRow("POISSONS", "SANDRE");
    QFile::remove(DataDir() + "images/Poissons/brochet.jpg");
    WriteFile(DataDir() + "images/Lieux/nouveau.jpg", "n");
    const QString changed = Dump();

    QString kept;
    const WorkResult result = RestoreCatchLog(Db(), DataDir(), archive, m_progress, {}, &kept);
    ASSERT_TRUE(result.IsDone()) << result.reason.toStdString();
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(Pictures(), pictures);
    // The replaced log is kept, readable, with what it held.
    Exec("ATTACH DATABASE '" + kept + "' AS avant");
    EXPECT_EQ(ScalarInt("SELECT count(*) FROM avant.PRISES"), 0);
    Exec("DETACH DATABASE avant");
    EXPECT_TRUE(changed != before);
}

INSTANTIATE_TEST_SUITE_P(Formats, ArchiveRoundTrip, ::testing::Values(".zip", ".tar.gz"),
                         [](const auto& info) {
                             return std::string(info.param[1] == 'z' ? "Zip" : "TarGz");
                         });

class BadRestore : public Backups, public ::testing::WithParamInterface<const char*> {};

TEST_P(BadRestore, IsRefusedAndChangesNothing) {
    FillLog();
    const QString before = Dump();
    const auto pictures = Pictures();
    QTemporaryDir elsewhere;
    const QString bad = elsewhere.filePath("mauvais");
    const QString kind = GetParam();
    if (kind == "Text") WriteFile(bad, "Ceci n'est pas un carnet.\n");
    if (kind == "Foreign" || kind == "Damaged") {
        ASSERT_EQ(WriteLogCopy(Db(), bad), "");
        if (kind == "Foreign") {
            Exec("ATTACH DATABASE '" + bad + "' AS f");
            Exec("DROP TABLE f.PRISES");
            Exec("DETACH DATABASE f");
        } else {
            QFile file(bad);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.seek(4096);
            file.write(QByteArray(8192, '\xff'));
        }
    }
    if (kind == "ArchiveWithoutLog" || kind == "ArchiveLeavingTheFolder") {
        const QString script =
            kind == "ArchiveWithoutLog"
                ? "import tarfile,io,sys\nt=tarfile.open(sys.argv[1],'w:gz')\n"
                  "i=tarfile.TarInfo('images/x.jpg');i.size=1;t.addfile(i,io.BytesIO(b'x'))\n"
                : "import tarfile,io,sys\nt=tarfile.open(sys.argv[1],'w:gz')\n"
                  "i=tarfile.TarInfo('images/../../"
                  "evade.txt');i.size=1;t.addfile(i,io.BytesIO(b'x'))\n";
        ASSERT_EQ(QProcess::execute("python3", {"-c", script, bad}), 0);
    }
    const WorkResult result = RestoreCatchLog(Db(), DataDir(), bad, m_progress);
    EXPECT_TRUE(result.IsFailed());
    EXPECT_FALSE(result.reason.isEmpty());
    EXPECT_TRUE(Db().IsConnected());
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(Pictures(), pictures);
    EXPECT_FALSE(QFileInfo::exists(DataDir() + "../evade.txt"));
    EXPECT_TRUE(QDir(DataDir()).entryList({"restauration-*"}, QDir::AllEntries).isEmpty());
    EXPECT_TRUE(QDir(BackupFolder(DataDir())).entryList({"*avant-restauration*"}).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Files, BadRestore,
                         ::testing::Values("Text", "Foreign", "Damaged", "ArchiveWithoutLog",
                                           "ArchiveLeavingTheFolder", "Missing"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
