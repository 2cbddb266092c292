#!/usr/bin/env bash
# The French help pages: every page is reachable from the table of contents, every local link
# and picture exists (in the sources and in the copy beside the built program), every page is
# well-formed HTML in French with a title and its navigation links, and every program text the
# pages quote (menus, labels, buttons, messages) is a text the program really shows, so that a
# renamed menu or message makes this check fail until the pages follow.
# Arguments: the build folder and the source folder (as CTest passes them).
set -uo pipefail

build="${1:?build folder}"
source="${2:?source folder}"
command -v python3 >/dev/null || { echo "python3 est introuvable"; exit 1; }

exec python3 - "$build" "$source" <<'PYTHON'
import html
import html.parser
import os
import re
import sys
import urllib.parse

build, source = sys.argv[1], sys.argv[2]
pages_dir = os.path.join(source, "data", "aide")
copy_dir = os.path.join(build, "share", "brevane", "aide")
failures = []


def fail(message):
    failures.append(message)
    print("ÉCHEC :", message)


VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source",
        "track", "wbr"}
# Elements whose end tag HTML lets the author leave out; the pages close them anyway.
PROGRAM_TEXT_CLASSES = {"menu", "ui", "msg"}


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack = []
        self.errors = []
        self.lang = None
        self.title = ""
        self.in_title = False
        self.links = []          # (attribute, value, rel)
        self.ids = set()
        self.charset = False
        self.doctype = False
        self.quoted = []         # (class, text) of the program texts
        self.capture = None      # [class, text parts, depth] while inside a quoted text
        self.img_without_alt = 0

    def handle_decl(self, decl):
        if decl.lower() == "doctype html":
            self.doctype = True

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "html":
            self.lang = a.get("lang")
        if tag == "title":
            self.in_title = True
        if tag == "meta" and (a.get("charset") or "").lower() == "utf-8":
            self.charset = True
        if "id" in a:
            if a["id"] in self.ids:
                self.errors.append("id en double : %s" % a["id"])
            self.ids.add(a["id"])
        for attribute in ("href", "src"):
            if attribute in a:
                self.links.append((attribute, a[attribute], a.get("rel")))
        if tag == "img" and not (a.get("alt") or "").strip():
            self.img_without_alt += 1
        classes = set((a.get("class") or "").split())
        if self.capture is not None and tag not in VOID:
            self.capture[2] += 1
        elif tag == "span" and classes & PROGRAM_TEXT_CLASSES:
            self.capture = [sorted(classes & PROGRAM_TEXT_CLASSES)[0], [], 1]
        if tag not in VOID:
            self.stack.append((tag, self.getpos()[0]))

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in VOID:
            self.handle_endtag(tag)

    def handle_endtag(self, tag):
        if tag == "title":
            self.in_title = False
        if tag in VOID:
            return
        if not self.stack:
            self.errors.append("ligne %d : </%s> sans ouverture" % (self.getpos()[0], tag))
            return
        opened, line = self.stack.pop()
        if opened != tag:
            self.errors.append("ligne %d : </%s> ferme <%s> de la ligne %d"
                               % (self.getpos()[0], tag, opened, line))
        if self.capture is not None:
            self.capture[2] -= 1
            if self.capture[2] == 0:
                self.quoted.append((self.capture[0], "".join(self.capture[1])))
                self.capture = None

    def handle_data(self, data):
        if self.in_title:
            self.title += data
        if self.capture is not None:
            self.capture[1].append(data)


def parse(path):
    page = Page()
    with open(path, encoding="utf-8") as f:
        page.feed(f.read())
    page.close()
    for tag, line in page.stack:
        page.errors.append("<%s> de la ligne %d n'est jamais fermé" % (tag, line))
    return page


def squeeze(text):
    return " ".join(text.split())


# --- the program's own texts: every C++ string literal of the program's sources, adjacent
# literals joined as the compiler joins them, with the "&" of menu mnemonics taken out.
def literals_of(code):
    """The string literals of a C++ file, with runs of adjacent literals joined."""
    out, i, n = [], 0, len(code)
    run, run_end = None, -1
    while i < n:
        c = code[i]
        if code.startswith("//", i):
            i = code.find("\n", i)
            i = n if i < 0 else i
        elif code.startswith("/*", i):
            i = code.find("*/", i + 2)
            i = n if i < 0 else i + 2
        elif c == "'":
            j = i + 1
            while j < n and code[j] != "'":
                j += 2 if code[j] == "\\" else 1
            i = j + 1
        elif c == '"':
            j, parts = i + 1, []
            while j < n and code[j] != '"':
                if code[j] == "\\" and j + 1 < n:
                    parts.append({"n": "\n", "t": "\t", '"': '"', "\\": "\\", "'": "'"}
                                 .get(code[j + 1], code[j + 1]))
                    j += 2
                else:
                    parts.append(code[j])
                    j += 1
            text = "".join(parts)
            if run is not None and code[run_end:i].strip() == "":
                run += text
            else:
                if run is not None:
                    out.append(run)
                run = text
            run_end = j + 1
            i = j + 1
        else:
            i += 1
    if run is not None:
        out.append(run)
    return out


program_texts = set()
menu_texts = set()
for folder in ("app", "store", "ui", "widgets", "catalog", "db"):
    for root, _, files in os.walk(os.path.join(source, folder)):
        for name in files:
            if not name.endswith((".cpp", ".h")):
                continue
            with open(os.path.join(root, name), encoding="utf-8") as f:
                for literal in literals_of(f.read()):
                    plain = squeeze(literal.replace("&", ""))
                    program_texts.add(plain)
                    if "&" in literal:
                        menu_texts.add(plain)
if "Vos prises" not in menu_texts:
    fail("les textes des menus du programme sont introuvables dans %s" % source)


# --- the pages
pages = sorted(n for n in os.listdir(pages_dir) if n.endswith(".html"))
if "index.html" not in pages:
    fail("data/aide/index.html est absent")
    pages = []

parsed = {name: parse(os.path.join(pages_dir, name)) for name in pages}
from_index = set()
if "index.html" in parsed:
    for _, value, _ in parsed["index.html"].links:
        target = urllib.parse.urlsplit(value)
        if not target.scheme and target.path:
            from_index.add(os.path.normpath(urllib.parse.unquote(target.path)))

used_pictures = set()
for name, page in parsed.items():
    where = "data/aide/" + name
    for error in page.errors:
        fail("%s : %s" % (where, error))
    if not page.doctype:
        fail("%s : pas de <!DOCTYPE html>" % where)
    if page.lang != "fr":
        fail("%s : <html lang=\"fr\"> attendu, trouvé %r" % (where, page.lang))
    if not squeeze(page.title):
        fail("%s : pas de <title>" % where)
    if not page.charset:
        fail("%s : pas de <meta charset=\"utf-8\">" % where)
    if page.img_without_alt:
        fail("%s : %d image(s) sans texte alt" % (where, page.img_without_alt))
    if name != "index.html" and name not in from_index:
        fail("%s : aucun lien depuis index.html" % where)

    hrefs = [urllib.parse.urlsplit(v) for a, v, _ in page.links if a == "href"]
    rels = {rel for a, _, rel in page.links if a == "href" and rel}
    if "next" not in rels:
        fail("%s : pas de lien vers la page suivante (rel=\"next\")" % where)
    if name != "index.html":
        if "prev" not in rels:
            fail("%s : pas de lien vers la page précédente (rel=\"prev\")" % where)
        if not any(h.path == "index.html" for h in hrefs):
            fail("%s : pas de lien vers le sommaire" % where)
    if not any(h.path == "style.css" for h in hrefs):
        fail("%s : la feuille de style commune n'est pas liée" % where)

    for attribute, value, _ in page.links:
        target = urllib.parse.urlsplit(value)
        if target.scheme or value.startswith("//"):
            continue  # only the pages' own files are checked
        path = urllib.parse.unquote(target.path) or name
        for base, label in ((pages_dir, "data/aide"), (copy_dir, "la copie du build")):
            full = os.path.normpath(os.path.join(base, os.path.dirname(name), path))
            if not os.path.isfile(full):
                fail("%s : %s=%r introuvable dans %s" % (where, attribute, value, label))
        if attribute == "src":
            used_pictures.add(os.path.normpath(path))
        if target.fragment:
            other = parsed.get(os.path.normpath(path))
            if other is None or target.fragment not in other.ids:
                fail("%s : l'ancre %r n'existe pas" % (where, value))

    for kind, text in page.quoted:
        text = squeeze(text)
        known = menu_texts if kind == "menu" else program_texts
        if text not in known:
            what = "le menu" if kind == "menu" else "le texte"
            fail("%s : %s « %s » n'existe pas dans les sources du programme" % (where, what, text))

# Pictures: each one shown by a page, of a sensible size, and a real PNG.
pictures_dir = os.path.join(pages_dir, "images")
if os.path.isdir(pictures_dir):
    for picture in sorted(os.listdir(pictures_dir)):
        relative = os.path.join("images", picture)
        full = os.path.join(pictures_dir, picture)
        if relative not in used_pictures:
            fail("data/aide/%s : aucune page ne l'affiche" % relative)
        if os.path.getsize(full) > 200 * 1024:
            fail("data/aide/%s : %d octets, plus de 200 Ko" % (relative, os.path.getsize(full)))
        with open(full, "rb") as f:
            if picture.endswith(".png") and f.read(8) != b"\x89PNG\r\n\x1a\n":
                fail("data/aide/%s : ce n'est pas une image PNG" % relative)

# The copy beside the program is the pages as they are now.
for root, _, files in os.walk(pages_dir):
    for name in files:
        original = os.path.join(root, name)
        copy = os.path.join(copy_dir, os.path.relpath(original, pages_dir))
        if not os.path.isfile(copy):
            fail("%s manque dans %s" % (os.path.relpath(original, source), copy_dir))
            continue
        with open(original, "rb") as a, open(copy, "rb") as b:
            if a.read() != b.read():
                fail("%s diffère de sa copie dans %s (build à refaire)"
                     % (os.path.relpath(original, source), copy_dir))

quoted = sum(len(p.quoted) for p in parsed.values())
if failures:
    print("%d échec(s) sur %d pages" % (len(failures), len(parsed)))
    sys.exit(1)
print("%d pages, %d textes du programme cités, tous trouvés" % (len(parsed), quoted))
PYTHON
