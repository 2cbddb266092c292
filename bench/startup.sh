#!/usr/bin/env bash
# Start-up to the first catch sheet, timed from outside: the whole program on the offscreen
# platform with "--quit-after-first-sheet", on a sample log of 10,000 catches (made once into
# the build folder and reused). Uses hyperfine when it is installed, else a loop of runs
# timed with date +%s%N.
#   bench/startup.sh [BUILD_DIR] [CATCHES]      (RUNS=10 by default)
set -euo pipefail

build="${1:-build}"
catches="${2:-10000}"
runs="${RUNS:-10}"
program="$build/brevane"
tool="$build/brevane-samplelog"
logs="${BREVANE_BENCH_LOGS:-$build/bench-logs}"
log="$logs/catches-$catches"

for file in "$program" "$tool"; do
    [ -x "$file" ] || { echo "$file est introuvable : construisez d'abord (make bench)." >&2; exit 1; }
done

# The same log as the other benchmarks (same name, same arguments, same completion mark).
if [ ! -f "$log/generated.ok" ] || [ ! -f "$log/brevane.db" ]; then
    rm -rf "$log"
    args=(--catches "$catches" --years 20 --seed 1)
    "$tool" --data-dir "$log" "${args[@]}" >&2
    echo "${args[*]}" >"$log/generated.ok"
fi

# The program registers its data source and keeps its settings: all of it in a folder of
# this run, never in the account's own files.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export ODBCINI="$scratch/odbc.ini"
export XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen
command=("$program" --data-dir "$log" --quit-after-first-sheet)

# One run first: it must succeed, and it brings the files into the page cache.
if ! "${command[@]}" >"$scratch/first.log" 2>&1; then
    echo "Brevane n'a pas démarré sur $log :" >&2
    cat "$scratch/first.log" >&2
    exit 1
fi

echo "Démarrage jusqu'à la première fiche, $catches prises ($log), $runs lancements :"
if command -v hyperfine >/dev/null 2>&1; then
    hyperfine --warmup 1 --runs "$runs" --shell=none "${command[*]}"
    exit 0
fi

times=()
for ((i = 0; i < runs; ++i)); do
    start=$(date +%s%N)
    "${command[@]}" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
sum=0
for t in "${times[@]}"; do sum=$((sum + t)); done
echo "  min ${sorted[0]} ms, médiane ${sorted[$((runs / 2))]} ms, moyenne $((sum / runs)) ms, max ${sorted[$((runs - 1))]} ms"
echo "  (toutes les durées : ${times[*]} ms)"
