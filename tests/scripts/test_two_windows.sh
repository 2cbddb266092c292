#!/bin/bash
# Two Brevane windows on one data folder: while a first Brevane runs, a second start on the
# same folder says that the catch log is already open and ends with an error code, without
# touching the log; the first keeps running. Once the first has been killed (its lock file
# left behind), a new start takes the folder over. The log stays sound throughout.
# Usage: test_two_windows.sh <build dir> <source dir>
set -u
BUILD="$1"
PROGRAM="$BUILD/brevane"
WORK="$(mktemp -d)"
FIRST_PID=""
cleanup() {
    [ -n "$FIRST_PID" ] && kill -9 "$FIRST_PID" 2>/dev/null && wait "$FIRST_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen
export ODBCINI="$WORK/odbc.ini"
DATA="$WORK/data"
MESSAGE="Le carnet de prises de ce dossier est déjà ouvert dans une autre fenêtre de Brevane."
FAILS=0

fail() {
    echo "FAIL: $*"
    FAILS=$((FAILS + 1))
}

[ -x "$PROGRAM" ] || { echo "FAIL: no program at $PROGRAM"; exit 1; }
command -v sqlite3 >/dev/null || { echo "skipped: needs the sqlite3 shell"; exit 77; }

# The first window, left running.
"$PROGRAM" --data-dir "$DATA" >"$WORK/first.txt" 2>&1 &
FIRST_PID=$!

# Up once its lock is taken and the log has stopped changing (the start-up writes are over).
UP=0
PREVIOUS=""
for _ in $(seq 1 120); do
    sleep 0.5
    kill -0 "$FIRST_PID" 2>/dev/null || break
    [ -f "$DATA/brevane.lock" ] && [ -s "$DATA/brevane.db" ] && [ ! -e "$DATA/brevane.db-journal" ] || continue
    SUM="$(md5sum <"$DATA/brevane.db")"
    if [ "$SUM" = "$PREVIOUS" ]; then
        UP=1
        break
    fi
    PREVIOUS="$SUM"
done
if [ "$UP" -ne 1 ]; then
    echo "FAIL: the first Brevane did not come up"
    cat "$WORK/first.txt"
    exit 1
fi
BEFORE="$(md5sum <"$DATA/brevane.db")"

# The second window on the same folder.
START=$(date +%s)
timeout 30 "$PROGRAM" --data-dir "$DATA" --quit-after-first-sheet >"$WORK/second.out" 2>"$WORK/second.err"
STATUS=$?
ELAPSED=$(($(date +%s) - START))
[ "$STATUS" -ne 0 ] || fail "the second start was accepted"
[ "$STATUS" -lt 124 ] || fail "the second start crashed or hung (status $STATUS)"
grep -qF "$MESSAGE" "$WORK/second.err" || { fail "no 'already open' message"; cat "$WORK/second.err"; }
echo "second start: status $STATUS after ${ELAPSED}s: $(cat "$WORK/second.err")"
AFTER="$(md5sum <"$DATA/brevane.db")"
[ "$BEFORE" = "$AFTER" ] || fail "the second start changed the catch log"
kill -0 "$FIRST_PID" 2>/dev/null || fail "the first Brevane ended"

# The first one killed: its lock file stays, naming a process that no longer runs.
kill -9 "$FIRST_PID"
wait "$FIRST_PID" 2>/dev/null
FIRST_PID=""
[ -f "$DATA/brevane.lock" ] || echo "note: the killed program left no lock file"
[ "$(sqlite3 "$DATA/brevane.db" 'PRAGMA integrity_check')" = "ok" ] || fail "integrity_check after the kill"

timeout 60 "$PROGRAM" --data-dir "$DATA" --quit-after-first-sheet >"$WORK/third.txt" 2>&1
STATUS=$?
[ "$STATUS" -eq 0 ] || { fail "a start after the kill was refused (status $STATUS)"; cat "$WORK/third.txt"; }
[ -e "$DATA/brevane.lock" ] && fail "the lock file outlived a normal exit"
[ "$(sqlite3 "$DATA/brevane.db" 'PRAGMA integrity_check')" = "ok" ] || fail "integrity_check at the end"

if [ "$FAILS" -ne 0 ]; then
    echo "$FAILS check(s) failed"
    exit 1
fi
echo "two windows on one folder: all checks passed"
