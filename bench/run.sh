#!/usr/bin/env bash
# Runs every benchmark on the build folder's sample logs (made on first use) and prints the
# figures: the catch-log operations and their floor, the navigation list, the 100-photo album,
# the start-up to the first painted sheet; then each goal with its figure, its floor or limit,
# the ratio and whether it holds (bench/goals.py). Results are kept in BUILD_DIR/bench-results.
#   bench/run.sh [BUILD_DIR]      (REPETITIONS=3; BENCH_FILTER=regex to run only some)
# A new benchmark executable is one more "run" line below (and its goals in goals.py).
set -euo pipefail

build="${1:-build}"
repetitions="${REPETITIONS:-3}"
filter="${BENCH_FILTER:-.}"
here="$(cd "$(dirname "$0")" && pwd)"
results="$build/bench-results"
mkdir -p "$results"

# run NAME [REPETITIONS]: one benchmark executable of the build, its JSON kept for the goals.
run() {
    local name="$1" times="${2:-$repetitions}"
    "$build/bench/$name" --benchmark_filter="$filter" --benchmark_repetitions="$times" \
        --benchmark_display_aggregates_only=true \
        --benchmark_out="$results/$name.json" --benchmark_out_format=json
}

echo "== Opérations du carnet et plancher sqlite3 de la liste des prises (temps réels, en ms) =="
run bench_catalog
echo
echo "== Export CSV et sauvegarde automatique sur 1 000, 10 000 et 100 000 prises (en ms) =="
run bench_transfer
echo
echo "== Liste de navigation réelle : remplie, puis mise à jour après un changement (en ms) =="
run bench_navigation_list
echo
echo "== Graphiques sur 100 000 prises, sans filtre et pour une espèce sur un an (en ms) =="
run bench_charts
echo
echo "== Album de 100 photos de 12 mégapixels (temps mesurés, en ms) =="
# Each showing of the album is one iteration; repetitions would only decode the same files
# again, so the album benchmark runs once.
run bench_album 1
echo
echo "== Démarrage jusqu'à la fenêtre peinte avec la première fiche =="
rm -f "$results/startup.txt"
for catches in 10000 100000 1000000; do
    STARTUP_RESULTS="$results/startup.txt" bash "$here/startup.sh" "$build" "$catches"
done
STARTUP_RESULTS="$results/startup.txt" COLD=1 bash "$here/startup.sh" "$build" 1000000
echo
echo "== Objectifs =="
python3 "$here/goals.py" "$results"
