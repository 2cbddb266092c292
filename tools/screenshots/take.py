"""Takes the screenshots of the README and of the help pages: Brevane started on a sample log,
driven through AT-SPI.

Run through run-gui-script (private D-Bus session and Xvfb screen):
    run-gui-script build/brevane tools/screenshots/take.py LOG_FOLDER OUTPUT_FOLDER [HELP_FOLDER]
Writes prises.png, calendrier.png, records.png, graphiques.png, albums.png and poissons.png into
OUTPUT_FOLDER, each cropped to the main window. The same run writes the pictures of the help pages into
HELP_FOLDER (by default data/aide/images of this repository): the main-window views again under
the names the pages use, the end of a catch sheet with its ephemerides, the album's order menu,
and the catch (empty, with a suggested moon, filled from a tagged photo), session and
preferences dialogs cropped to the dialog. The two ephemeris lines of the sheet are ticked in
the preferences first, and a catch picture tagged with the exiv2 command is put in the log.
"""
import glob
import os
import shutil
import sqlite3
import subprocess
import sys
import tempfile
import time

import atspi_driver as drv

MONTHS = ["JANVIER", "FEVRIER", "MARS", "AVRIL", "MAI", "JUIN", "JUILLET", "AOUT",
          "SEPTEMBRE", "OCTOBRE", "NOVEMBRE", "DECEMBRE"]


def busiest_month(log_dir, offered):
    """The month list entry with the most sessions that start and end inside it."""
    con = sqlite3.connect("file:%s?mode=ro" % drv.db_path(log_dir), uri=True)
    try:
        rows = con.execute("SELECT DEBUT / 100, COUNT(*) FROM CALENDRIER WHERE DEBUT / 100 = FIN / 100 "
                           "GROUP BY DEBUT / 100 ORDER BY COUNT(*) DESC, DEBUT / 100 DESC").fetchall()
    finally:
        con.close()
    for key, _ in rows:
        label = "%s %04d" % (MONTHS[key % 100 - 1], key // 100)
        if label in offered:
            return label
    raise drv.Fail("no month of the list holds a session")


def richest_catch(rows):
    """Among the rows visible without scrolling, the catch naming the most species."""
    return max(rows[:30], key=lambda r: r.count(","))


HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_HELP_FOLDER = os.path.normpath(os.path.join(HERE, "..", "..", "data", "aide", "images"))
# The help pages ship with the program: their pictures stay well under this size.
HELP_PICTURE_LIMIT = 150 * 1024


def crop_to(app, window, dest):
    """Saves the part of the screen that window covers (its own extents: the X lookup by name
    can land on a tooltip window)."""
    c = window.queryComponent().getExtents(0)
    time.sleep(0.8)
    full = app.screenshot("full-" + os.path.basename(dest))
    subprocess.run(["convert", full, "-crop", "%dx%d+%d+%d" % (c.width, c.height, c.x, c.y),
                    "+repage", "-strip", dest], check=True)
    drv.log("saved", dest)


def shoot(app, out_dir, name, help_dir=None, help_name=None):
    dest = os.path.join(out_dir, name)
    crop_to(app, app.frame(), dest)
    if help_dir:
        help_copy(dest, os.path.join(help_dir, help_name or name))


def help_copy(png, dest):
    """The picture as the help pages get it: without metadata, and in 256 colours when the full
    colour file is too big to ship."""
    subprocess.run(["convert", png, "-strip", dest], check=True)
    if os.path.getsize(dest) > HELP_PICTURE_LIMIT:
        subprocess.run(["convert", png, "-strip", "+dither", "-colors", "256", "PNG8:" + dest],
                       check=True)
    drv.log("saved", dest, os.path.getsize(dest), "bytes")


def shoot_dialog(app, title, dest, close_button="Annuler"):
    """Waits for the modal dialog of this title, saves it and closes it."""
    dialog = app.wait_dialog(timeout=15, title=title)
    time.sleep(0.5)
    crop_to(app, dialog, dest)
    button = drv.find(dialog, "push button", close_button)
    if button is None:
        raise drv.Fail("no %r button in %r" % (close_button, title))
    drv.press(button)
    time.sleep(0.8)


def show(app, menu, row_pick):
    app.menu(*menu)
    rows = drv.list_items(drv.nav_list(app))
    if not rows:
        raise drv.Fail("empty list after %s" % " > ".join(menu))
    drv.select_item(drv.nav_list(app), row_pick(rows))
    return rows


def show_album_with_tooltip(app):
    """The first album holding photos, with the pointer resting on a commented photo."""
    app.menu("Vos prises", "Photos...")
    grid = drv.find(app.frame(), name="Photos de l'album")
    c = grid.queryComponent().getExtents(0)
    for album in drv.list_items(drv.nav_list(app)):
        drv.select_item(drv.nav_list(app), album)
        # Thumbnails fill a 10 x 10 grid; try the first row's cells for one with a comment.
        cw, ch = c.width // 10, c.height // 10
        for col in range(10):
            px, py = c.x + col * cw + cw // 2, c.y + ch // 2
            subprocess.run(["xdotool", "mousemove", str(px), str(py), "click", "1"])
            subprocess.run(["xdotool", "mousemove", str(px + 3), str(py + 2)])
            time.sleep(1.5)
            if any(drv.role(w) == "tool tip" and w.name for w in app.windows()):
                return
    drv.log("no commented photo: album shown without its tooltip")


def session_with_most_catches(log_dir, month_label):
    """(day, session count of that day) of the session of the month that holds the most
    catches, preferring a day with a single session so that no chooser opens."""
    month = MONTHS.index(month_label.split()[0]) + 1
    key = int(month_label.split()[1]) * 100 + month
    con = sqlite3.connect("file:%s?mode=ro" % drv.db_path(log_dir), uri=True)
    try:
        sessions = con.execute("SELECT DEBUT, FIN, HEURE_DEBUT, HEURE_FIN FROM CALENDRIER "
                               "WHERE DEBUT / 100 = ? AND FIN / 100 = ?", (key, key)).fetchall()
        best = None
        for start, end, start_time, end_time in sessions:
            def moment(day, hhmm):
                return "%04d-%02d-%02d %02d:%02d:00" % (day // 10000, day // 100 % 100, day % 100,
                                                        hhmm // 100, hhmm % 100)
            catches = con.execute("SELECT COUNT(*) FROM PRISES WHERE DATE_PRISE BETWEEN ? AND ?",
                                  (moment(start, start_time), moment(end, end_time))).fetchone()[0]
            same_day = sum(1 for s in sessions if s[0] <= start <= s[1])
            score = (same_day == 1, catches)
            if best is None or score > best[0]:
                best = (score, start % 100)
    finally:
        con.close()
    if best is None:
        raise drv.Fail("no session in %s" % month_label)
    return best[1]


def open_calendar_day(app, day):
    """Opens the session of this day as a keyboard user would: the calendar takes the focus,
    Home goes to day 1, the right arrow to the day, Enter opens its session."""
    calendar = drv.find(app.frame(), name="Calendrier des sessions")
    if calendar is None:
        raise drv.Fail("no calendar in the window")
    calendar.queryComponent().grabFocus()
    time.sleep(0.5)
    subprocess.run(["xdotool", "key", "--delay", "80", "Home"] + ["Right"] * (day - 1))
    time.sleep(0.6)
    subprocess.run(["xdotool", "key", "Return"])
    time.sleep(0.6)


def press_view_button(app, name):
    button = drv.find(app.frame(), "push button", name)
    if button is None:
        raise drv.Fail("no button %r in the window" % name)
    drv.press(button)
    time.sleep(0.8)


def plant_tagged_catch_photo(log_dir):
    """A catch picture whose EXIF holds when and where it was taken, as a telephone writes it:
    the only picture of images/PRISES, so the picker shows it first."""
    albums = sorted(glob.glob(os.path.join(log_dir, "images", "photos", "*.jpg")))
    if not albums:
        raise drv.Fail("the sample log has no album photo to copy")
    folder = os.path.join(log_dir, "images", "PRISES")
    os.makedirs(folder, exist_ok=True)
    photo = os.path.join(folder, "brochet-du-matin.jpg")
    shutil.copyfile(albums[0], photo)
    subprocess.run(["exiv2", "-M", "set Exif.Photo.DateTimeOriginal 2026:06:14 06:42:00",
                    "-M", "set Exif.GPSInfo.GPSLatitudeRef N",
                    "-M", "set Exif.GPSInfo.GPSLatitude 47/1 53/1 4560/100",
                    "-M", "set Exif.GPSInfo.GPSLongitudeRef E",
                    "-M", "set Exif.GPSInfo.GPSLongitude 1/1 54/1 2160/100", photo], check=True)


def turn_on_sheet_lines(app):
    """Ticks the two ephemeris lines of the catch sheet in the preferences, as an angler would."""
    app.menu("Configuration", "Préférences")
    dialog = app.wait_dialog(timeout=15, title="Saisie de vos préférences")
    for name in ("Éphémérides", "Périodes solunaires"):
        box = drv.find(dialog, "check box", name)
        if box is None:
            raise drv.Fail("no %r box in the preferences" % name)
        if not box.getState().contains(drv.pyatspi.STATE_CHECKED):
            drv.press(box)
    drv.press(drv.find(dialog, "push button", "Valider"))
    time.sleep(0.8)


def shoot_sheet_ephemerides(app, help_dir):
    """The end of the shown catch sheet, where the sun, the moon and the feeding periods are:
    the wheel turned over the sheet as a reader would."""
    sheet = drv.find(app.frame(), name="Prise")
    if sheet is None:
        raise drv.Fail("no catch sheet in the window")
    c = sheet.queryComponent().getExtents(0)
    # The pointer goes back where it was: the calendar's keyboard run below starts from there.
    subprocess.run(["xdotool", "mousemove", str(c.x + c.width // 2), str(c.y + 60), "click",
                    "--repeat", "8", "--delay", "60", "5", "mousemove", "restore"])
    time.sleep(0.6)
    whole = os.path.join(tempfile.gettempdir(), "lune-fiche.png")
    crop_to(app, app.frame(), whole)
    help_copy(whole, os.path.join(help_dir, "lune-fiche.png"))


def new_catch_dialog(app):
    app.menu("Vos prises", "Visualiser...")
    press_view_button(app, "Ajouter ...")
    return app.wait_dialog(timeout=15, title="Saisie d'une nouvelle prise")


def shoot_moon_suggestion(app, help_dir):
    """A new catch with a typed position: the moon list proposes the phase of the moment."""
    dialog = new_catch_dialog(app)
    gps = next((x for x in drv.walk(dialog)
                if "GPS" in (x.name or "") and drv.role(x) not in ("label", "static")), None)
    if gps is None:
        raise drv.Fail("no GPS field in the catch dialog")
    drv.type_into(gps, "47.2N 2.1W")
    subprocess.run(["xdotool", "key", "Tab"])
    time.sleep(0.8)
    crop_to(app, dialog, os.path.join(help_dir, "lune-saisie.png"))
    drv.press(drv.find(dialog, "push button", "Annuler"))
    time.sleep(0.8)


def shoot_photo_fill(app, help_dir):
    """A new catch whose picture carries its date and position: both are taken over and the
    line under the picture says so."""
    dialog = new_catch_dialog(app)
    drv.press(drv.find(dialog, "push button", "Choisir une photo"))
    picker = app.wait_dialog(timeout=15, title="Sélection d'une image")
    time.sleep(0.8)
    drv.press(drv.find(picker, "push button", "Valider"))
    time.sleep(1.2)
    if "reprises de la photo" not in drv.dialog_text(dialog):
        raise drv.Fail("no line under the picture: %s" % drv.dialog_text(dialog))
    crop_to(app, dialog, os.path.join(help_dir, "saisie-photo.png"))
    drv.press(drv.find(dialog, "push button", "Annuler"))
    time.sleep(0.8)


def shoot_album_order_menu(app, help_dir):
    """The menu of the photo grid that chooses between the order of adding and of taking."""
    grid = drv.find(app.frame(), name="Photos de l'album")
    c = grid.queryComponent().getExtents(0)
    subprocess.run(["xdotool", "mousemove", str(c.x + c.width // 2), str(c.y + c.height // 2),
                    "click", "3"])
    time.sleep(1.0)
    dest = os.path.join(help_dir, "album-ordre.png")
    crop_to(app, app.frame(), dest)
    subprocess.run(["xdotool", "key", "Escape"])
    time.sleep(0.5)


def main(log_dir, out_dir, help_dir):
    os.makedirs(out_dir, exist_ok=True)
    os.makedirs(help_dir, exist_ok=True)
    plant_tagged_catch_photo(log_dir)
    app = drv.App(log_dir)
    try:
        turn_on_sheet_lines(app)
        show(app, ("Vos prises", "Visualiser..."), richest_catch)
        shoot(app, out_dir, "prises.png", help_dir, "fenetre-prises.png")
        shoot_sheet_ephemerides(app, help_dir)
        press_view_button(app, "Modifier ...")
        shoot_dialog(app, "Saisie d'une nouvelle prise", os.path.join(help_dir, "saisie-prise.png"))
        shoot_moon_suggestion(app, help_dir)
        shoot_photo_fill(app, help_dir)

        app.menu("Vos prises", "Calendrier...")
        month = busiest_month(log_dir, drv.list_items(drv.nav_list(app)))
        drv.select_item(drv.nav_list(app), month)
        shoot(app, out_dir, "calendrier.png", help_dir, "calendrier.png")
        open_calendar_day(app, session_with_most_catches(log_dir, month))
        shoot_dialog(app, "Saisie d'une nouvelle session", os.path.join(help_dir, "session.png"))

        show(app, ("Statistiques", "Vos records"), lambda rows: rows[0])
        shoot(app, out_dir, "records.png", help_dir, "records.png")
        show(app, ("Statistiques", "Graphiques..."), lambda rows: "Phase de lune")
        # The chart is counted off the window's thread: give it time to come.
        time.sleep(2)
        shoot(app, out_dir, "graphiques.png", help_dir, "graphiques.png")
        show_album_with_tooltip(app)
        shoot(app, out_dir, "albums.png", help_dir, "album.png")
        shoot_album_order_menu(app, help_dir)
        subprocess.run(["xdotool", "mousemove", "0", "0"])
        show(app, ("Configuration", "Les poissons"), lambda rows: rows[min(3, len(rows) - 1)])
        shoot(app, out_dir, "poissons.png", help_dir, "catalogue-poissons.png")

        app.menu("Configuration", "Préférences")
        shoot_dialog(app, "Saisie de vos préférences", os.path.join(help_dir, "preferences.png"))
    finally:
        app.quit()


if __name__ == "__main__":
    if len(sys.argv) not in (3, 4):
        sys.exit("usage: take.py LOG_FOLDER OUTPUT_FOLDER [HELP_FOLDER]")
    help_folder = sys.argv[3] if len(sys.argv) == 4 else DEFAULT_HELP_FOLDER
    try:
        main(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]), os.path.abspath(help_folder))
    except drv.Fail as e:
        sys.exit("screenshots failed: %s" % e)
