#!/usr/bin/env bash
# Start-up until the window with the first catch sheet is painted, timed from outside: the
# whole program on the offscreen platform with "--quit-after-first-sheet", which prints one
# line (with its peak memory) once that first paint is done; the time is taken when the line
# arrives, so the exit that follows is not counted. On a sample log made once into the build
# folder and reused.
#   bench/startup.sh [BUILD_DIR] [CATCHES]
#     RUNS=N (5)   COLD=1: the log is dropped from the page cache before each run
#     STARTUP_RESULTS=FILE: appends "catches warm|cold median-ms peak-MB" for bench/goals.py
set -euo pipefail

build="${1:-build}"
catches="${2:-10000}"
runs="${RUNS:-5}"
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

# One run first: it must succeed, and it brings the program into the page cache.
if ! "${command[@]}" >"$scratch/first.log" 2>&1; then
    echo "Brevane n'a pas démarré sur $log :" >&2
    cat "$scratch/first.log" >&2
    exit 1
fi

# Prints "milliseconds peak-MB" of one start.
first_sheet() {
    [ "${COLD:-0}" = 1 ] && dd if="$log/brevane.db" iflag=nocache count=0 status=none
    local start end line
    start=$(date +%s%N)
    coproc BREVANE { "${command[@]}" 2>/dev/null; }
    local pid=$BREVANE_PID
    read -r line <&"${BREVANE[0]}" || true
    end=$(date +%s%N)
    wait "$pid" || { echo "Brevane a échoué sur $log" >&2; exit 1; }
    echo "$(((end - start) / 1000000)) $(sed -n 's/.* \([0-9]*\) Mo$/\1/p' <<<"$line")"
}

mode=chaud
[ "${COLD:-0}" = 1 ] && mode=froid
times=()
peak=0
for ((i = 0; i < runs; ++i)); do
    read -r ms mb < <(first_sheet)
    times+=("$ms")
    ((mb > peak)) && peak=$mb
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
median=${sorted[$((runs / 2))]}
echo "Première fiche peinte, $catches prises, fichier $( [ $mode = chaud ] && echo en mémoire || echo hors mémoire ), $runs lancements :"
echo "  min ${sorted[0]} ms, médiane $median ms, max ${sorted[$((runs - 1))]} ms ; mémoire maximale $peak Mo"
[ -n "${STARTUP_RESULTS:-}" ] && echo "$catches $mode $median $peak" >>"$STARTUP_RESULTS"
exit 0
