// Moving the log out: the spreadsheet export and the automatic dated copy (VACUUM INTO and
// its quick check), on logs of 1,000, 10,000 and 100,000 catches.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <map>

#include "bench/BenchLogs.h"
#include "catalog/CatchCsvExport.h"
#include "catalog/CatchDatabase.h"
#include "store/AutomaticBackup.h"

namespace {

CCatchDatabase* GetLog(int catches) {
    static std::map<int, std::unique_ptr<CCatchDatabase>> logs;
    auto& log = logs[catches];
    if (!log)
        log = OpenBenchLog(EnsureCatchLog(catches),
                           QStringLiteral("BREVANE_BENCH_TRANSFER_%1").arg(catches));
    return log.get();
}

void BM_ExportCsv(benchmark::State& state) {
    CCatchDatabase* db = GetLog(static_cast<int>(state.range(0)));
    QTemporaryDir folder;
    if (!db || !folder.isValid()) return state.SkipWithError("no log");
    CSilentProgress progress;
    for (auto _ : state)
        if (!ExportCatchesCsv(*db, folder.filePath("prises.csv"), progress).IsDone())
            return state.SkipWithError("export failed");
}

// The copy goes to a scratch folder: the sample log's own folder stays as generated.
void BM_AutomaticBackup(benchmark::State& state) {
    CCatchDatabase* db = GetLog(static_cast<int>(state.range(0)));
    QTemporaryDir folder;
    if (!db || !folder.isValid()) return state.SkipWithError("no log");
    int second = 0;
    for (auto _ : state) {
        const QDateTime moment = QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(++second);
        if (!WriteAutomaticBackup(*db, folder.path() + u'/', moment).isEmpty())
            return state.SkipWithError("backup failed");
    }
}

void LogSizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

}  // namespace

BENCHMARK(BM_ExportCsv)->Apply(LogSizes);
BENCHMARK(BM_AutomaticBackup)->Apply(LogSizes);

int main(int argc, char** argv) {
    PrepareBenchEnvironment();
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
