// The one helper through which the program catches the database layer's errors: the error is
// shown once (or handed back, owned), and the operation's failure value comes back.
#include <QString>
#include <optional>

#include "db/DbErrorGuard.h"
#include "tests/support/ScratchDatabase.h"

namespace {

class ErrorGuard : public ScratchDatabase {};

const QString kFailing = QStringLiteral("SELECT * FROM NOWHERE");
const QString kWorking = QStringLiteral("CREATE TABLE IF NOT EXISTS T (A INTEGER)");

TEST_F(ErrorGuard, EachHelperGivesTheOperationsResultOrItsFailureAndShowsTheErrorOnce) {
    struct Case {
        const QString* sql;
        bool failing;
    };
    for (const Case& c : {Case{&kWorking, false}, Case{&kFailing, true}}) {
        SCOPED_TRACE(c.sql->toStdString());
        Messages().Clear();
        const auto run = [&] { return Connection().ExecuteDirect(*c.sql) ? 7 : 0; };
        EXPECT_EQ(RunOrShowError(-1, run), c.failing ? -1 : 7);
        const std::optional<int> checked = CheckOrShowError(run);
        EXPECT_EQ(checked.has_value(), !c.failing);
        const auto error = CatchDbError(run);
        EXPECT_EQ(error != nullptr, c.failing);
        if (error) {
            EXPECT_TRUE(error->message.contains(QStringLiteral("NOWHERE")));
        }

        // Shown by the first two only: CatchDbError leaves the showing to its caller.
        const int shown = static_cast<int>(Messages().shown.size());
        EXPECT_EQ(shown, c.failing ? 2 : 0);
        for (const auto& message : Messages().shown) {
            EXPECT_EQ(message.icon, MessageIcon::Stop);
            EXPECT_TRUE(message.text.contains(QStringLiteral("NOWHERE")));
        }
    }
}

// A guarding check that cannot run answers "unknown", never "no": the write it guards is refused.
TEST_F(ErrorGuard, ACheckThatCannotRunIsNotTakenForANo) {
    const std::optional<bool> found =
        CheckOrShowError([&] { return Connection().ExecuteDirect(kFailing); });
    EXPECT_FALSE(found.has_value());
    EXPECT_EQ(Messages().shown.size(), 1u);
}

}  // namespace
