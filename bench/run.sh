#!/usr/bin/env bash
# Runs every benchmark on the build folder's sample logs (made on first use) and prints the
# figures: the catch-log operations, the navigation list widget, the 100-photo album, the
# start-up to the first sheet.
#   bench/run.sh [BUILD_DIR]      (REPETITIONS=3; BENCH_FILTER=regex to run only some)
set -euo pipefail

build="${1:-build}"
repetitions="${REPETITIONS:-3}"
filter="${BENCH_FILTER:-.}"
here="$(cd "$(dirname "$0")" && pwd)"

run() {
    "$@" --benchmark_filter="$filter" --benchmark_repetitions="$repetitions" \
        --benchmark_display_aggregates_only=true
}

echo "== Opérations du carnet sur 1 000, 10 000 et 100 000 prises (temps réels, en ms) =="
run "$build/bench/bench_catalog"
echo
echo "== Export CSV et sauvegarde automatique sur 1 000, 10 000 et 100 000 prises (en ms) =="
run "$build/bench/bench_transfer"
echo
echo "== Liste de navigation réelle (QListWidget) remplie par FillNavigationList (en ms) =="
run "$build/bench/bench_navigation_list"
echo
echo "== Graphiques sur 100 000 prises, sans filtre et pour une espèce sur un an (en ms) =="
run "$build/bench/bench_charts"
echo
echo "== Album de 100 photos de 12 mégapixels (temps mesurés, en ms) =="
# Each showing of the album is one iteration; repetitions would only decode the same files
# again, so the album benchmark runs once.
"$build/bench/bench_album" --benchmark_filter="$filter"
echo
echo "== Démarrage jusqu'à la première fiche =="
bash "$here/startup.sh" "$build" 10000
