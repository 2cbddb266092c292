"""Takes the screenshots of the README: Brevane started on a sample log, driven through AT-SPI.

Run through run-gui-script (private D-Bus session and Xvfb screen):
    run-gui-script build/brevane tools/screenshots/take.py LOG_FOLDER OUTPUT_FOLDER
Writes prises.png, calendrier.png, records.png, albums.png and poissons.png, each cropped
to the main window.
"""
import os
import sqlite3
import subprocess
import sys
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


def shoot(app, out_dir, name):
    # The frame's own extents: the X lookup by name can land on a tooltip window.
    c = app.frame().queryComponent().getExtents(0)
    x, y, w, h = c.x, c.y, c.width, c.height
    time.sleep(0.8)
    full = app.screenshot("full-" + name)
    dest = os.path.join(out_dir, name)
    subprocess.run(["convert", full, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", dest], check=True)
    drv.log("saved", dest)


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


def main(log_dir, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    app = drv.App(log_dir)
    try:
        show(app, ("Vos prises", "Visualiser..."), richest_catch)
        shoot(app, out_dir, "prises.png")
        app.menu("Vos prises", "Calendrier...")
        drv.select_item(drv.nav_list(app), busiest_month(log_dir, drv.list_items(drv.nav_list(app))))
        shoot(app, out_dir, "calendrier.png")
        show(app, ("Statistiques", "Vos records"), lambda rows: rows[0])
        shoot(app, out_dir, "records.png")
        show_album_with_tooltip(app)
        shoot(app, out_dir, "albums.png")
        subprocess.run(["xdotool", "mousemove", "0", "0"])
        show(app, ("Configuration", "Les poissons"), lambda rows: rows[min(3, len(rows) - 1)])
        shoot(app, out_dir, "poissons.png")
    finally:
        app.quit()


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: take.py LOG_FOLDER OUTPUT_FOLDER")
    try:
        main(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]))
    except drv.Fail as e:
        sys.exit("screenshots failed: %s" % e)
