// The catch-log operations on logs of 1,000, 10,000 and 100,000 catches (the catch list also
// on 1,000,000), each measured on the same generated file, beside the floor of the catch list:
// the same rows and labels read straight through the sqlite3 C API.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDate>
#include <chrono>
#include <map>

#include "bench/BenchLogs.h"
#include "bench/BenchTargets.h"
#include "bench/SqliteFloor.h"
#include "catalog/CatchDatabase.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"

namespace {

constexpr int kSeveralIds = 999999;

// What a run needs to know of one log: its connection and a few representative values.
struct BenchLog {
    QString folder;
    std::unique_ptr<CCatchDatabase> db;
    int commonSpecies = -1;  // the species with most single-species catches
    int commonPlace = -1;
    int commonBait = -1;
    std::vector<int> sheetIds;  // spread over the log, with catches of several fish and baits
};

int QueryInt(CCatchDatabase& db, const QString& sql) {
    CDbRecordset rows(db);
    rows.SetSql(sql);
    return rows.Open() && rows.Fetch() ? rows.GetInt(1) : -1;
}

std::vector<int> QueryInts(CCatchDatabase& db, const QString& sql) {
    std::vector<int> values;
    CDbRecordset rows(db);
    rows.SetSql(sql);
    if (rows.Open())
        while (rows.Fetch()) values.push_back(rows.GetInt(1));
    return values;
}

QString MostCommon(const QString& column) {
    return QStringLiteral(
               "SELECT %1 FROM PRISES WHERE %1 NOT IN (-1, 999999) GROUP BY %1 "
               "ORDER BY COUNT(*) DESC LIMIT 1")
        .arg(column);
}

BenchLog* GetLog(int catches) {
    static std::map<int, BenchLog> logs;
    auto found = logs.find(catches);
    if (found != logs.end()) return found->second.db ? &found->second : nullptr;
    BenchLog& log = logs[catches];
    const QString dsn = QStringLiteral("BREVANE_BENCH_%1").arg(catches);
    log.folder = EnsureCatchLog(catches);
    // BREVANE_BENCH_WITHOUT_INDEXES=1 measures the same logs without the program's indexes.
    log.db = qEnvironmentVariableIsSet("BREVANE_BENCH_WITHOUT_INDEXES")
                 ? OpenBenchLogWithoutIndexes(log.folder, dsn)
                 : OpenBenchLog(log.folder, dsn);
    if (!log.db) return nullptr;
    CCatchDatabase& db = *log.db;
    const bool read = RunOrShowError(false, [&] {
        log.commonSpecies = QueryInt(db, MostCommon(QStringLiteral("ID_POISSON")));
        log.commonPlace = QueryInt(db, MostCommon(QStringLiteral("ID_LIEU")));
        log.commonBait = QueryInt(db, MostCommon(QStringLiteral("ID_ESCHE")));
        const int step = std::max(1, catches / 56);
        log.sheetIds =
            QueryInts(db, QStringLiteral("SELECT ID FROM PRISES WHERE ID % %1 = 0").arg(step));
        for (const int id : QueryInts(db, QStringLiteral("SELECT ID FROM PRISES WHERE ID_POISSON = "
                                                         "999999 AND ID_ESCHE = 999999 LIMIT 8")))
            log.sheetIds.push_back(id);
        return true;
    });
    if (!read) {
        log.db.reset();
        return nullptr;
    }
    return &log;
}

void SetFilter(CCatchDatabase& db, int fish, int bait, int place) {
    CatchFilter& filter = db.Filter();
    filter = CatchFilter();
    filter.fish = fish;
    filter.bait = bait;
    filter.place = place;
}

#define BENCH_LOG_OR_SKIP(state, log)                                      \
    BenchLog* log = GetLog(static_cast<int>(state.range(0)));              \
    if (!log) {                                                            \
        state.SkipWithError("le carnet d'exemple n'a pas pu être ouvert"); \
        return;                                                            \
    }

// The floor: the same rows and labels through the sqlite3 C API. Its list must be the one
// FillCatchList makes, or the comparison means nothing.
void BM_SqliteFloor(benchmark::State& state) {
    BENCH_LOG_OR_SKIP(state, log);
    const QString path = log->folder + QStringLiteral("brevane.db");
    CBenchList floor;
    for (auto _ : state) {
        if (FillCatchListFloor(path, floor) < 0) state.SkipWithError("lecture sqlite3 impossible");
    }
    CBenchList program;
    SetFilter(*log->db, -1, -1, -1);
    if (!log->db->FillCatchList(program) || program.rows != floor.rows)
        state.SkipWithError("le plancher ne lit pas les mêmes lignes que FillCatchList");
    state.counters["rows"] = floor.Count();
}

// The floor and FillCatchList one after the other in every iteration, so that both meet the
// same load of a shared machine: the time is FillCatchList's, "ratio" the quotient of the
// two sums.
void BM_CatchListAgainstFloor(benchmark::State& state) {
    BENCH_LOG_OR_SKIP(state, log);
    const QString path = log->folder + QStringLiteral("brevane.db");
    SetFilter(*log->db, -1, -1, -1);
    CBenchList floor;
    CBenchList program;
    std::chrono::duration<double> floorTotal{0};
    std::chrono::duration<double> programTotal{0};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (FillCatchListFloor(path, floor) < 0) state.SkipWithError("lecture sqlite3 impossible");
        const auto middle = std::chrono::steady_clock::now();
        if (!log->db->FillCatchList(program)) state.SkipWithError("FillCatchList a échoué");
        const auto end = std::chrono::steady_clock::now();
        floorTotal += middle - start;
        programTotal += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(end - middle).count());
    }
    if (program.rows != floor.rows)
        state.SkipWithError("le plancher ne lit pas les mêmes lignes que FillCatchList");
    state.counters["floor_ms"] =
        benchmark::Counter(floorTotal.count() * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = floorTotal.count() > 0 ? programTotal / floorTotal : 0.0;
}

void RunCatchList(benchmark::State& state, BenchLog& log) {
    CBenchList list;
    for (auto _ : state) {
        if (!log.db->FillCatchList(list)) state.SkipWithError("FillCatchList a échoué");
    }
    state.counters["rows"] = list.Count();
    SetFilter(*log.db, -1, -1, -1);
}

void BM_FillCatchList(benchmark::State& state) {
    BENCH_LOG_OR_SKIP(state, log);
    SetFilter(*log->db, -1, -1, -1);
    RunCatchList(state, *log);
}

// The most common species: every catch of several fish has its link rows looked at.
void BM_FillCatchListFishFilter(benchmark::State& state) {
    BENCH_LOG_OR_SKIP(state, log);
    SetFilter(*log->db, log->commonSpecies, -1, -1);
    RunCatchList(state, *log);
}

void BM_FillCatchListBaitPlaceFilter(benchmark::State& state) {
    BENCH_LOG_OR_SKIP(state, log);
    SetFilter(*log->db, -1, log->commonBait, log->commonPlace);
    RunCatchList(state, *log);
}

// The catches of a session lasting the whole of last year.
void BM_FillSessionCatches(benchmark::State& state) {
    BENCH_LOG_OR_SKIP(state, log);
    const int year = QDate::currentDate().year() - 1;
    CBenchList list;
    for (auto _ : state) {
        if (!log->db->FillSessionCatches(list, year * 10000 + 101, year * 10000 + 1231, 0, 2359))
            state.SkipWithError("FillSessionCatches a échoué");
    }
    state.counters["rows"] = list.Count();
}

void BM_ShowCatchSheet(benchmark::State& state) {
    BENCH_LOG_OR_SKIP(state, log);
    CBenchCatchPanel panel;
    size_t next = 0;
    for (auto _ : state) {
        const int id = log->sheetIds[next++ % log->sheetIds.size()];
        if (!log->db->ShowCatchSheet(panel, id)) state.SkipWithError("ShowCatchSheet a échoué");
    }
    state.counters["sheets"] = static_cast<double>(log->sheetIds.size());
}

void RunRecords(benchmark::State& state, BenchLog& log, int species) {
    CBenchStatisticsPanel panel;
    for (auto _ : state) {
        if (!log.db->ShowRecords(panel, species)) state.SkipWithError("ShowRecords a échoué");
    }
    state.counters["lines"] = panel.records.count(QStringLiteral("\r\n\r\n"));
}

void BM_ShowRecordsCommonSpecies(benchmark::State& state) {
    BENCH_LOG_OR_SKIP(state, log);
    RunRecords(state, *log, log->commonSpecies);
}

void BM_ShowRecordsPoissonsDivers(benchmark::State& state) {
    BENCH_LOG_OR_SKIP(state, log);
    RunRecords(state, *log, kSeveralIds);
}

void BM_FillSpeciesList(benchmark::State& state) {
    BENCH_LOG_OR_SKIP(state, log);
    CBenchList list;
    for (auto _ : state) {
        if (!log->db->FillSpeciesList(list)) state.SkipWithError("FillSpeciesList a échoué");
    }
    state.counters["rows"] = list.Count();
}

void BM_FillMonthList(benchmark::State& state) {
    BENCH_LOG_OR_SKIP(state, log);
    CBenchList list;
    for (auto _ : state) {
        if (!log->db->FillMonthList(list)) state.SkipWithError("FillMonthList a échoué");
    }
    state.counters["rows"] = list.Count();
}

void LogSizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

// The catch list and its floor also on a club's log of a million catches.
void ListSizes(benchmark::internal::Benchmark* bench) {
    LogSizes(bench);
    bench->Arg(1000000);
}

}  // namespace

BENCHMARK(BM_SqliteFloor)->Apply(ListSizes);
BENCHMARK(BM_FillCatchList)->Apply(ListSizes);
BENCHMARK(BM_CatchListAgainstFloor)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK(BM_FillCatchListFishFilter)->Apply(LogSizes);
BENCHMARK(BM_FillCatchListBaitPlaceFilter)->Apply(LogSizes);
BENCHMARK(BM_FillSessionCatches)->Apply(LogSizes);
BENCHMARK(BM_ShowCatchSheet)->Apply(LogSizes);
BENCHMARK(BM_ShowRecordsCommonSpecies)->Apply(LogSizes);
BENCHMARK(BM_ShowRecordsPoissonsDivers)->Apply(LogSizes);
BENCHMARK(BM_FillSpeciesList)->Apply(LogSizes);
BENCHMARK(BM_FillMonthList)->Apply(LogSizes);

int main(int argc, char** argv) {
    PrepareBenchEnvironment();
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
