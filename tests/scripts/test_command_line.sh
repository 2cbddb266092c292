#!/bin/bash
# The program's command line as a shell sees it: help and version end at once without a display,
# refused arguments give exit code 2 and a French reason on standard error, and no window opens.
# Usage: test_command_line.sh <build dir> <source dir>
set -u
PROGRAM="$1/brevane"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
export ODBCINI="$WORK/odbc.ini"
FAILS=0
fail() {
    echo "FAIL: $*"
    FAILS=$((FAILS + 1))
}

# No display at all: a window would make the program abort.
run() {  # expected status, then arguments
    local expected="$1"
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 30 "$PROGRAM" "$@" \
        >"$WORK/out" 2>"$WORK/err"
    STATUS=$?
    [ "$STATUS" -eq "$expected" ] || fail "$* exited with $STATUS, not $expected: $(cat "$WORK/err")"
}

run 0 --help
grep -q "^Utilisation : brevane" "$WORK/out" || fail "--help does not show the French usage"
grep -q -- "--data-dir <dossier>" "$WORK/out" || fail "--help does not list --data-dir"
[ -s "$WORK/err" ] && fail "--help wrote to standard error"

run 0 --version
grep -qE "^Brevane [0-9]+\.[0-9]+" "$WORK/out" || fail "--version printed: $(cat "$WORK/out")"

for arguments in "--nope" "--data-dir" "--data-dir --quit-after-first-sheet" "stray"; do
    # shellcheck disable=SC2086
    run 2 $arguments
    grep -q "^brevane : " "$WORK/err" || fail "$arguments: no French reason on standard error"
done
# The refused run did not take "--quit-after-first-sheet" for a folder.
[ -e "--quit-after-first-sheet" ] && fail "a folder named after an option was made"

# The tasks without a window, as a scheduled backup would run them.
DATA="$WORK/data"
run 0 --data-dir "$DATA" --backup "$WORK/carnet.tar.gz"
tar -tzf "$WORK/carnet.tar.gz" | grep -qx "brevane.db" || fail "tar does not list brevane.db"
run 0 --data-dir "$DATA" --backup "$WORK/carnet.zip"
python3 -m zipfile -l "$WORK/carnet.zip" | grep -q "images/nophoto.jpg" || fail "zip lacks images"
printf 'Date;Lieu;Poids (kg)\r\n01/02/2024 10:30;LAC DU BOIS;1,5\r\n' >"$WORK/in.csv"
run 0 --data-dir "$DATA" --import-csv "$WORK/in.csv"
run 0 --data-dir "$DATA" --export-csv "$WORK/out.csv"
grep -q "LAC DU BOIS;;;1,500" "$WORK/out.csv" || fail "the export lacks the imported catch"
printf 'pas un carnet' >"$WORK/faux.db"
run 1 --data-dir "$DATA" --restore "$WORK/faux.db"
grep -q "^brevane : Ce fichier n.est ni une archive" "$WORK/err" || fail "restore: $(cat "$WORK/err")"
run 0 --data-dir "$DATA" --restore "$WORK/carnet.tar.gz" --export-csv "$WORK/again.csv"
grep -q "LAC DU BOIS" "$WORK/again.csv" && fail "the restored log still holds the imported catch"
ls "$DATA/sauvegardes/"brevane-avant-restauration-*.db >/dev/null 2>&1 ||
    fail "the replaced log was not kept"

# A run that ended without closing the log leaves its lock: the next start backs the log up, off
# the window's thread, and the copy is whole once the program has exited.
rm -rf "$DATA/sauvegardes"
printf '999999\nbrevane\n%s\n' "$(hostname)" >"$DATA/brevane.lock"
QT_QPA_PLATFORM=offscreen timeout 60 "$PROGRAM" --data-dir "$DATA" --quit-after-first-sheet \
    >"$WORK/out" 2>"$WORK/err" || fail "start after an unclean run: $(cat "$WORK/err")"
copy="$(ls "$DATA/sauvegardes/"brevane-*.db 2>/dev/null | head -1)"
if [ -z "$copy" ]; then
    fail "no backup at the start after an unclean run"
elif [ "$(sqlite3 "$copy" 'PRAGMA quick_check; SELECT count(*) FROM PRISES;' | head -1)" != ok ]; then
    fail "the start backup is not a sound log"
fi

[ "$FAILS" -eq 0 ] || exit 1
echo "OK"
