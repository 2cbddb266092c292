// The machine refuses a store: another program holds the catch log, the data folder turns
// read-only, the disk is full. Each time the angler gets one clear French message naming the
// cause, nothing already stored is lost, and the same store works once the cause is gone.
#include <cstdio>
#include <memory>

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "store/CatchLogOpener.h"
#include "store/DataFolder.h"
#include "tests/faults/FolderPermissions.h"
#include "tests/faults/SqliteLockHolder.h"
#include "tests/faults/SqliteShell.h"
#include "tests/faults/TmpfsMount.h"
#include "tests/support/DatabaseFaultTexts.h"
#include "tests/support/InMemoryForms.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestCatchLog.h"

namespace {

// A catch with two fish and two baits (so with link rows) and a comment.
InMemoryCatchForm CatchWith(CCatchDatabase& db, const QString& comment) {
    InMemoryCatchForm form;
    form.references[CatchReference::Place] = db.GetLastId(Table::Places);
    const int lastFish = db.GetLastId(Table::Fish);
    const int lastBait = db.GetLastId(Table::Baits);
    form.fish = {lastFish - 1, lastFish};
    form.baits = {lastBait - 1, lastBait};
    form.weight = 3.25;
    form.number = 1;
    form.comment = comment;
    return form;
}

bool AddCatalogue(CCatchDatabase& db) {
    return db.InsertCatalogRow(Table::Fish, QStringLiteral("CARPE"), {}) &&
           db.InsertCatalogRow(Table::Fish, QStringLiteral("TANCHE"), {}) &&
           db.InsertCatalogRow(Table::Baits, QStringLiteral("MAIS"), {}) &&
           db.InsertCatalogRow(Table::Baits, QStringLiteral("BOUILLETTE"), {}) &&
           db.InsertCatalogRow(Table::Places, QStringLiteral("ETANG DU MOULIN"), {});
}

// "comment|fish links|bait links" of every catch, in identifier order, through the program's
// own connection.
QStringList StoredCatches(CCatchDatabase& db) {
    QStringList rows;
    try {
        CDbRecordset r(db);
        r.SetSql(QStringLiteral(
            "SELECT COMMENTAIRE, (SELECT COUNT(*) FROM PRISE_POISSONS f WHERE f.ID_PRISE=p.ID), "
            "(SELECT COUNT(*) FROM PRISE_ESCHES e WHERE e.ID_PRISE=p.ID) FROM PRISES p "
            "ORDER BY ID"));
        if (!r.Open()) return {QStringLiteral("not connected")};
        while (r.Fetch()) rows << r.GetText(1) + u'|' + r.GetText(2) + u'|' + r.GetText(3);
    } catch (CSQLException* raw) {
        const std::unique_ptr<CSQLException> e(raw);
        rows << QStringLiteral("error: ") + e->message;
    }
    return rows;
}

// One message, with the stop icon, opening with the sentence.
void ExpectOneMessage(const RecordingMessages& messages, const QString& sentence) {
    ASSERT_EQ(messages.shown.size(), 1u) << messages.Texts().join(u'|').toStdString();
    EXPECT_TRUE(messages.shown[0].text.startsWith(sentence))
        << messages.shown[0].text.toStdString();
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
}

// ---- Another program holds the log ----

class LockedLog : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        if (!SqliteLockHolder::ShellAvailable()) GTEST_SKIP() << "skipped: needs the sqlite3 shell";
        ASSERT_TRUE(AddCatalogue(Db()));
        InMemoryCatchForm first = CatchWith(Db(), QStringLiteral("avant le verrou"));
        int id = -1;
        ASSERT_TRUE(Db().InsertCatch(first, id));
        m_before = StoredCatches(Db());
        Messages().Clear();
    }

    // Stores a catch while the shell holds the log in the given transaction mode; then again
    // once the shell has let go.
    void StoreUnderLock(const char* mode) {
        InMemoryCatchForm form = CatchWith(Db(), QStringLiteral("pendant le verrou"));
        SqliteLockHolder holder;
        ASSERT_TRUE(holder.Take(DataDir() + QStringLiteral("brevane.db"), mode))
            << holder.Error().toStdString();
        int id = -1;
        EXPECT_FALSE(Db().InsertCatch(form, id));
        ExpectOneMessage(Messages(), kLockedText);

        holder.Release();
        Messages().Clear();
        EXPECT_EQ(StoredCatches(Db()), m_before);  // nothing lost, no half-stored catch
        EXPECT_TRUE(Db().InsertCatch(form, id));
        EXPECT_TRUE(Messages().shown.empty()) << Messages().Texts().join(u'|').toStdString();
        EXPECT_EQ(StoredCatches(Db()),
                  m_before + QStringList{QStringLiteral("pendant le verrou|2|2")});
    }

    QStringList m_before;
};

TEST_F(LockedLog, StoreWhileAnotherProgramWritesSaysSoAndWorksAfterwards) {
    StoreUnderLock("EXCLUSIVE");  // the other program reads and writes: nobody else may read
}

TEST_F(LockedLog, StoreWhileAnotherProgramReservedTheLogSaysSoAndWorksAfterwards) {
    StoreUnderLock("IMMEDIATE");  // the other program is about to write: reads still work
}

TEST_F(LockedLog, DeleteAndChangeUnderTheLockKeepTheCatch) {
    const int stored = Db().GetLastId(Table::Catches);
    InMemoryCatchForm changed = CatchWith(Db(), QStringLiteral("changé sous le verrou"));
    SqliteLockHolder holder;
    ASSERT_TRUE(holder.Take(DataDir() + QStringLiteral("brevane.db"), "IMMEDIATE"))
        << holder.Error().toStdString();
    EXPECT_FALSE(Db().DeleteCatch(stored));
    ExpectOneMessage(Messages(), kLockedText);
    Messages().Clear();
    EXPECT_FALSE(Db().UpdateCatch(changed, stored));
    ExpectOneMessage(Messages(), kLockedText);
    holder.Release();
    EXPECT_EQ(StoredCatches(Db()), m_before);
}

TEST_F(LockedLog, AStartWhileAnotherProgramHoldsTheLogSaysLockedNotDamaged) {
    Db().Disconnect();
    SqliteLockHolder holder;
    ASSERT_TRUE(holder.Take(DataDir() + QStringLiteral("brevane.db"), "EXCLUSIVE"))
        << holder.Error().toStdString();
    CCatchDatabase second;
    EXPECT_FALSE(OpenCatchLog(second, DataDir(), QStringLiteral("BREVANE"), false));
    ExpectOneMessage(Messages(), kLockedText);
    EXPECT_FALSE(Messages().Texts().join(u'|').contains(QStringLiteral("endommagée")));
    holder.Release();
    Messages().Clear();
    EXPECT_TRUE(OpenCatchLog(second, DataDir(), QStringLiteral("BREVANE"), false))
        << Messages().Texts().join(u'|').toStdString();
    EXPECT_EQ(StoredCatches(second), m_before);
    second.Disconnect();
}

// ---- A data folder on a small file system of its own ----

class LogOnItsOwnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        if (!m_disk.IsMounted()) GTEST_SKIP() << "skipped: " << m_disk.Error().toStdString();
        SetUserMessages(&m_messages);
        ASSERT_TRUE(SeedImages(SourceImagesFolder(), Folder()));
        ASSERT_TRUE(Open()) << m_messages.Texts().join(u'|').toStdString();
        ASSERT_TRUE(AddCatalogue(m_db));
        InMemoryCatchForm first = CatchWith(m_db, QStringLiteral("première prise"));
        int id = -1;
        ASSERT_TRUE(m_db.InsertCatch(first, id));
        m_before = StoredCatches(m_db);
        ASSERT_EQ(m_before, QStringList{QString::fromUtf8("première prise|2|2")});
        ASSERT_TRUE(m_messages.shown.empty()) << m_messages.Texts().join(u'|').toStdString();
    }
    void TearDown() override {
        m_db.Disconnect();
        SetUserMessages(nullptr);
    }

    bool Open() { return OpenCatchLog(m_db, Folder(), QStringLiteral("BREVANE"), false); }
    QString Folder() const { return m_disk.Path(); }
    QString Database() const { return Folder() + QStringLiteral("brevane.db"); }

    TmpfsMount m_disk{2048};
    CCatchDatabase m_db;
    RecordingMessages m_messages;
    QStringList m_before;
};

using ReadOnlyFolder = LogOnItsOwnDisk;

TEST_F(ReadOnlyFolder, StoreSaysTheFolderIsReadOnlyAndWorksOnceWritable) {
    // The kernel keeps a file system writable while a file on it is open for writing, so the
    // folder turns read-only between two runs of the program, as a write-protected card does.
    m_db.Disconnect();
    ASSERT_TRUE(m_disk.SetReadOnly(true)) << m_disk.Error().toStdString();
    m_messages.Clear();
    const bool opened = Open();
    const QStringList atOpening = m_messages.Texts();
    std::printf("read-only folder: the log %s\n", opened ? "opens for reading" : "does not open");
    if (opened) {
        // The log opens for reading: what is stored is shown, a store is refused.
        EXPECT_TRUE(atOpening.isEmpty()) << atOpening.join(u'|').toStdString();
        EXPECT_EQ(StoredCatches(m_db), m_before);
        InMemoryCatchForm form = CatchWith(m_db, QStringLiteral("sur le disque protégé"));
        int id = -1;
        EXPECT_FALSE(m_db.InsertCatch(form, id));
        ExpectOneMessage(m_messages, kReadOnlyText);
        EXPECT_EQ(StoredCatches(m_db), m_before);
    } else {
        ASSERT_FALSE(atOpening.isEmpty());
        EXPECT_TRUE(atOpening.join(u'\n').contains(kReadOnlyText))
            << atOpening.join(u'|').toStdString();
    }
    m_db.Disconnect();

    ASSERT_TRUE(m_disk.SetReadOnly(false)) << m_disk.Error().toStdString();
    EXPECT_EQ(IntegrityCheck(Database()), QStringLiteral("ok"));
    m_messages.Clear();
    ASSERT_TRUE(Open()) << m_messages.Texts().join(u'|').toStdString();
    InMemoryCatchForm form = CatchWith(m_db, QStringLiteral("disque de nouveau inscriptible"));
    int id = -1;
    EXPECT_TRUE(m_db.InsertCatch(form, id));
    EXPECT_TRUE(m_messages.shown.empty()) << m_messages.Texts().join(u'|').toStdString();
    EXPECT_EQ(StoredCatches(m_db),
              m_before + QStringList{QStringLiteral("disque de nouveau inscriptible|2|2")});
}

using FullDisk = LogOnItsOwnDisk;

// Fills the file system with one file until the kernel says no.
bool FillDisk(const QString& path) {
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly)) return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    filler.close();
    return filler.size() > 0;
}

TEST_F(FullDisk, StoreSaysTheDiskIsFullKeepsTheLogAndWorksOnceThereIsRoom) {
    const QString filler = Folder() + QStringLiteral("remplissage.bin");
    ASSERT_TRUE(FillDisk(filler));
    const QString longComment =
        QStringLiteral("Belle carpe miroir prise au lever du jour, ").repeated(200);
    InMemoryCatchForm form = CatchWith(m_db, longComment);
    int id = -1;
    EXPECT_FALSE(m_db.InsertCatch(form, id));
    ExpectOneMessage(m_messages, kDiskFullText);

    EXPECT_EQ(IntegrityCheck(Database()), QStringLiteral("ok"));
    EXPECT_EQ(StoredCatches(m_db), m_before);

    ASSERT_TRUE(QFile::remove(filler));
    m_messages.Clear();
    EXPECT_TRUE(m_db.InsertCatch(form, id));
    EXPECT_TRUE(m_messages.shown.empty()) << m_messages.Texts().join(u'|').toStdString();
    EXPECT_EQ(StoredCatches(m_db), m_before + QStringList{longComment + QStringLiteral("|2|2")});
    EXPECT_EQ(IntegrityCheck(Database()), QStringLiteral("ok"));
}

// ---- The data folder turns read-only while the log is open ----

TEST_F(TestCatchLog, AFolderTurnedReadOnlyWhileOpenRefusesTheStoreAndWorksOnceWritable) {
    ASSERT_TRUE(AddCatalogue(Db()));
    InMemoryCatchForm first = CatchWith(Db(), QStringLiteral("avant"));
    int id = -1;
    ASSERT_TRUE(Db().InsertCatch(first, id));
    const QStringList before = StoredCatches(Db());
    Messages().Clear();

    PermissionsApply permissions;
    if (!permissions.Active()) GTEST_SKIP() << "skipped: root's permission override stays on";
    ReadOnlyFolderMode readOnly(DataDir());
    ASSERT_TRUE(readOnly.Done());
    // The journal SQLite writes beside the file before any change cannot be made.
    InMemoryCatchForm second = CatchWith(Db(), QStringLiteral("dossier en lecture seule"));
    EXPECT_FALSE(Db().InsertCatch(second, id));
    ASSERT_EQ(Messages().shown.size(), 1u) << Messages().Texts().join(u'|').toStdString();
    const QString message = Messages().shown[0].text;
    EXPECT_TRUE(message.startsWith(kReadOnlyText)) << message.toStdString();
    EXPECT_EQ(StoredCatches(Db()), before);

    readOnly.Restore();
    Messages().Clear();
    EXPECT_TRUE(Db().InsertCatch(second, id)) << Messages().Texts().join(u'|').toStdString();
    EXPECT_TRUE(Messages().shown.empty());
    EXPECT_EQ(StoredCatches(Db()),
              before + QStringList{QStringLiteral("dossier en lecture seule|2|2")});
}

}  // namespace
