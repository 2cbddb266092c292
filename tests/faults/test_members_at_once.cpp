// Two members of a club store catches and add fish names into one log at the same moment,
// each with a real program of its own (catch_writer, storing through the program's own
// operations). Every catch each of them reported stored is there once, under its own
// identifier, with its own two fish rows; every name exists once, whoever added it first.
#include <set>

#include <QProcess>

#include "catalog/CatalogKind.h"
#include "tests/support/TestCatchLog.h"

namespace {

constexpr int kRounds = 40;

class MembersAtOnce : public TestCatchLog {};

TEST_F(MembersAtOnce, EveryCatchIsStoredOnceWithItsFishAndNoNameTwice) {
    AddCatalogRow(QStringLiteral("LIEUX"), QStringLiteral("ETANG"));
    const int carp = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("CARPE"));
    QStringList arguments = {DataDir(), QStringLiteral("member"), QString::number(kRounds)};
    // On the server run the fixture's own data source names the log.
    if (OnServer()) arguments << QStringLiteral("BREVANE");

    QProcess first;
    QProcess second;
    first.start(QStringLiteral(CATCH_WRITER_PATH), arguments);
    second.start(QStringLiteral(CATCH_WRITER_PATH), arguments);
    std::set<int> reported;
    int reportedCount = 0;
    for (QProcess* member : {&first, &second}) {
        ASSERT_TRUE(member->waitForFinished(120000));
        ASSERT_EQ(member->exitCode(), 0) << member->readAllStandardError().toStdString();
        const QList<QByteArray> lines = member->readAllStandardOutput().split('\n');
        for (const QByteArray& line : lines) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() != 2) continue;
            const int catchId = fields[0].toInt();
            const int fishId = fields[1].toInt();
            reported.insert(catchId);
            ++reportedCount;
            // The catch holds the member's own two fish, nobody else's.
            EXPECT_EQ(Values(QStringLiteral("SELECT ID_POISSON FROM PRISE_POISSONS WHERE "
                                            "ID_PRISE = %1 ORDER BY ID_POISSON")
                                 .arg(catchId)),
                      QStringList({QString::number(carp), QString::number(fishId)}));
        }
    }
    EXPECT_EQ(reportedCount, 2 * kRounds);
    EXPECT_EQ(static_cast<int>(reported.size()), 2 * kRounds);
    EXPECT_EQ(CountRows(QStringLiteral("PRISES")), 2 * kRounds);
    EXPECT_EQ(CountRows(QStringLiteral("PRISE_POISSONS")), 4 * kRounds);
    // Each round's name once: the later member was refused and used the first one's row.
    EXPECT_EQ(CountRows(QStringLiteral("POISSONS")), kRounds + 1);
    EXPECT_EQ(ScalarInt(QStringLiteral("SELECT COUNT(DISTINCT upper(LIBELLE)) FROM POISSONS")),
              kRounds + 1);
}

}  // namespace
