// A catch log survives the program being killed at any moment while it stores catches: the
// writer (catch_writer, storing through the program's own InsertCatch with the data source's
// full synchronisation) is killed with SIGKILL after a random short delay, again and again on
// the same log. After each kill the file is sound, every catch the writer had reported stored
// is there with its fish and bait link rows, and the log opens again.
#include <random>
#include <set>
#include <thread>

#include <QDir>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "catalog/CatchDatabase.h"
#include "store/CatchLogOpener.h"
#include "store/DataFolder.h"
#include "tests/faults/SqliteShell.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestCatchLog.h"

namespace {

constexpr int kRounds = 24;

struct RoundResult {
    std::vector<int> storedIds;  // printed by the writer: InsertCatch had returned true
    bool reachedReady = false;
};

class KillDuringWrites : public ::testing::Test {
protected:
    void SetUp() override {
        if (!SqliteShellWorks()) GTEST_SKIP() << "skipped: needs the sqlite3 shell";
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(SeedImages(SourceImagesFolder(), Folder()));
        QProcess prepare;
        prepare.start(QStringLiteral(CATCH_WRITER_PATH), {Folder(), QStringLiteral("prepare")});
        ASSERT_TRUE(prepare.waitForFinished(60000));
        ASSERT_EQ(prepare.exitCode(), 0) << prepare.readAllStandardError().toStdString();
    }

    static bool SqliteShellWorks() {
        return SqliteShell(QStringLiteral(":memory:"), QStringLiteral("SELECT 1")) == "1";
    }

    QString Folder() const { return m_dir.path() + u'/'; }
    QString Database() const { return Folder() + QStringLiteral("brevane.db"); }

    // One writer run: killed `delayMs` after it started, or after it reported the log open.
    RoundResult KillWriterAfter(int delayMs, bool afterReady) {
        RoundResult result;
        QProcess writer;
        writer.start(QStringLiteral(CATCH_WRITER_PATH), {Folder(), QStringLiteral("write")});
        EXPECT_TRUE(writer.waitForStarted(10000));
        QByteArray output;
        if (afterReady) {
            while (!output.contains("ready\n") && writer.waitForReadyRead(20000))
                output += writer.readAllStandardOutput();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        writer.kill();  // SIGKILL
        writer.waitForFinished(10000);
        EXPECT_EQ(writer.exitStatus(), QProcess::CrashExit)
            << "the writer stopped on its own: " << writer.readAllStandardError().toStdString();
        output += writer.readAllStandardOutput();
        for (const QByteArray& line : output.split('\n')) {
            if (line == "ready") result.reachedReady = true;
            bool isNumber = false;
            const int id = line.toInt(&isNumber);
            if (isNumber) result.storedIds.push_back(id);
        }
        return result;
    }

    // Catch identifiers whose row has both link sets whole (two fish, two baits, the
    // columns saying "several"), as the sqlite3 shell reads them.
    std::set<int> WholeCatches() {
        const QString rows = SqliteShell(
            Database(),
            QStringLiteral("SELECT p.ID FROM PRISES p WHERE p.ID_POISSON=999999 AND "
                           "p.ID_ESCHE=999999 AND "
                           "(SELECT COUNT(*) FROM PRISE_POISSONS f WHERE f.ID_PRISE=p.ID)=2 AND "
                           "(SELECT COUNT(*) FROM PRISE_ESCHES e WHERE e.ID_PRISE=p.ID)=2 AND "
                           "p.COMMENTAIRE LIKE 'Prise n%'"));
        EXPECT_FALSE(rows.startsWith(QStringLiteral("error"))) << rows.toStdString();
        std::set<int> ids;
        for (const QString& line : rows.split(u'\n', Qt::SkipEmptyParts)) ids.insert(line.toInt());
        return ids;
    }

    int CountOf(const QString& sql) { return SqliteShell(Database(), sql).toInt(); }

private:
    QTemporaryDir m_dir;
};

TEST_F(KillDuringWrites, EveryReportedCatchSurvivesSigkillAndTheLogStaysSound) {
    std::random_device device;
    const unsigned seed = device();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delay(20, 300);
    RecordProperty("seed", std::to_string(seed));
    SCOPED_TRACE("random seed " + std::to_string(seed));

    std::set<int> reported;
    int roundsWithStores = 0;
    for (int round = 0; round < kRounds; ++round) {
        // Every other round the kill may fall while the log is being opened (its schema
        // steps write too); the others kill in the middle of the stores.
        const bool afterReady = round % 2 == 1;
        const int delayMs = delay(random);
        SCOPED_TRACE("round " + std::to_string(round) + ", " + std::to_string(delayMs) + " ms" +
                     (afterReady ? " after the log was open" : " after the start"));
        const RoundResult result = KillWriterAfter(delayMs, afterReady);
        if (!result.storedIds.empty()) ++roundsWithStores;
        reported.insert(result.storedIds.begin(), result.storedIds.end());

        ASSERT_EQ(IntegrityCheck(Database()), QStringLiteral("ok"));
        const std::set<int> whole = WholeCatches();
        for (const int id : reported)
            ASSERT_TRUE(whole.count(id)) << "catch " << id << " was reported stored, now lost "
                                         << "or without its fish and bait";

        RecordingMessages messages;
        SetUserMessages(&messages);
        CCatchDatabase db;
        const bool opened = OpenCatchLog(db, Folder(), QStringLiteral("BREVANE"), false);
        db.Disconnect();
        SetUserMessages(nullptr);
        ASSERT_TRUE(opened) << messages.Texts().join(u'|').toStdString();
        EXPECT_TRUE(messages.shown.empty()) << messages.Texts().join(u'|').toStdString();
    }
    // The test is worth something only if the kills did fall among the stores.
    EXPECT_GE(roundsWithStores, 3);

    // A catch and its link rows are stored in one transaction: a kill between them must not
    // leave a catch without its fish and baits, reported or not.
    const int partial = CountOf(
        QStringLiteral("SELECT COUNT(*) FROM PRISES p WHERE "
                       "(SELECT COUNT(*) FROM PRISE_POISSONS f WHERE f.ID_PRISE=p.ID)<>2 OR "
                       "(SELECT COUNT(*) FROM PRISE_ESCHES e WHERE e.ID_PRISE=p.ID)<>2"));
    EXPECT_EQ(partial, 0) << "catches left without all their link rows";
    std::printf("%zu catches reported stored over %d kills\n", reported.size(), kRounds);
}

}  // namespace
