// The catch list in the main view's real navigation list: filled and painted as at start-up,
// and put right after one catch was added, changed or deleted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <map>
#include <memory>
#include <optional>

#include "bench/BenchLogs.h"
#include "bench/BenchTargets.h"
#include "catalog/CatchDatabase.h"
#include "db/DbTransaction.h"
#include "db/SQLException.h"
#include "ui/view/CatchRowUpdate.h"
#include "ui/view/ListTargets.h"
#include "widgets/NavigationList.h"

namespace {

// One log per process is enough here; the list widget is the subject.
CCatchDatabase* GetDb(int catches) {
    static std::map<int, std::unique_ptr<CCatchDatabase>> logs;
    auto& db = logs[catches];
    if (!db)
        db = OpenBenchLog(EnsureCatchLog(catches),
                          QStringLiteral("BREVANE_BENCH_LIST_%1").arg(catches));
    return db.get();
}

// The navigation list of the 800 x 600 window, shown.
void ShowList(CNavigationList& list) {
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.resize(180, 470);
    list.show();
    QCoreApplication::processEvents();
}

void BM_FillNavigationListWidget(benchmark::State& state) {
    CCatchDatabase* db = GetDb(static_cast<int>(state.range(0)));
    if (!db) {
        state.SkipWithError("le carnet d'exemple n'a pas pu être ouvert");
        return;
    }
    CNavigationList list;
    ShowList(list);
    CListWidgetTarget target(list);
    for (auto _ : state) {
        if (!db->FillNavigationList(target, Category::Catches))
            state.SkipWithError("FillNavigationList a échoué");
        list.repaint();  // the first paint of the filled list
    }
    state.counters["rows"] = list.count();
    state.counters["peak_MB"] = PeakMemoryMegabytes();
}

enum RowChange { kAdd, kChange, kDelete };

// Makes the change inside a transaction that is rolled back afterwards, so the sample log
// stays as generated; returns the catch changed.
int MakeChange(CCatchDatabase& db, RowChange change, int middleId) {
    switch (change) {
        case kAdd:
            db.ExecuteDirect(
                QStringLiteral(
                    "INSERT INTO PRISES (DATE_PRISE, ID_LIEU, ID_POISSON, ID_ESCHE) SELECT "
                    "DATE_PRISE, ID_LIEU, ID_POISSON, ID_ESCHE FROM PRISES WHERE ID = %1")
                    .arg(middleId));
            return db.GetLastId(Table::Catches);
        case kChange:
            db.ExecuteDirect(
                QStringLiteral("UPDATE PRISES SET DATE_PRISE = '2001-02-03 04:05:00' WHERE ID = %1")
                    .arg(middleId));
            return middleId;
        case kDelete:
            db.ExecuteDirect(QStringLiteral("DELETE FROM PRISES WHERE ID = %1").arg(middleId));
            return middleId;
    }
    return middleId;
}

// What the view does after the catch dialog or the deletion: the one row put right, then the
// sheet of the selected catch. The write itself is not timed.
void BM_CatchRowUpdate(benchmark::State& state) {
    CCatchDatabase* db = GetDb(static_cast<int>(state.range(0)));
    if (!db) {
        state.SkipWithError("le carnet d'exemple n'a pas pu être ouvert");
        return;
    }
    const auto change = static_cast<RowChange>(state.range(1));
    CNavigationList list;
    ShowList(list);
    CListWidgetTarget target(list);
    db->FillNavigationList(target, Category::Catches);
    const int middleId = list.item(list.count() / 2)->data(Qt::UserRole).toInt();
    CBenchCatchPanel panel;
    try {
        for (auto _ : state) {
            state.PauseTiming();
            std::optional<CDbTransaction> transaction(std::in_place, *db);
            const int id = MakeChange(*db, change, middleId);
            state.ResumeTiming();
            if (!UpdateCatchRow(*db, list, id)) state.SkipWithError("UpdateCatchRow a échoué");
            db->ShowCatchSheet(panel, list.currentItem()->data(Qt::UserRole).toInt());
            list.repaint();
            state.PauseTiming();
            transaction.reset();  // rolled back: the log and the list as they were
            UpdateCatchRow(*db, list, id);
            state.ResumeTiming();
        }
    } catch (CSQLException* raw) {
        const std::unique_ptr<CSQLException> error(raw);
        state.SkipWithError(error->message.toUtf8().constData());
    }
    state.counters["rows"] = list.count();
}

}  // namespace

BENCHMARK(BM_FillNavigationListWidget)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->ArgName("prises")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_CatchRowUpdate)
    ->ArgsProduct({{100000, 1000000}, {kAdd, kChange, kDelete}})
    ->ArgNames({"prises", "changement"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv) {
    PrepareBenchEnvironment();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
