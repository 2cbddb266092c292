// A check that guards a write (is this fish still named by a catch? is this name taken?) run
// while another program holds the log. The other program lets go the moment the angler is
// shown the first message, so a write that went ahead after a failed check would reach the
// file: nothing may be deleted or added, and the cause is shown once.
#include <functional>
#include <memory>

#include "catalog/Album.h"
#include "catalog/CatalogKind.h"
#include "db/DbErrorGuard.h"
#include "db/DbTransaction.h"
#include "tests/faults/SqliteLockHolder.h"
#include "tests/support/InMemoryForms.h"
#include "tests/support/TestCatchLog.h"

namespace {

// Another member's Brevane on a server log: its own connection inside a write transaction,
// which holds the log's write lock until Release().
class ServerWriteHolder {
public:
    bool Take(const CDbConnection& db) {
        m_connection = std::make_unique<CDbConnection>();
        if (!m_connection->ConnectLike(db)) return false;
        return !CatchDbError([&] {
            m_transaction =
                std::make_unique<CDbTransaction>(*m_connection, CDbTransaction::Kind::Immediate);
        });
    }
    void Release() {
        m_transaction.reset();
        m_connection.reset();
    }

private:
    std::unique_ptr<CDbConnection> m_connection;
    std::unique_ptr<CDbTransaction> m_transaction;
};

// Records the messages, and ends the other program's hold at the first one.
class ReleasingMessages : public RecordingMessages {
public:
    explicit ReleasingMessages(std::function<void()> release) : m_release(std::move(release)) {}
    void ShowMessage(const QString& text, MessageIcon icon) override {
        RecordingMessages::ShowMessage(text, icon);
        m_release();
    }

private:
    std::function<void()> m_release;
};

struct GuardedCase {
    const char* name;
    std::function<bool(CCatchDatabase&, int fishId)> write;
    const char* countQuery;  // what the write would have changed
};

const GuardedCase kCases[] = {
    {"DeleteOfAFishACatchNames",
     [](CCatchDatabase& db, int fish) { return db.DeleteCatalogItem(Table::Fish, fish); },
     "SELECT COUNT(*) FROM POISSONS"},
    {"AddOfANameAlreadyTaken",
     [](CCatchDatabase& db, int) {
         InMemoryItemForm form(QStringLiteral("carpe"), {}, {});
         int id = -1;
         return db.AddCatalogItem(form, Table::Fish, id);
     },
     "SELECT COUNT(*) FROM POISSONS"},
    {"AlbumNamedAsAnother",
     [](CCatchDatabase& db, int) {
         CAlbum album;
         album.name = QStringLiteral("bretagne");
         return db.AddAlbum(album);
     },
     "SELECT COUNT(*) FROM ALBUMS"},
};

class ChecksFailClosed : public TestCatchLog, public ::testing::WithParamInterface<GuardedCase> {};

TEST_P(ChecksFailClosed, UnderAnotherProgramsLockNothingIsWrittenAndTheCauseIsShownOnce) {
    if (!OnServer() && !SqliteLockHolder::ShellAvailable())
        GTEST_SKIP() << "skipped: needs the sqlite3 shell";
    const int place = AddCatalogRow(QStringLiteral("LIEUX"), QStringLiteral("ETANG"));
    const int carp = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("CARPE"));
    AddCatch(QStringLiteral("2024-06-01 06:00:00"), place, carp);
    Exec(QStringLiteral("INSERT INTO ALBUMS (LIBELLE) VALUES ('BRETAGNE')"));
    const QString countQuery = QString::fromLatin1(GetParam().countQuery);
    const int before = ScalarInt(countQuery);

    SqliteLockHolder otherOnFile;
    ServerWriteHolder otherOnServer;
    if (OnServer())
        ASSERT_TRUE(otherOnServer.Take(Db()));
    else
        ASSERT_TRUE(otherOnFile.Take(DataDir() + "brevane.db"))
            << otherOnFile.Error().toStdString();
    ReleasingMessages messages([&] {
        otherOnFile.Release();
        otherOnServer.Release();
    });
    SetUserMessages(&messages);
    const bool written = GetParam().write(Db(), carp);
    SetUserMessages(&Messages());

    EXPECT_FALSE(written);
    EXPECT_EQ(messages.shown.size(), 1u) << messages.Texts().join(" | ").toStdString();
    EXPECT_EQ(ScalarInt(countQuery), before);
}

INSTANTIATE_TEST_SUITE_P(Writes, ChecksFailClosed, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
