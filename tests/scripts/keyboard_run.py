"""A new angler's run with the keyboard alone, driven through AT-SPI as a screen reader sees it:
a catch entered, stored and shown; a session added on a calendar day and opened again; an album
photo zoomed and unzoomed. At each step the name of what has the focus is checked.

Run through run-gui-script:  run-gui-script build/brevane tests/scripts/keyboard_run.py
"""
import os
import subprocess
import time

import pyatspi

import atspi_driver as drv

fails = []


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--delay", "60", name])
        time.sleep(0.35)
    time.sleep(0.5)


def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text])
    time.sleep(0.6)


def give_focus(app, title):
    """Gives the X input focus to the program's window of this title, as a window manager
    would when it comes up (the bare Xvfb screen has none)."""
    found = subprocess.run(["xdotool", "search", "--pid", str(app.proc.pid), "--onlyvisible",
                            "--name", title], capture_output=True, text=True).stdout.split()
    if found:
        subprocess.run(["xdotool", "windowfocus", "--sync", found[-1]])
        time.sleep(0.5)


def open_dialog(app, title):
    dialog = app.wait_dialog(title=title)
    time.sleep(0.5)
    give_focus(app, title)
    return dialog


def controls(root):
    """Every object under root, without the drop-down rows of the combo boxes (read through
    their box, and too many to walk)."""
    stack = [root]
    while stack:
        x = stack.pop()
        yield x
        if drv.role(x) not in ("combo box", "menu"):
            stack.extend(reversed(drv.children(x)))


def is_focused(x):
    """Focused and on screen: a hidden panel's widget may keep saying it has the focus."""
    try:
        state = x.getState()
        return state.contains(pyatspi.STATE_FOCUSED) and state.contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def spoken_name(x):
    """What a screen reader says for x: a drop-down list is read by the label bound to it, as
    Qt names it by its current row on this platform."""
    if drv.role(x) == "combo box":
        for relation in x.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                return relation.getTarget(0).name.rstrip(" :")
    return x.name


def focused(app):
    """What has the keyboard focus: a control, or the current row or cell of a focused list
    (rows of lists without the focus also say "focused" when they are current)."""
    # The active window (an open dialog) first: widgets of the window behind it keep their
    # focused state.
    windows = sorted(app.windows(), key=lambda w: not w.getState().contains(pyatspi.STATE_ACTIVE))
    for window in windows:
        for x in controls(window):
            if drv.role(x) in ("list item", "table cell") or not is_focused(x):
                continue
            if drv.role(x) in ("list", "table"):
                return next((c for c in drv.children(x) if is_focused(c)), x)
            return x
    return None


def expect_focus(app, name=None, starts=None, step=""):
    f = focused(app)
    said = spoken_name(f) if f is not None else None
    ok = said is not None and (said == name if name is not None else said.startswith(starts))
    drv.check(ok, "%s: focus on %r, expected %r" % (step, said, name or starts + "..."), fails)
    return f


def tab_to(app, name=None, starts=None, step="", most=8):
    """Presses Tab until the focus reaches the control of this name (date and time pickers take
    one Tab per field of their own); fails after `most` presses."""
    for _ in range(most):
        keys("Tab")
        f = focused(app)
        said = spoken_name(f) if f is not None else ""
        # A list is reached when its current row has the focus.
        within = f.parent.name if f is not None and drv.role(f) == "list item" else None
        if (name is not None and name in (said, within)) or (starts is not None and said.startswith(starts)):
            return f
    drv.check(False, "%s: Tab never reached %r" % (step, name or starts), fails)
    return None


def prepare(data):
    drv.first_start(data)
    photos = os.path.join(data, "images", "photos")
    os.makedirs(photos, exist_ok=True)
    for name, colour in (("ete1.jpg", "green"), ("ete2.jpg", "orange")):
        subprocess.run(["convert", "-size", "320x240", "xc:" + colour, os.path.join(photos, name)],
                       check=True)
    missing = "INSERT INTO %s (LIBELLE) SELECT '%s' WHERE NOT EXISTS " \
              "(SELECT 1 FROM %s WHERE LIBELLE = '%s')"
    drv.sql(data, [missing % ("LIEUX", "GARONNE", "LIEUX", "GARONNE"),
                   missing % ("POISSONS", "CARPE", "POISSONS", "CARPE"),
                   "INSERT INTO ALBUMS (LIBELLE) VALUES ('ETE')",
                   "INSERT INTO PHOTOS (ID_ALBUM, LIBELLE, COMMENTAIRE) VALUES "
                   "((SELECT MAX(ID) FROM ALBUMS), 'ete1.jpg', 'Brochet du matin')",
                   "INSERT INTO PHOTOS (ID_ALBUM, LIBELLE, COMMENTAIRE) VALUES "
                   "((SELECT MAX(ID) FROM ALBUMS), 'ete2.jpg', 'Carpe du soir')"])


def enter_catch(app, data):
    tab_to(app, "Ajouter ...", step="catches")
    keys("space")
    dialog = open_dialog(app, "Saisie d'une nouvelle prise")
    names = [spoken_name(x) for x in controls(dialog) if drv.role(x) in
             ("combo box", "push button", "list", "text", "spin button", "panel")]
    drv.check(not [n for n in names if n.rstrip().endswith(":") or n == "..."],
              "catch dialog names with a colon or bare dots: %s" % names, fails)
    for name in ("Lieu", "Poisson", "Esche", "Ajouter un lieu", "Choisir une photo", "Marée"):
        drv.check(name in names, "catch dialog: no control named %r" % name, fails)
    expect_focus(app, "Date", step="catch dialog opens")
    tab_to(app, "Lieu", step="place")
    typed("G")
    tab_to(app, "Poisson", step="fish")
    typed("CA")
    expect_focus(app, "CARPE", step="fish typed")
    keys("space")
    app.screenshot("keyboard-catch.png")
    keys("Return")
    rows = drv.sql(data, "SELECT L.LIBELLE FROM PRISES P JOIN LIEUX L ON L.ID = P.ID_LIEU")
    drv.check(rows == [("GARONNE",)], "stored catches: %s" % rows, fails)
    fish = drv.sql(data, "SELECT F.LIBELLE FROM PRISES P JOIN POISSONS F ON F.ID = P.ID_POISSON")
    drv.check(fish == [("CARPE",)], "fish of the catch: %s" % fish, fails)
    shown = drv.list_items(drv.nav_list(app))
    drv.check(any("CARPE" in r for r in shown), "catch not listed: %s" % shown, fails)


def add_and_open_session(app, data):
    give_focus(app, "Brevane")
    keys("alt+v", "c")
    tab_to(app, starts="01/", step="calendar")
    keys("Right", "Right", "Down")
    day = expect_focus(app, starts="10/", step="calendar arrows")
    keys("Insert")
    open_dialog(app, "Saisie d'une nouvelle session")
    tab_to(app, "Lieu", step="session place", most=14)
    typed("G")
    keys("Return")
    give_focus(app, "Brevane")
    rows = drv.sql(data, "SELECT DEBUT % 100 FROM CALENDRIER")
    drv.check(rows == [(10,)], "stored sessions: %s" % rows, fails)
    day = expect_focus(app, starts="10/", step="day after the session")
    drv.check(day is not None and day.name.endswith(" : 00:00 - GARONNE"),
              "day read as %r" % (day.name if day else None), fails)
    app.screenshot("keyboard-calendar.png")
    keys("Return")
    open_dialog(app, "Saisie d'une nouvelle session")
    keys("Escape")
    drv.check(not app.dialogs(), "the session dialog did not close", fails)
    give_focus(app, "Brevane")


def zoom_photo(app):
    give_focus(app, "Brevane")
    keys("alt+v", "p")
    tab_to(app, "Photos de l'album", step="album")
    keys("Right", "Right")
    photo = expect_focus(app, "Carpe du soir", step="photo grid")
    grid = drv.find(app.frame(), name="Photos de l'album")
    keys("Return")
    time.sleep(1.0)
    app.screenshot("keyboard-zoom.png")
    zoomed = photo.queryComponent().getExtents(0)
    whole = grid.queryComponent().getExtents(0)
    drv.check((zoomed.width, zoomed.height) == (whole.width, whole.height),
              "Enter did not zoom: %sx%s of %sx%s" % (zoomed.width, zoomed.height, whole.width,
                                                       whole.height), fails)
    keys("Return")
    unzoomed = photo.queryComponent().getExtents(0)
    drv.check(unzoomed.width < whole.width / 5, "Enter did not unzoom", fails)


def main():
    data = drv.new_data_dir()
    prepare(data)
    app = drv.App(data)
    try:
        time.sleep(1.0)
        give_focus(app, "Brevane")
        enter_catch(app, data)
        add_and_open_session(app, data)
        zoom_photo(app)
    finally:
        app.quit()
    drv.finish(fails, "keyboard run: catch, session and photo zoom, names checked")


if __name__ == "__main__":
    try:
        main()
    except drv.Fail as e:
        print("FAIL:", e)
        raise SystemExit(1)
