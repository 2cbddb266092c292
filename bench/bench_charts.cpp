// Every chart of "GRAPHIQUES" counted on the log of 100,000 catches: without a filter, and with
// the filters an angler sets (the most common species and a year).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <memory>

#include "bench/BenchLogs.h"
#include "catalog/CatchDatabase.h"
#include "catalog/ChartQueries.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "store/SqlDialect.h"

namespace {

constexpr int kCatches = 100000;

struct ChartLog {
    std::unique_ptr<CCatchDatabase> db;
    int commonSpecies = -1;
    QDate lastYear;  // first day of the year of the latest catch
};

ChartLog* Log() {
    static ChartLog log = [] {
        ChartLog made;
        made.db = OpenBenchLog(EnsureCatchLog(kCatches), QStringLiteral("BREVANE_BENCH_CHARTS"));
        if (!made.db) return made;
        CDbRecordset common(*made.db);
        common.SetSql(
            QStringLiteral("SELECT ID_POISSON FROM PRISES WHERE ID_POISSON <> 999999 "
                           "GROUP BY ID_POISSON ORDER BY COUNT(*) DESC LIMIT 1"));
        if (common.Open() && common.Fetch()) made.commonSpecies = common.GetInt(1);
        CDbRecordset latest(*made.db);
        latest.SetSql(QStringLiteral("SELECT MAX(DATE_PRISE) FROM PRISES"));
        if (latest.Open() && latest.Fetch())
            made.lastYear = QDate(latest.GetText(1).left(4).toInt(), 1, 1);
        return made;
    }();
    return log.db ? &log : nullptr;
}

void RunChart(benchmark::State& state, ChartKind kind, bool filtered) {
    ChartLog* log = Log();
    if (!log) {
        state.SkipWithError("journal de test introuvable");
        return;
    }
    ChartFilter filter;
    const ChartDefinition& chart = ChartOf(kind);
    // The weight and size charts always need a species.
    if (filtered || chart.grouping == ChartGrouping::Histogram) filter.species = log->commonSpecies;
    if (filtered) {
        filter.from = log->lastYear;
        filter.to = log->lastYear.addYears(1).addDays(-1);
    }
    size_t rows = 0;
    for (auto _ : state) {
        const auto error = CatchDbError(
            [&] { rows = QueryChart(*log->db, kind, filter, SqliteDatePart).rows.size(); });
        if (error) {
            state.SkipWithError(error->message.toStdString().c_str());
            return;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

}  // namespace

int main(int argc, char** argv) {
    PrepareBenchEnvironment();
    QCoreApplication app(argc, argv);
    for (const ChartDefinition& chart : ChartDefinitions()) {
        for (const bool filtered : {false, true}) {
            const std::string name = "BM_Chart/" + std::to_string(static_cast<int>(chart.kind)) +
                                     (filtered ? "/espece_annee" : "/tout");
            benchmark::RegisterBenchmark(name.c_str(), RunChart, chart.kind, filtered)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
