// Stores catches in a loop into the catch log of a data folder, the way the program stores
// them, until it is killed. Used by the kill test: each identifier printed on standard output
// belongs to a catch whose InsertCatch had returned (with its fish and bait link rows).
//
//   catch_writer <data folder> prepare   opens the log, adds two fish, two baits and a place
//   catch_writer <data folder> write     opens the log, prints "ready", then stores forever
//   catch_writer <data folder> member <rounds> [data source]
//       one member of a club among others on the same log (the data source's server log, or
//       the folder's file): each round adds the fish "POISSON <round>" unless another member
//       was first, then stores a catch of that fish and the first one; prints "<catch> <fish>"
//       for every catch stored
//
// The data folder must hold the images/ tree already.
#include <cstdio>

#include <QCoreApplication>
#include <QStringList>

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "db/SqlStatement.h"
#include "store/CatchLogOpener.h"
#include "tests/support/InMemoryForms.h"

namespace {

std::vector<int> Identifiers(CCatchDatabase& db, const QString& table) {
    std::vector<int> ids;
    try {
        CDbRecordset rows(db);
        rows.SetSql(QStringLiteral("SELECT ID FROM ") + table + QStringLiteral(" ORDER BY ID"));
        if (!rows.Open()) return ids;
        while (rows.Fetch()) ids.push_back(rows.GetInt(1));
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
    }
    return ids;
}

bool Prepare(CCatchDatabase& db) {
    return db.InsertCatalogRow(Table::Fish, QStringLiteral("CARPE"), QString()) &&
           db.InsertCatalogRow(Table::Fish, QStringLiteral("BROCHET"), QString()) &&
           db.InsertCatalogRow(Table::Baits, QStringLiteral("MAIS"), QString()) &&
           db.InsertCatalogRow(Table::Baits, QStringLiteral("VER"), QString()) &&
           db.InsertCatalogRow(Table::Places, QStringLiteral("ETANG"), QString());
}

int WriteForever(CCatchDatabase& db) {
    InMemoryCatchForm form;
    form.fish = Identifiers(db, QStringLiteral("POISSONS"));
    form.baits = Identifiers(db, QStringLiteral("ESCHES"));
    const std::vector<int> places = Identifiers(db, QStringLiteral("LIEUX"));
    // Two of each, so that every catch has link rows rather than a single column value.
    if (form.fish.size() < 2 || form.baits.size() < 2 || places.empty()) {
        std::fprintf(stderr, "catch_writer: run 'prepare' first\n");
        return 2;
    }
    form.references[CatchReference::Place] = places.front();
    form.weight = 2.5;
    form.size = 61;
    form.number = 1;
    std::printf("ready\n");
    std::fflush(stdout);
    for (int round = 1;; ++round) {
        form.comment = QStringLiteral("Prise n° %1, relâchée près des nénuphars").arg(round);
        int id = -1;
        if (!db.InsertCatch(form, id)) {
            std::fprintf(stderr, "catch_writer: store %d failed\n", round);
            return 1;
        }
        std::printf("%d\n", id);
        std::fflush(stdout);
    }
}

// The identifier of the fish of that name, whoever added it; -1 when there is none.
int FishNamed(CCatchDatabase& db, const QString& name) {
    return RunOrShowError(-1, [&] {
        CDbRecordset rows(db);
        rows.SetSql(QStringLiteral("SELECT ID FROM POISSONS WHERE LIBELLE = ") +
                    QuoteSqlText(name));
        return rows.Open() && rows.Fetch() ? rows.GetInt(1) : -1;
    });
}

int WriteAsMember(CCatchDatabase& db, int rounds) {
    const std::vector<int> fish = Identifiers(db, QStringLiteral("POISSONS"));
    const std::vector<int> places = Identifiers(db, QStringLiteral("LIEUX"));
    if (fish.empty() || places.empty()) {
        std::fprintf(stderr, "catch_writer: run 'prepare' first\n");
        return 2;
    }
    InMemoryCatchForm form;
    form.references[CatchReference::Place] = places.front();
    form.number = 2;
    for (int round = 1; round <= rounds; ++round) {
        const QString name = QStringLiteral("POISSON %1").arg(round);
        InMemoryItemForm item(name, {}, {});
        int added = -1;
        // Refused ("existe déjà") when another member was first: that member's row is used.
        if (!db.AddCatalogItem(item, Table::Fish, added)) added = FishNamed(db, name);
        if (added <= 0) {
            std::fprintf(stderr, "catch_writer: no fish named %s\n", qPrintable(name));
            return 1;
        }
        form.fish = {fish.front(), added};
        form.comment = QStringLiteral("Tour %1").arg(round);
        int id = -1;
        if (!db.InsertCatch(form, id)) {
            std::fprintf(stderr, "catch_writer: store %d failed\n", round);
            return 1;
        }
        std::printf("%d %d\n", id, added);
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr,
                     "usage: catch_writer <data folder> prepare|write|member <rounds> [dsn]\n");
        return 2;
    }
    QString folder = arguments.at(1);
    if (!folder.endsWith(u'/')) folder += u'/';
    const QString mode = arguments.at(2);
    const QString dsn = mode == QLatin1String("member") ? arguments.value(4) : QString();
    CCatchDatabase db;
    const bool opened = dsn.isEmpty() ? OpenCatchLog(db, folder, QStringLiteral("BREVANE"), false)
                                      : OpenSharedCatchLog(db, folder, dsn, false);
    if (!opened) return 1;
    int code = 0;
    if (mode == QLatin1String("prepare"))
        code = Prepare(db) ? 0 : 1;
    else if (mode == QLatin1String("member"))
        code = WriteAsMember(db, arguments.value(3).toInt());
    else
        code = WriteForever(db);
    db.Disconnect();
    return code;
}
