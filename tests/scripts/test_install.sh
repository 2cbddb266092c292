#!/bin/bash
# Installs the build into a temporary prefix (not the configured one) and checks what an
# angler's desktop gets: the program, the help pages, the delivered images tree, a valid
# launcher and AppStream metainfo, the icon in three sizes. Then the installed copy is started
# by two users with fresh home folders: each gets a new log of their own under
# ~/.local/share/Brevane, seeded with the pictures of that prefix.
# Usage: test_install.sh <build dir> <source dir>
set -u
BUILD="$1"
SOURCE="$2"
APP_ID=org.brevane.Brevane
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
PREFIX="$WORK/prefix"
SHARE="$PREFIX/share"
FAILS=0

fail() {
    echo "FAIL: $*"
    FAILS=$((FAILS + 1))
}

finish() {
    if [ "$FAILS" -ne 0 ]; then
        echo "$FAILS check(s) failed"
        exit 1
    fi
    echo "install, desktop files and first start of the installed program: all checks passed"
    exit 0
}

# Width and height of a PNG file, read from its IHDR chunk: "48 48".
png_size() {
    local bytes
    read -r -a bytes <<<"$(od -An -tu1 -N24 -w24 "$1")"
    [ "${#bytes[@]}" -eq 24 ] || return 1
    # Signature 137 80 78 71 13 10 26 10, then the IHDR chunk.
    [ "${bytes[0]} ${bytes[1]} ${bytes[2]} ${bytes[3]}" = "137 80 78 71" ] || return 1
    [ "${bytes[12]} ${bytes[13]} ${bytes[14]} ${bytes[15]}" = "73 72 68 82" ] || return 1
    echo "$(((bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19]))" \
        "$(((bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23]))"
}

# --- Install ---------------------------------------------------------------------------------
if ! cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.txt" 2>&1; then
    echo "FAIL: cmake --install failed"
    cat "$WORK/install.txt"
    exit 1
fi

PROGRAM="$PREFIX/bin/brevane"
[ -x "$PROGRAM" ] || fail "no program at bin/brevane"

# Help pages: the whole folder, as it is in the sources.
[ -f "$SHARE/brevane/aide/index.html" ] || fail "aide/index.html not installed"
(cd "$SOURCE/data/aide" && find . -type f) | while read -r page; do
    cmp -s "$SOURCE/data/aide/$page" "$SHARE/brevane/aide/$page" || echo "$page"
done >"$WORK/missing-pages.txt"
[ -s "$WORK/missing-pages.txt" ] && fail "help pages missing or different: $(tr '\n' ' ' <"$WORK/missing-pages.txt")"

# Delivered images: the placeholder picture and every folder, even empty, without .gitkeep.
IMAGES="$SHARE/brevane/images"
cmp -s "$SOURCE/data/images/nophoto.jpg" "$IMAGES/nophoto.jpg" || fail "images/nophoto.jpg not installed"
for folder in Poissons Lieux Esches Montages PRISES; do
    [ -d "$IMAGES/$folder" ] || fail "images/$folder not installed"
done
[ -z "$(find "$IMAGES" -name .gitkeep)" ] || fail ".gitkeep placeholders were installed"

# Launcher and metainfo, checked by the freedesktop.org and AppStream validators.
DESKTOP="$SHARE/applications/$APP_ID.desktop"
METAINFO="$SHARE/metainfo/$APP_ID.metainfo.xml"
[ -f "$DESKTOP" ] || fail "no launcher at share/applications/$APP_ID.desktop"
[ -f "$METAINFO" ] || fail "no metainfo at share/metainfo/$APP_ID.metainfo.xml"
if [ -f "$DESKTOP" ]; then
    if command -v desktop-file-validate >/dev/null; then
        OUT="$(desktop-file-validate "$DESKTOP" 2>&1)"
        [ -z "$OUT" ] || fail "desktop-file-validate: $OUT"
    else
        fail "desktop-file-validate is not installed (package desktop-file-utils)"
    fi
    grep -qx "Exec=brevane" "$DESKTOP" || fail "the launcher does not run brevane"
    grep -qx "Icon=$APP_ID" "$DESKTOP" || fail "the launcher does not name the icon $APP_ID"
    grep -qx "Terminal=false" "$DESKTOP" || fail "the launcher opens a terminal"
fi
if [ -f "$METAINFO" ]; then
    if command -v appstreamcli >/dev/null; then
        # Errors, warnings and infos fail; pedantic notes are not asked for.
        if ! appstreamcli validate --no-net --no-color "$METAINFO" >"$WORK/appstream.txt" 2>&1 ||
            grep -Eq "^[EWI]:" "$WORK/appstream.txt"; then
            fail "appstreamcli validate: $(cat "$WORK/appstream.txt")"
        fi
    else
        fail "appstreamcli is not installed (package appstream)"
    fi
    grep -q "<id>$APP_ID</id>" "$METAINFO" || fail "the metainfo id is not $APP_ID"
    grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$METAINFO" ||
        fail "the metainfo does not launch $APP_ID.desktop"
    # The release listed must be the version the build calls itself.
    VERSION="$(sed -n 's/^project(Brevane VERSION \([0-9.]*\).*/\1/p' "$SOURCE/CMakeLists.txt")"
    [ -n "$VERSION" ] || fail "no project version in CMakeLists.txt"
    grep -q "<release version=\"$VERSION\"" "$METAINFO" ||
        fail "the metainfo has no release $VERSION"
fi

# Icons: the SVG as it is, the bitmaps at their nominal sizes.
ICONS="$SHARE/icons/hicolor"
cmp -s "$SOURCE/resources/brevane.svg" "$ICONS/scalable/apps/$APP_ID.svg" ||
    fail "scalable icon missing or different from resources/brevane.svg"
for size in 48 128; do
    PNG="$ICONS/${size}x${size}/apps/$APP_ID.png"
    if [ ! -f "$PNG" ]; then
        fail "no ${size}x${size} icon"
        continue
    fi
    ACTUAL="$(png_size "$PNG")" || { fail "${size}x${size} icon is no PNG"; continue; }
    [ "$ACTUAL" = "$size $size" ] || fail "${size}x${size} icon is $ACTUAL pixels"
done

[ -x "$PROGRAM" ] || finish

# --- First start of the installed copy by new users -------------------------------------------
# A marker only this prefix delivers: seeding it proves the pictures come from the prefix the
# program runs from, not from the configured install folder or the build tree.
MARKER="installe-$$.jpg"
cp "$SOURCE/data/images/nophoto.jpg" "$IMAGES/$MARKER"
(cd "$PREFIX" && find . | sort) >"$WORK/prefix-before.txt"

# unixODBC finds ~/.odbc.ini through the password database, not $HOME: ODBCINI names the new
# user's file, so that the account running the tests keeps its own data sources untouched.
start_as_new_user() {  # home folder; sets STATUS
    mkdir -p "$1"
    env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME \
        HOME="$1" ODBCINI="$1/.odbc.ini" QT_QPA_PLATFORM=offscreen \
        timeout 60 "$PROGRAM" --quit-after-first-sheet >"$WORK/out.txt" 2>&1
    STATUS=$?
}

check_new_log() {  # home folder, label
    local data="$1/.local/share/Brevane"
    [ "$STATUS" -eq 0 ] || { fail "$2: the installed program exited with $STATUS"; cat "$WORK/out.txt"; }
    [ -s "$data/brevane.db" ] || { fail "$2: no log at ~/.local/share/Brevane/brevane.db"; return; }
    sqlite3 "$data/brevane.db" "SELECT name FROM sqlite_master WHERE type='table'" |
        grep -qx PRISES || fail "$2: brevane.db has no PRISES table"
    cmp -s "$SOURCE/data/images/nophoto.jpg" "$data/images/nophoto.jpg" ||
        fail "$2: images/nophoto.jpg not seeded"
    [ -f "$data/images/$MARKER" ] || fail "$2: pictures not seeded from the install prefix"
    [ -d "$data/images/PRISES" ] || fail "$2: images/PRISES not seeded"
    [ -f "$1/.odbc.ini" ] || { fail "$2: no user data source in ~/.odbc.ini"; return; }
    grep -Eq "^Database *= *$data/brevane.db\$" "$1/.odbc.ini" ||
        fail "$2: ~/.odbc.ini does not point to the new log"
}

FIRST="$WORK/home-one"
start_as_new_user "$FIRST"
check_new_log "$FIRST" "first user"
sqlite3 "$FIRST/.local/share/Brevane/brevane.db" \
    "CREATE TABLE MARQUE_PREMIER (X INTEGER)" 2>/dev/null || fail "first user's log is not writable"
SUM_FIRST="$(md5sum <"$FIRST/.local/share/Brevane/brevane.db")"

SECOND="$WORK/home-two"
start_as_new_user "$SECOND"
check_new_log "$SECOND" "second user"
if [ -f "$SECOND/.local/share/Brevane/brevane.db" ]; then
    sqlite3 "$SECOND/.local/share/Brevane/brevane.db" \
        "SELECT name FROM sqlite_master WHERE type='table'" | grep -qx MARQUE_PREMIER &&
        fail "the second user opened the first user's log"
fi
[ "$SUM_FIRST" = "$(md5sum <"$FIRST/.local/share/Brevane/brevane.db")" ] ||
    fail "the second user's start changed the first user's log"

# The install itself is read-only for its users: nothing was added to the prefix.
(cd "$PREFIX" && find . | sort) >"$WORK/prefix-after.txt"
cmp -s "$WORK/prefix-before.txt" "$WORK/prefix-after.txt" ||
    fail "running the program wrote into the install prefix: $(diff "$WORK/prefix-before.txt" "$WORK/prefix-after.txt" | grep '^>' | tr '\n' ' ')"

finish
