#!/bin/bash
# The GPX export read back by gpsbabel: one waypoint per catch with a readable position, in
# the usual forms anglers type, at the same place and with the same name.
# Usage: test_gpx_export.sh <build dir> <source dir>
set -u
PROGRAM="$1/brevane"
command -v gpsbabel >/dev/null || { echo "gpsbabel est introuvable"; exit 77; }
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
export ODBCINI="$WORK/odbc.ini"

cat >"$WORK/prises.csv" <<'CSV'
Date;Lieu;GPS;Poissons;Commentaire
15/06/2024 06:45;ÉTANG DES SAULES;48.57N 4.75E;BROCHET, PERCHE;"Belle journée <pas> & ""vent"""
16/06/2024 07:10;LE PORT;48.600000,4.803428;BAR;
17/06/2024 21:30;LA DIGUE;"48°36'00""N 4°48'12""E";SANDRE;
18/06/2024 08:00;LA DIGUE;au bout du ponton;SANDRE;
19/06/2024 08:00;LA DIGUE;;SANDRE;
CSV
timeout 60 "$PROGRAM" --data-dir "$WORK/data" --import-csv "$WORK/prises.csv" \
    --export-gpx "$WORK/prises.gpx" >"$WORK/out" 2>&1 || { cat "$WORK/out"; exit 1; }
gpsbabel -i gpx -f "$WORK/prises.gpx" -o unicsv -F "$WORK/relu.csv" || exit 1

exec python3 - "$WORK/relu.csv" <<'PYTHON'
import csv, sys
expected = [
    (48.57, 4.75, "15/06/2024 BROCHET, PERCHE"),
    (48.6, 4.803428, "16/06/2024 BAR"),
    (48.6, 4.803333, "17/06/2024 SANDRE"),
]
rows = list(csv.DictReader(open(sys.argv[1], encoding="utf-8")))
got = [(float(r["Latitude"]), float(r["Longitude"]), r["Name"]) for r in rows]
ok = len(got) == len(expected) and all(
    abs(a[0] - b[0]) < 1e-5 and abs(a[1] - b[1]) < 1e-5 and a[2] == b[2]
    for a, b in zip(got, expected))
if not ok:
    print("FAIL: gpsbabel read", got, "expected", expected)
    sys.exit(1)
print("OK: %d waypoints" % len(got))
PYTHON
