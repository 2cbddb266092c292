// A check that guards a write (is this fish still named by a catch? is this name taken?) run
// while another program holds the log. The other program lets go the moment the angler is
// shown the first message, so a write that went ahead after a failed check would reach the
// file: nothing may be deleted or added, and the cause is shown once.
#include <functional>

#include "catalog/Album.h"
#include "catalog/CatalogKind.h"
#include "tests/faults/SqliteLockHolder.h"
#include "tests/support/InMemoryForms.h"
#include "tests/support/TestCatchLog.h"

namespace {

// Records the messages, and ends the other program's hold at the first one.
class ReleasingMessages : public RecordingMessages {
public:
    explicit ReleasingMessages(SqliteLockHolder& holder) : m_holder(holder) {}
    void ShowMessage(const QString& text, MessageIcon icon) override {
        RecordingMessages::ShowMessage(text, icon);
        m_holder.Release();
    }

private:
    SqliteLockHolder& m_holder;
};

struct GuardedCase {
    const char* name;
    std::function<bool(CCatchDatabase&, int fishId)> write;
    const char* countQuery;  // what the write would have changed
};

const GuardedCase kCases[] = {
    {"DeleteOfAFishACatchNames",
     [](CCatchDatabase& db, int fish) { return db.DeleteCatalogItem(CatalogKind::Fish, fish); },
     "SELECT COUNT(*) FROM POISSONS"},
    {"AddOfANameAlreadyTaken",
     [](CCatchDatabase& db, int) {
         InMemoryItemForm form(QStringLiteral("carpe"), {}, {});
         int id = -1;
         return db.AddCatalogItem(form, CatalogKind::Fish, id);
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
    if (!SqliteLockHolder::ShellAvailable()) GTEST_SKIP() << "skipped: needs the sqlite3 shell";
    const int place = AddCatalogRow(QStringLiteral("LIEUX"), QStringLiteral("ETANG"));
    const int carp = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("CARPE"));
    AddCatch(QStringLiteral("2024-06-01 06:00:00"), place, carp);
    Exec(QStringLiteral("INSERT INTO ALBUMS (LIBELLE) VALUES ('BRETAGNE')"));
    const QString countQuery = QString::fromLatin1(GetParam().countQuery);
    const int before = ScalarInt(countQuery);

    SqliteLockHolder other;
    ASSERT_TRUE(other.Take(DataDir() + "brevane.db")) << other.Error().toStdString();
    ReleasingMessages messages(other);
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
