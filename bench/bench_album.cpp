// An album of 100 camera pictures (4000 x 3000 JPEG) in the real album panel: the time from
// ShowAlbum to the first full paint of the grid, until every thumbnail is decoded and painted
// (first with an empty thumbnail cache, then again from the cache), the longest stall of the
// event loop meanwhile, the zoomed photo, and the peak memory of the process.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "bench/BenchLogs.h"
#include "catalog/CatchDatabase.h"
#include "db/DbRecordset.h"
#include "ui/panels/AlbumPanel.h"
#include "widgets/PhotoGrid.h"

namespace {

constexpr int kPhotos = 100;
constexpr int kWaitLimitMs = 120000;

// The thumbnail cache of this run: a temporary XDG_CACHE_HOME, set before anything reads it.
QTemporaryDir& CacheHome() {
    static QTemporaryDir folder;
    return folder;
}

struct AlbumBench {
    std::unique_ptr<CCatchDatabase> db;
    std::unique_ptr<CAlbumPanel> panel;
    int albumId = -1;
    QString photoFolder;
};

// Made at first use, released before the application object goes.
std::unique_ptr<AlbumBench> g_bench;
bool g_benchTried = false;

AlbumBench* GetBench() {
    if (g_benchTried) return g_bench && g_bench->db ? g_bench.get() : nullptr;
    g_benchTried = true;
    g_bench = std::make_unique<AlbumBench>();
    AlbumBench& bench = *g_bench;
    const QString folder = EnsureSampleLog(
        QStringLiteral("album-100"),
        {QStringLiteral("--catches"), QStringLiteral("10"), QStringLiteral("--albums"),
         QStringLiteral("1"), QStringLiteral("--photos-per-album"), QString::number(kPhotos),
         QStringLiteral("--photo-size"), QStringLiteral("4000x3000")});
    bench.photoFolder = folder + QStringLiteral("images/photos");
    bench.db = OpenBenchLog(folder, QStringLiteral("BREVANE_BENCH_ALBUM"));
    if (!bench.db) return nullptr;
    CDbRecordset rows(*bench.db);
    rows.SetSql(QStringLiteral("SELECT MIN(ID) FROM ALBUMS"));
    if (rows.Open() && rows.Fetch()) bench.albumId = rows.GetInt(1);
    // Made after the log is opened: the panel reads the photo folder of the data folder.
    bench.panel = std::make_unique<CAlbumPanel>();
    return g_bench.get();
}

void ClearThumbnailCache() {
    QDir(CacheHome().filePath(QStringLiteral("thumbnails"))).removeRecursively();
}

int CachedThumbnails() {
    int count = 0;
    QDirIterator it(CacheHome().filePath(QStringLiteral("thumbnails")), {QStringLiteral("*.png")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

// What one showing took, in milliseconds.
struct Showing {
    double gridMs = 0;    // ShowAlbum returned: grid painted with its frames
    double filledMs = 0;  // every thumbnail decoded and painted
    double longestStallMs = 0;
    bool complete = false;
};

// Waits until the grid has no decode left, watching how long the event loop is kept from
// running (a 5 ms timer that should fire on time while pictures are decoded elsewhere).
void WaitForDecodes(CPhotoGrid& grid, QElapsedTimer& clock, Showing& showing) {
    if (grid.HasPendingDecodes()) {
        QEventLoop loop;
        QObject::connect(&grid, &CPhotoGrid::thumbnailsReady, &loop, &QEventLoop::quit);
        QTimer ticker;
        qint64 lastTick = clock.elapsed();
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            showing.longestStallMs = std::max<double>(showing.longestStallMs, now - lastTick);
            lastTick = now;
        });
        ticker.start(5);
        QTimer::singleShot(kWaitLimitMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    // The grid asks for a repaint as each picture arrives: let the last one happen.
    QCoreApplication::sendPostedEvents();
    grid.repaint();
    showing.complete = !grid.HasPendingDecodes();
}

Showing ShowOnce(AlbumBench& bench) {
    Showing showing;
    CPhotoGrid& grid = bench.panel->PhotoGrid();
    QElapsedTimer clock;
    clock.start();
    bench.db->ShowAlbum(*bench.panel, bench.albumId);
    showing.gridMs = clock.nsecsElapsed() / 1e6;
    WaitForDecodes(grid, clock, showing);
    showing.filledMs = clock.nsecsElapsed() / 1e6;
    return showing;
}

// The panel at the size it has in the main window (800 x 600) or in a maximised one.
bool PreparePanel(benchmark::State& state, AlbumBench*& bench) {
    bench = GetBench();
    if (!bench || bench->albumId < 0) {
        state.SkipWithError("l'album d'exemple n'a pas pu être ouvert");
        return false;
    }
    bench->panel->resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    bench->panel->show();
    QCoreApplication::processEvents();
    return true;
}

void Report(benchmark::State& state, const Showing& worst, double gridMs, int runs) {
    state.counters["grid_ms"] = gridMs / runs;
    state.counters["stall_ms"] = worst.longestStallMs;
    state.counters["cached"] = CachedThumbnails();
    state.counters["peak_MB"] = PeakMemoryMegabytes();
}

// Shows the album again and again, each time after another album emptied the grid; with
// `fromFiles` the thumbnail cache is emptied too and the photos are dropped from the page
// cache, so every picture is read from the disk and decoded from its JPEG.
void MeasureShowings(benchmark::State& state, AlbumBench& bench, bool fromFiles) {
    Showing worst;
    double gridMs = 0;
    int runs = 0;
    for (auto _ : state) {
        if (fromFiles) {
            ClearThumbnailCache();
            DropFromPageCache(bench.photoFolder);
        }
        bench.db->ShowAlbum(*bench.panel, -1);  // another album: the grid forgets its pictures
        const Showing showing = ShowOnce(bench);
        if (!showing.complete) state.SkipWithError("des vignettes manquent encore");
        state.SetIterationTime(showing.filledMs / 1000.0);
        gridMs += showing.gridMs;
        worst.longestStallMs = std::max(worst.longestStallMs, showing.longestStallMs);
        ++runs;
    }
    Report(state, worst, gridMs, runs);
}

// Empty thumbnail cache, photos not in memory: every picture is read and decoded.
void BM_AlbumFirstShowing(benchmark::State& state) {
    AlbumBench* bench = nullptr;
    if (!PreparePanel(state, bench)) return;
    MeasureShowings(state, *bench, true);
}

// The album shown again: the thumbnails come from the cache.
void BM_AlbumShownAgain(benchmark::State& state) {
    AlbumBench* bench = nullptr;
    if (!PreparePanel(state, bench)) return;
    ShowOnce(*bench);  // fills the cache when it is empty
    MeasureShowings(state, *bench, false);
}

// A double click on a photo until the photo is shown over the whole grid at full sharpness.
void BM_AlbumZoom(benchmark::State& state) {
    AlbumBench* bench = nullptr;
    if (!PreparePanel(state, bench)) return;
    CPhotoGrid& grid = bench->panel->PhotoGrid();
    ShowOnce(*bench);
    int photo = 0;
    Showing worst;
    for (auto _ : state) {
        const QPoint centre = PhotoCellRect(photo++ % kPhotos, grid.size()).center();
        QElapsedTimer clock;
        clock.start();
        QTest::mouseDClick(&grid, Qt::LeftButton, {}, centre);
        Showing showing;
        WaitForDecodes(grid, clock, showing);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        if (!grid.IsZoomed()) state.SkipWithError("la photo n'a pas été agrandie");
        worst.longestStallMs = std::max(worst.longestStallMs, showing.longestStallMs);
        QTest::mouseDClick(&grid, Qt::LeftButton, {}, QPoint(1, 1));  // back to the grid
        WaitForDecodes(grid, clock, showing);
    }
    state.counters["stall_ms"] = worst.longestStallMs;
    state.counters["peak_MB"] = PeakMemoryMegabytes();
}

void PanelSizes(benchmark::internal::Benchmark* bench) {
    bench->Args({600, 470})->Args({1440, 1000})->Unit(benchmark::kMillisecond)->UseManualTime();
}

}  // namespace

BENCHMARK(BM_AlbumFirstShowing)->Apply(PanelSizes)->Iterations(3);
BENCHMARK(BM_AlbumShownAgain)->Apply(PanelSizes)->Iterations(5);
BENCHMARK(BM_AlbumZoom)->Apply(PanelSizes)->Iterations(10);

int main(int argc, char** argv) {
    PrepareBenchEnvironment();
    if (!CacheHome().isValid()) return 1;
    qputenv("XDG_CACHE_HOME", CacheHome().path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_bench.reset();
    // After the panel is gone: what the whole run needed at its peak.
    std::printf("Mémoire maximale du processus (ru_maxrss) : %.0f Mo\n", PeakMemoryMegabytes());
    return 0;
}
