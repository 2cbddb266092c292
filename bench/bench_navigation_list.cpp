// The catch list filled into a real QListWidget, as the main view fills its navigation list:
// what the angler waits for at start-up and after each change, beyond FillCatchList itself.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <map>

#include "bench/BenchLogs.h"
#include "catalog/CatchDatabase.h"
#include "ui/view/ListTargets.h"

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

// state.range(1): 1 when the list is told that all its rows have the same height.
void BM_FillNavigationListWidget(benchmark::State& state) {
    CCatchDatabase* db = GetDb(static_cast<int>(state.range(0)));
    if (!db) {
        state.SkipWithError("le carnet d'exemple n'a pas pu être ouvert");
        return;
    }
    QListWidget list;
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setUniformItemSizes(state.range(1) == 1);
    list.resize(180, 470);  // the navigation list of the 800 x 600 window
    list.show();
    QCoreApplication::processEvents();
    CListWidgetTarget target(list);
    for (auto _ : state) {
        if (!db->FillNavigationList(target, 1)) state.SkipWithError("FillNavigationList a échoué");
        list.repaint();  // the first paint of the filled list
    }
    state.counters["rows"] = list.count();
}

}  // namespace

BENCHMARK(BM_FillNavigationListWidget)
    ->ArgsProduct({{10000, 100000}, {0, 1}})
    ->ArgNames({"prises", "uniforme"})
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
