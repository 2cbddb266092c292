#include "bench/SqliteFloor.h"

#include <sqlite3.h>

#include <QFile>
#include <QHash>
#include <QStringList>
#include <memory>
#include <vector>

#include "catalog/ListTarget.h"

namespace {

constexpr int kSeveralIds = 999999;

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

Statement Prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) return nullptr;
    return Statement(statement);
}

QString TextColumn(sqlite3_stmt* statement, int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column));
}

// "yyyy-mm-dd ..." as "dd/mm/yyyy".
QString DayFirst(sqlite3_stmt* statement, int column) {
    const char* moment = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    if (moment == nullptr || sqlite3_column_bytes(statement, column) < 10) return {};
    const char date[10] = {moment[8], moment[9], '/',       moment[5], moment[6],
                           '/',       moment[0], moment[1], moment[2], moment[3]};
    return QString::fromLatin1(date, 10);
}

}  // namespace

int FillCatchListFloor(const QString& databasePath, IListTarget& list) {
    sqlite3* opened = nullptr;
    const int status = sqlite3_open_v2(QFile::encodeName(databasePath).constData(), &opened,
                                       SQLITE_OPEN_READONLY, nullptr);
    Database db(opened);
    if (status != SQLITE_OK) return -1;

    QHash<int, QString> labels;
    Statement fish = Prepare(db.get(), "SELECT ID, LIBELLE FROM POISSONS");
    if (!fish) return -1;
    while (sqlite3_step(fish.get()) == SQLITE_ROW)
        labels.insert(sqlite3_column_int(fish.get(), 0), TextColumn(fish.get(), 1));

    QHash<int, QStringList> several;
    Statement links = Prepare(db.get(),
                              "SELECT ID_PRISE, ID_POISSON FROM PRISE_POISSONS WHERE ID_PRISE IN "
                              "(SELECT ID FROM PRISES WHERE ID_POISSON = 999999)");
    if (!links) return -1;
    while (sqlite3_step(links.get()) == SQLITE_ROW)
        several[sqlite3_column_int(links.get(), 0)]
            << labels.value(sqlite3_column_int(links.get(), 1));

    list.Clear();
    Statement rows = Prepare(db.get(), "SELECT ID, ID_POISSON, DATE_PRISE FROM PRISES ORDER BY ID");
    if (!rows) return -1;
    const QString separator = QStringLiteral(" - ");
    while (sqlite3_step(rows.get()) == SQLITE_ROW) {
        const int id = sqlite3_column_int(rows.get(), 0);
        const int fishId = sqlite3_column_int(rows.get(), 1);
        const QString names = fishId == kSeveralIds ? several.value(id).join(QStringLiteral(", "))
                                                    : labels.value(fishId);
        list.Append(DayFirst(rows.get(), 2) + separator + names, id);
    }
    if (list.Count() > 0) list.SelectRow(0);
    return list.Count();
}
