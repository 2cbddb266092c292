#!/bin/bash
# A first start on an empty data folder creates the catch log and registers its data source;
# a second start opens it again; a damaged database file makes the program stop with an error
# exit code, without crashing and without touching the file.
# Usage: test_program_fresh_start.sh <build dir> <source dir>
set -u
BUILD="$1"
PROGRAM="$BUILD/brevane"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
export QT_QPA_PLATFORM=offscreen
export ODBCINI="$WORK/odbc.ini"
FAILS=0

fail() {
    echo "FAIL: $*"
    FAILS=$((FAILS + 1))
}

run_program() {  # data folder; sets STATUS
    timeout 120 "$PROGRAM" --data-dir "$1" --quit-after-first-sheet >"$WORK/out.txt" 2>&1
    STATUS=$?
}

[ -x "$PROGRAM" ] || { echo "FAIL: no program at $PROGRAM"; exit 1; }

# First start.
DATA="$WORK/data"
run_program "$DATA"
[ "$STATUS" -eq 0 ] || { fail "first start exited with $STATUS"; cat "$WORK/out.txt"; }
[ -s "$DATA/brevane.db" ] || fail "brevane.db not created"
if command -v sqlite3 >/dev/null; then
    TABLES="$(sqlite3 "$DATA/brevane.db" "SELECT name FROM sqlite_master WHERE type='table'")"
    for t in PRISES POISSONS LIEUX ESCHES AMORCES MONTAGES TEMPS VENTS DIRECTIONS_VENT MAREES \
             COULEURS_EAU LUNES TECHNIQUES OPTIONS CALENDRIER ALBUMS PHOTOS; do
        echo "$TABLES" | grep -qx "$t" || fail "table $t missing"
    done
    OPTIONS="$(sqlite3 "$DATA/brevane.db" "SELECT COUNT(*) FROM OPTIONS")"
    # The 25 first options and the two sheet lines of the ephemerides.
    [ "$OPTIONS" -eq 27 ] || fail "expected 27 option rows, found $OPTIONS"
else
    # Without the sqlite3 shell, the file must at least be an SQLite database naming PRISES.
    head -c 16 "$DATA/brevane.db" | grep -q "SQLite format 3" || fail "brevane.db is no SQLite file"
    grep -q "CREATE TABLE PRISES" "$DATA/brevane.db" || fail "no PRISES table in brevane.db"
fi
grep -qx "\[BREVANE\]" "$ODBCINI" || fail "odbc.ini has no [BREVANE] section"
grep -Eq "^Driver *= *SQLite3" "$ODBCINI" || fail "odbc.ini does not name the SQLite3 driver"
grep -Eq "^Database *= *$DATA/brevane.db" "$ODBCINI" || fail "odbc.ini does not point to the file"
[ -d "$DATA/images/photos" ] || fail "images/photos not created"
[ -f "$DATA/images/nophoto.jpg" ] || fail "images/nophoto.jpg not seeded"

# Second start on the same folder.
run_program "$DATA"
[ "$STATUS" -eq 0 ] || { fail "second start exited with $STATUS"; cat "$WORK/out.txt"; }

# A database file of random bytes: refused, no crash, left as it was.
BROKEN="$WORK/broken"
mkdir -p "$BROKEN"
head -c 65536 /dev/urandom >"$BROKEN/brevane.db"
BEFORE="$(md5sum <"$BROKEN/brevane.db")"
run_program "$BROKEN"
[ "$STATUS" -ne 0 ] || fail "a damaged database was accepted"
[ "$STATUS" -lt 124 ] || fail "the program crashed or hung on a damaged database (status $STATUS)"
AFTER="$(md5sum <"$BROKEN/brevane.db")"
[ "$BEFORE" = "$AFTER" ] || fail "the damaged database file was changed"

if [ "$FAILS" -ne 0 ]; then
    echo "$FAILS check(s) failed"
    exit 1
fi
echo "fresh start, second start and damaged file: all checks passed"
