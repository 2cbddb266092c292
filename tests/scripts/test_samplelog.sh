#!/usr/bin/env bash
# The sample-log generator writes a catch log that the program can read: the rows it claims,
# every catalogue filled, link rows that agree with PRISES, references that name real rows,
# album pictures on disk, a sound database file; and it never adds to a log that has catches.
# Arguments: the build folder and the source folder (as CTest passes them).
set -uo pipefail

build="${1:?build folder}"
tool="$build/brevane-samplelog"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
passed=0

check() {  # check "what" expected actual
    if [ "$2" == "$3" ]; then
        passed=$((passed + 1))
    else
        echo "ÉCHEC : $1 : attendu « $2 », obtenu « $3 »"
        failures=$((failures + 1))
    fi
}

q() { sqlite3 -batch -noheader "$work/log/brevane.db" "$1"; }

command -v sqlite3 >/dev/null || { echo "sqlite3 est introuvable"; exit 1; }
[ -x "$tool" ] || { echo "$tool est introuvable"; exit 1; }

"$tool" --data-dir "$work/log" --catches 200 --years 3 --albums 1 --photos-per-album 2 \
    --photo-size 64x48 --seed 7 >"$work/out.txt" 2>&1
check "code de sortie" 0 $?

check "lignes de PRISES" 200 "$(q 'SELECT COUNT(*) FROM PRISES')"
check "intégrité" ok "$(q 'PRAGMA integrity_check')"
for table in POISSONS LIEUX ESCHES AMORCES MONTAGES TECHNIQUES TEMPS VENTS LUNES \
    COULEURS_EAU DIRECTIONS_VENT MAREES CALENDRIER; do
    check "$table non vide" 1 "$(q "SELECT COUNT(*) > 0 FROM $table")"
done

# Link rows as the program stores them: one per fish and per bait, 999999 exactly when
# there are two or more, -1 exactly when there is no bait.
check "prises sans ligne poisson" 0 "$(q 'SELECT COUNT(*) FROM PRISES p WHERE NOT EXISTS
    (SELECT 1 FROM PRISE_POISSONS l WHERE l.ID_PRISE = p.ID)')"
check "999999 sans plusieurs poissons" 0 "$(q 'SELECT COUNT(*) FROM PRISES p WHERE
    (p.ID_POISSON = 999999) <> ((SELECT COUNT(*) FROM PRISE_POISSONS l WHERE l.ID_PRISE = p.ID) > 1)')"
check "poisson unique différent du lien" 0 "$(q 'SELECT COUNT(*) FROM PRISES p WHERE
    p.ID_POISSON <> 999999 AND p.ID_POISSON <> (SELECT l.ID_POISSON FROM PRISE_POISSONS l
    WHERE l.ID_PRISE = p.ID)')"
check "esches -1 / 999999 et liens" 0 "$(q 'SELECT COUNT(*) FROM PRISES p WHERE
    CASE (SELECT COUNT(*) FROM PRISE_ESCHES l WHERE l.ID_PRISE = p.ID)
    WHEN 0 THEN p.ID_ESCHE <> -1 WHEN 1 THEN p.ID_ESCHE IN (-1, 999999)
    ELSE p.ID_ESCHE <> 999999 END')"
check "plusieurs poissons présents" 1 "$(q 'SELECT COUNT(*) > 0 FROM PRISES WHERE ID_POISSON = 999999')"
check "poissons inconnus" 0 "$(q 'SELECT COUNT(*) FROM PRISE_POISSONS WHERE ID_POISSON NOT IN (SELECT ID FROM POISSONS)')"
check "esches inconnues" 0 "$(q 'SELECT COUNT(*) FROM PRISE_ESCHES WHERE ID_ESCHE NOT IN (SELECT ID FROM ESCHES)')"

# Every reference is -1 or a row of its catalogue.
for pair in ID_LIEU:LIEUX ID_AMORCE:AMORCES ID_MONTAGE:MONTAGES ID_TECHNIQUE:TECHNIQUES \
    ID_TEMPS:TEMPS ID_VENT:VENTS ID_DIRECTION_VENT:DIRECTIONS_VENT ID_COULEUR_EAU:COULEURS_EAU \
    ID_LUNE:LUNES ID_MAREE:MAREES; do
    column="${pair%%:*}"; table="${pair##*:}"
    check "$column inconnu" 0 "$(q "SELECT COUNT(*) FROM PRISES WHERE $column <> -1 AND $column NOT IN (SELECT ID FROM $table)")"
done

# The stored forms the program reads back.
check "DATE_PRISE mal formée" 0 "$(q "SELECT COUNT(*) FROM PRISES WHERE DATE_PRISE NOT GLOB
    '[12][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:00'")"
check "GPS trop long" 0 "$(q 'SELECT COUNT(*) FROM PRISES WHERE length(COORD_GPS) > 20')"
check "lieu sans position" 0 "$(q "SELECT COUNT(*) FROM LIEUX WHERE COALESCE(COORD_GPS, '') = '' OR length(COORD_GPS) > 20")"
check "sorties à l'envers" 0 "$(q 'SELECT COUNT(*) FROM CALENDRIER WHERE FIN < DEBUT
    OR (FIN = DEBUT AND HEURE_FIN < HEURE_DEBUT) OR FIN / 100 <> DEBUT / 100')"
check "poids jamais négatif" 0 "$(q 'SELECT COUNT(*) FROM PRISES WHERE POIDS_POISSON < 0')"

# Album pictures: rows in PHOTOS and JPEG files in images/photos.
check "albums" 1 "$(q 'SELECT COUNT(*) FROM ALBUMS')"
check "photos" 2 "$(q 'SELECT COUNT(*) FROM PHOTOS WHERE ID_ALBUM = (SELECT ID FROM ALBUMS)')"
while read -r name; do
    file="$work/log/images/photos/$name"
    check "$name est un JPEG" "ffd8" "$(head -c 2 "$file" 2>/dev/null | od -An -tx1 | tr -d ' \n')"
done < <(q 'SELECT LIBELLE FROM PHOTOS')

# A log that already has catches is left alone.
"$tool" --data-dir "$work/log" --catches 5 >/dev/null 2>&1
check "refus d'un carnet non vide (code)" 1 $?
check "refus d'un carnet non vide (lignes)" 200 "$(q 'SELECT COUNT(*) FROM PRISES')"

# The same seed gives the same catches, whatever the album options; another seed, others.
dump() { sqlite3 -batch "$1/brevane.db" 'SELECT * FROM PRISES ORDER BY ID' | md5sum; }
"$tool" --data-dir "$work/again" --catches 200 --years 3 --seed 7 >/dev/null 2>&1
"$tool" --data-dir "$work/other" --catches 200 --years 3 --seed 8 >/dev/null 2>&1
check "même graine, mêmes prises" "$(dump "$work/log")" "$(dump "$work/again")"
check "autre graine, autres prises" different \
    "$([ "$(dump "$work/log")" != "$(dump "$work/other")" ] && echo different || echo same)"

# A wrong command line is refused before anything is made.
"$tool" --data-dir "$work/bad" --catches beaucoup >/dev/null 2>&1
check "option incorrecte (code)" 2 $?
check "option incorrecte (rien créé)" no "$([ -e "$work/bad" ] && echo yes || echo no)"

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
