#!/bin/bash
# The main screens with the keyboard alone and the names a screen reader hears: keyboard_run.py
# drives the real window through AT-SPI under Xvfb (a catch entered and shown, a session added
# and opened, a photo zoomed). Skipped (77) without the shared GUI tools and their packages.
# Usage: test_keyboard_screen_reader.sh <build dir> <source dir>
set -u
BUILD="$(cd "$1" && pwd)"
SOURCE="$(cd "$2" && pwd)"
TOOLS="${BREVANE_GUI_TOOLS:-/work/shared/tools/gui}"

[ -x "$BUILD/brevane" ] || { echo "FAIL: no program at $BUILD/brevane"; exit 1; }
[ -x "$TOOLS/run-gui-script" ] || { echo "skipped: no GUI tools in $TOOLS"; exit 77; }
for p in python3-pyatspi dbus-x11 at-spi2-core xvfb xauth xdotool imagemagick x11-utils; do
    dpkg -s "$p" >/dev/null 2>&1 || { echo "skipped: package $p is missing"; exit 77; }
done

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
unset QT_QPA_PLATFORM
run() {
    W="$WORK" "$TOOLS/run-gui-script" "$BUILD/brevane" "$SOURCE/tests/scripts/keyboard_run.py" \
        >"$WORK/out.txt"
    STATUS=$?
    cat "$WORK/out.txt"
}
run
# Two X servers started at the same moment can race for one display number: the program then
# finds none. One more try on a fresh server.
if [ "$STATUS" -ne 0 ] && grep -q "before its window appeared" "$WORK/out.txt"; then
    sleep 3
    run
fi
[ "$STATUS" -eq 0 ] || tail -20 "$WORK/stderr.log"
exit "$STATUS"
