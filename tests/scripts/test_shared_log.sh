#!/bin/bash
# A club's shared log opened by its data source name (--dsn) on the throwaway test cluster:
# the sample log's catches exported from the personal log, imported into the empty server
# log, then exported from it again give the same file; the pictures go to the folder given
# with the log; a restore is refused on a server log and changes nothing. The personal log
# copied with --copy-to-dsn into a new server log exports the same file too, with its
# pictures; a second copy onto a log that holds catches is refused and changes nothing.
# Usage: test_shared_log.sh <build dir> <source dir>; needs BREVANE_PG_STATE (CTest sets it).
set -u
build="$1"
program="$build/brevane"
cluster="$(cat "${BREVANE_PG_STATE:-/nonexistent}/cluster" 2>/dev/null)"
[ -n "$cluster" ] && [ -d "$cluster" ] || { echo "no test cluster: skipped"; exit 77; }
command -v psql >/dev/null || { echo "psql missing: skipped"; exit 77; }
work="$(mktemp -d)"
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT
export ODBCINI="$work/odbc.ini"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

base="carnet_script_$$"
psql -q -h "$cluster" -U brevane -d postgres -c "CREATE DATABASE $base" || exit 1
cat >"$ODBCINI" <<INI
[CLUB]
Driver=PostgreSQL Unicode
Servername=$cluster
Port=5432
Database=$base
Username=brevane
INI

"$build/brevane-samplelog" --data-dir "$work/perso" --catches 60 --years 2 --seed 3 \
    >/dev/null 2>&1 || fail "sample log not made"
run() { env -u DISPLAY -u WAYLAND_DISPLAY timeout 120 "$program" "$@" 2>>"$work/err"; }

run --data-dir "$work/perso" --export-csv "$work/perso.csv" >/dev/null || fail "personal export"
run --dsn CLUB --data-dir "$work/club" --import-csv "$work/perso.csv" >/dev/null ||
    fail "import into the server log: $(cat "$work/err")"
run --dsn CLUB --data-dir "$work/club" --export-csv "$work/club.csv" >/dev/null ||
    fail "export from the server log: $(cat "$work/err")"
cmp -s "$work/perso.csv" "$work/club.csv" || fail "the server log's catches differ: $(diff "$work/perso.csv" "$work/club.csv" | head -5)"
[ "$(psql -tA -h "$cluster" -U brevane -d "$base" -c 'SELECT COUNT(*) FROM prises')" = 60 ] ||
    fail "the server log does not hold 60 catches"
[ -d "$work/club/images/photos" ] || fail "the pictures folder of the server log was not made"
[ -e "$work/club/brevane.db" ] && fail "a file log was made beside the server log's pictures"

run --dsn CLUB --data-dir "$work/club" --restore "$work/perso.csv" >/dev/null
[ $? -ne 0 ] || fail "a restore onto a server log was accepted"
grep -q "carnet partagé" "$work/err" || fail "the restore refusal does not say why"

copy="${base}_copie"
psql -q -h "$cluster" -U brevane -d postgres -c "CREATE DATABASE $copy" || exit 1
sed "s/^\[CLUB\]/[COPIE]/; s/^Database=.*/Database=$copy/" "$ODBCINI" >"$ODBCINI.new"
cat "$ODBCINI.new" >>"$ODBCINI"
export XDG_DATA_HOME="$work/xdg"
run --data-dir "$work/perso" --copy-to-dsn COPIE >"$work/out" || fail "copy to a new server log: $(cat "$work/err")"
grep -q "Carnet copié vers COPIE" "$work/out" || fail "the copy does not say where it went"
run --dsn COPIE --export-csv "$work/copie.csv" >/dev/null || fail "export from the copied log"
cmp -s "$work/perso.csv" "$work/copie.csv" || fail "the copied log's catches differ: $(diff "$work/perso.csv" "$work/copie.csv" | head -5)"
(cd "$work/perso" && find images -type f | sort) >"$work/pictures.perso"
(cd "$work/xdg/Brevane/carnets/COPIE" && find images -type f | sort) >"$work/pictures.copie"
cmp -s "$work/pictures.perso" "$work/pictures.copie" || fail "the pictures were not all copied"
: >"$work/err"
run --data-dir "$work/perso" --copy-to-dsn CLUB >/dev/null && fail "a copy onto a log with catches was accepted"
grep -q "n'est pas vide" "$work/err" || fail "the refusal does not say why: $(cat "$work/err")"
[ "$(psql -tA -h "$cluster" -U brevane -d "$base" -c 'SELECT COUNT(*) FROM prises')" = 60 ] ||
    fail "the refused copy changed the server log"

psql -q -h "$cluster" -U brevane -d postgres -c "DROP DATABASE $copy" || true
psql -q -h "$cluster" -U brevane -d postgres -c "DROP DATABASE $base" || true
echo "$failures failed"
[ "$failures" -eq 0 ]
