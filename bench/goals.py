#!/usr/bin/env python3
"""Prints each speed and memory goal with its figure, its floor or limit, the ratio and whether
it holds, from the results bench/run.sh left in a folder: the Google Benchmark JSON files
(<executable>.json) and startup.txt (lines "catches mode milliseconds peak-MB").
    bench/goals.py RESULTS_DIR
A benchmark added to run.sh adds its goals to GOALS below."""
import json
import os
import sys


COUNTERS = ("floor_ms", "ratio")


def load_benchmarks(folder):
    """Median real time in milliseconds of every benchmark run, by name; the median of each of
    its COUNTERS as "name#counter"."""
    times = {}
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".json"):
            continue
        with open(os.path.join(folder, name), encoding="utf-8") as f:
            data = json.load(f)
        for run in data.get("benchmarks", []):
            if run.get("error_occurred"):
                continue
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[run.get("time_unit", "ns")]
            # Benchmarks timed in real time carry a "/real_time" suffix: one name for both.
            key = run["run_name"].removesuffix("/real_time")
            # With repetitions only the median counts; a single run stands for itself.
            if run.get("aggregate_name") == "median" or (
                    run.get("run_type") == "iteration" and key not in times):
                times[key] = run["real_time"] * scale
                times.update({f"{key}#{c}": run[c] for c in COUNTERS if c in run})
    return times


def load_startup(folder):
    runs = {}
    path = os.path.join(folder, "startup.txt")
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for line in f:
                catches, mode, ms, peak = line.split()
                runs[(int(catches), mode)] = (float(ms), float(peak))
    return runs


def french(number):
    return f"{number:,}".replace(",", "\u202f")


def goals(times, startup):
    """(goal, figure, floor or limit, ratio, holds) for each goal; None where not measured."""
    rows = []
    for catches in (10000, 100000, 1000000):
        # Both timed in the same iterations, so that a shared machine's load weighs on both.
        name = f"BM_CatchListAgainstFloor/{catches}/manual_time"
        figure = times.get(name)
        floor = times.get(f"{name}#floor_ms")
        ratio = times.get(f"{name}#ratio")
        rows.append((f"FillCatchList, {french(catches)} prises : au plus 2 × le plancher sqlite3",
                     figure and f"{figure:.1f} ms", floor and f"{floor:.1f} ms",
                     ratio, ratio is not None and ratio <= 2))
    for mode, label, limit in (("chaud", "fichier en mémoire", 500),
                               ("froid", "fichier hors mémoire", 1500)):
        run = startup.get((1000000, mode))
        rows.append((f"Fenêtre peinte avec la première fiche, 1 M prises, {label} : < {limit} ms",
                     run and f"{run[0]:.0f} ms", f"{limit} ms", run and run[0] / limit,
                     run is not None and run[0] < limit))
    peak = max((run[1] for key, run in startup.items() if key[0] == 1000000), default=None)
    rows.append(("Mémoire maximale au démarrage, 1 M prises : < 150 Mo",
                 peak and f"{peak:.0f} Mo", "150 Mo", peak and peak / 150,
                 peak is not None and peak < 150))
    for change, label in ((0, "un ajout"), (1, "une modification"), (2, "une suppression")):
        figure = times.get(f"BM_CatchRowUpdate/prises:1000000/changement:{change}")
        rows.append((f"Liste mise à jour après {label}, 1 M prises : < 50 ms",
                     figure and f"{figure:.1f} ms", "50 ms", figure and figure / 50,
                     figure is not None and figure < 50))
    charts = {name: ms for name, ms in times.items() if name.startswith("BM_Chart/")}
    if charts:
        slowest = max(charts, key=charts.get)
        figure = charts[slowest]
        rows.append((f"Graphique le plus lent, 100 000 prises ({slowest[len('BM_Chart/'):]}) : "
                     "< 300 ms", f"{figure:.0f} ms", "300 ms", figure / 300, figure < 300))
    backup = times.get("BM_AutomaticBackup/100000")
    rows.append(("Sauvegarde automatique, 100 000 prises (hors fil de la fenêtre) : < 1 s",
                 backup and f"{backup:.0f} ms", "1000 ms", backup and backup / 1000,
                 backup is not None and backup < 1000))
    return rows


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "build/bench-results"
    rows = goals(load_benchmarks(folder), load_startup(folder))
    width = max(len(row[0]) for row in rows)
    print(f"{'objectif'.ljust(width)}  {'mesure':>10}  {'plancher/limite':>15}  {'rapport':>7}  tenu")
    for goal, figure, floor, ratio, holds in rows:
        ratio_text = f"{ratio:.2f}" if ratio is not None else "-"
        verdict = "oui" if holds else ("non" if figure else "non mesuré")
        print(f"{goal.ljust(width)}  {figure or '-':>10}  {floor or '-':>15}  {ratio_text:>7}  "
              f"{verdict}")


if __name__ == "__main__":
    main()
