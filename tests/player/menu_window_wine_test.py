#!/usr/bin/env python3
"""The player's menu window under Wine: its drawing against the editor's
(brenwick-cli render), a click that really starts a program and the exit
question, and a damaged project file's message box.

Usage: menu_window_wine_test.py BRENWICK_CLI VELMORA_EXE WORK_DIR [WINE_PREFIX]
Run it under an X server (xvfb-run -a). Exit 77: skipped (no Wine, no X, no
mingw). One Wine prefix (default: under WORK_DIR) serves every case of a run.
"""
import base64
import os
import re
import shutil
import struct
import subprocess
import sys
import time
import zlib

SKIP = 77
# Text is drawn by two font engines (the editor's and Wine's GDI) from the same
# Liberation fonts: glyph pixels differ, so text cells are compared loosely.
# Measured over the projects below: 0.31 to 0.38 of a cell's pixels differ
# (anti-aliasing, a pixel of baseline), 0.58 where an italic heading overlaps
# its own negative shadow; 0.65 leaves a little room. Every pixel outside the
# cells must be equal, so text drawn in a wrong place still fails.
TEXT_CELL_TOLERANCE = 0.65
# A glyph's anti-aliased edge may reach this many pixels beyond its cell
# (an italic letter leans out further at the sides).
CELL_MARGIN = 2
CELL_MARGIN_SIDE = 4

failures = []


def font_twins():
    """The program's one table of Windows families and the free families shown for them."""
    source = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "rules", "FontTwins.cpp")
    twins = re.findall(r'\{"([^"]+)", "([^"]+)", (?:true|false), (?:true|false)\}', open(source, encoding="utf-8").read())
    assert twins, source
    return twins


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)
    return condition


# ---- pictures -----------------------------------------------------------

def read_png(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", path
    pos, idat, width, height, ctype = 8, b"", 0, 0, 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, ctype, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and interlace == 0 and ctype in (2, 6), (depth, ctype, interlace)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    bpp = 3 if ctype == 2 else 4
    stride = width * bpp
    rows, prev, i = [], bytearray(stride), 0
    for _ in range(height):
        f = raw[i]
        line = bytearray(raw[i + 1:i + 1 + stride])
        i += 1 + stride
        for x in range(stride):
            a = line[x - bpp] if x >= bpp else 0
            b = prev[x]
            c = prev[x - bpp] if x >= bpp else 0
            if f == 1:
                line[x] = (line[x] + a) & 255
            elif f == 2:
                line[x] = (line[x] + b) & 255
            elif f == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([(line[x * bpp] << 16) | (line[x * bpp + 1] << 8) | line[x * bpp + 2] for x in range(width)])
        prev = line
    return width, height, rows


def read_bmp(path):
    data = open(path, "rb").read()
    assert data[:2] == b"BM", path
    off = struct.unpack("<I", data[10:14])[0]
    width, height = struct.unpack("<ii", data[18:26])
    bits = struct.unpack("<H", data[28:30])[0]
    assert bits in (24, 32), bits
    bpp = bits // 8
    stride = (width * bpp + 3) & ~3
    rows = []
    for y in range(abs(height)):
        src = y if height < 0 else abs(height) - 1 - y
        base = off + src * stride
        rows.append([(data[base + x * bpp + 2] << 16) | (data[base + x * bpp + 1] << 8) | data[base + x * bpp]
                     for x in range(width)])
    return width, abs(height), rows


def write_bmp24(path, width, height, pixel):
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            rgb = pixel(x, y)
            row += bytes((rgb & 255, (rgb >> 8) & 255, (rgb >> 16) & 255))
        body += row + b"\0" * (stride - len(row))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    open(path, "wb").write(header + info + body)


def write_bmp8(path, width, height, index, palette):
    """An 8-bit picture with a palette, which the player reads through GDI."""
    stride = (width + 3) & ~3
    body = b"".join(bytes(index(x, y) for x in range(width)) + b"\0" * (stride - width)
                    for y in range(height - 1, -1, -1))
    table = b"".join(bytes((rgb & 255, (rgb >> 8) & 255, (rgb >> 16) & 255, 0)) for rgb in palette)
    off = 54 + len(table)
    header = struct.pack("<2sIHHI", b"BM", off + len(body), 0, 0, off)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(body), 2835, 2835, len(palette), 0)
    open(path, "wb").write(header + info + table + body)


def compare(editor_png, player_bmp, cells_file):
    """Differences outside text cells, and the worst share of differing pixels in a cell."""
    ew, eh, erows = read_png(editor_png)
    pw, ph, prows = read_bmp(player_bmp)
    if (ew, eh) != (pw, ph):
        return ["size %dx%d, editor %dx%d" % (pw, ph, ew, eh)], 1.0
    cells = []
    if os.path.exists(cells_file):
        for line in open(cells_file):
            l, t, r, b = map(int, line.split())
            cells.append((l - CELL_MARGIN_SIDE, t - CELL_MARGIN, r + CELL_MARGIN_SIDE, b + CELL_MARGIN))
    outside, worst = [], 0.0
    differing = [[False] * ew for _ in range(eh)]
    for y in range(eh):
        er, pr = erows[y], prows[y]
        for x in range(ew):
            if er[x] != pr[x]:
                differing[y][x] = True
                if not any(l <= x < r and t <= y < b for l, t, r, b in cells):
                    if len(outside) < 5:
                        outside.append("(%d,%d) editor %06x player %06x" % (x, y, er[x], pr[x]))
    for l, t, r, b in cells:
        l, t, r, b = max(l, 0), max(t, 0), min(r, ew), min(b, eh)
        area = (r - l) * (b - t)
        if area > 0:
            worst = max(worst, sum(differing[y][x] for y in range(t, b) for x in range(l, r)) / area)
    return outside, worst


def read_runs(path):
    """The text runs a drawing wrote: (x, y, text) each."""
    runs = []
    if os.path.exists(path):
        for line in open(path, encoding="utf-8").read().split("\n"):
            if line:
                x, y, text = line.split(" ", 2)
                runs.append((int(x), int(y), text))
    return sorted(runs)


def compare_runs(editor_texts, player_texts):
    """Runs of text one drawing has and the other lacks: rows, cuts, "..." and columns."""
    editor, player = read_runs(editor_texts), read_runs(player_texts)
    only_editor = [r for r in editor if r not in player]
    only_player = [r for r in player if r not in editor]
    return ["editor %r" % (r,) for r in only_editor[:3]] + ["player %r" % (r,) for r in only_player[:3]], len(editor)


# ---- projects ---------------------------------------------------------

def element(xml, name):
    m = re.search(r"<%s>.*?</%s>" % (name, name), xml, re.S)
    assert m, name
    return m


def set_attr(xml, name, child, attr, value, nth=0):
    """Sets attr of <child> inside the nth <name> element."""
    blocks = list(re.finditer(r"<%s>.*?</%s>" % (name, name), xml, re.S))
    m = blocks[nth]
    block = m.group(0)
    new, n = re.subn(r'(<%s\b[^>]*\b%s=")[^"]*(")' % (child, attr), lambda g: g.group(1) + value + g.group(2),
                     block, count=1, flags=re.S)
    assert n == 1, (name, child, attr)
    return xml[:m.start()] + new + xml[m.end():]


def set_text(xml, name, child, text, nth=0):
    blocks = list(re.finditer(r"<%s>.*?</%s>" % (name, name), xml, re.S))
    m = blocks[nth]
    new, n = re.subn(r"<%s>.*?</%s>|<%s/>" % (child, child, child), "<%s>%s</%s>" % (child, text, child),
                     m.group(0), count=1, flags=re.S)
    assert n == 1, (name, child)
    return xml[:m.start()] + new + xml[m.end():]


class Suite:
    def __init__(self, cli, exe, work, prefix):
        self.cli, self.exe, self.work = cli, exe, work
        self.env = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=")
        os.makedirs(work, exist_ok=True)

    def run(self, args, **kw):
        # Wine's helpers outlive the command and would hold captured pipes open.
        return subprocess.run(args, env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=kw.pop("timeout", 120), **kw)

    def prepare_prefix(self):
        twins = font_twins()
        # The stamp names the table, so a changed table is set again.
        stamp = os.path.join(self.env["WINEPREFIX"], "fonts-set-%08x" % zlib.crc32(repr(twins).encode()))
        # One server for the whole run (it stays a few seconds after the last
        # program): each start after the first is quick.
        subprocess.Popen(["wineserver", "-p5"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if os.path.exists(stamp):
            return
        self.run(["wineboot", "-i"], timeout=600)
        # Wine shows each Windows family with the free one the editor shows it with.
        for face, twin in twins:
            self.run(["wine", "reg", "add", r"HKCU\Software\Wine\Fonts\Replacements", "/v", face, "/d", twin, "/f"])
        open(stamp, "w").close()

    def cli_run(self, *args):
        r = subprocess.run([self.cli] + list(args), capture_output=True, timeout=120,
                           env=dict(os.environ, QT_QPA_PLATFORM="offscreen", BRENWICK_TEXT_CELLS="1"))
        assert r.returncode == 0, (args, r.stdout, r.stderr)
        return r

    def picture_text(self, bmp):
        return self.cli_run("picture", "encode", bmp).stdout.decode().strip()

    def base_project(self):
        folder = os.path.join(self.work, "import")
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(os.path.join(folder, "Утилиты"))
        for name in ("Установка.exe", "Описание игры.txt", os.path.join("Утилиты", "Настройка.exe")):
            open(os.path.join(folder, name), "wb").close()
        out = os.path.join(self.work, "base.xml")
        self.cli_run("import", folder, "-o", out)
        return open(out, encoding="utf-8").read()

    def player_render(self, xml, name, item=None):
        folder = os.path.join(self.work, "render", name)
        os.makedirs(folder, exist_ok=True)
        project = os.path.join(folder, "Velmora.XML")
        open(project, "w", encoding="utf-8", newline="").write(xml)
        exe = os.path.join(folder, "Velmora.EXE")
        shutil.copyfile(self.exe, exe)
        bmp = os.path.join(folder, "player.bmp")
        args = ["wine", exe, "--render", bmp] + (["--item", str(item)] if item else [])
        env = dict(self.env, BRENWICK_TEXT_CELLS="1")
        r = subprocess.run(args, cwd=folder, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           timeout=120)
        png = os.path.join(folder, "editor.png")
        self.cli_run("render", project, "-o", png, *(["--item", str(item)] if item else []))
        return r.returncode, png, bmp

    # ---- cases ----------------------------------------------------------

    def drawing_parity(self):
        base = self.base_project()
        pics = os.path.join(self.work, "pics")
        os.makedirs(pics, exist_ok=True)
        # A ring with a white hole in the middle and a white corner (the key colour).
        write_bmp24(os.path.join(pics, "holes.bmp"), 37, 23,
                    lambda x, y: 0xFFFFFF if (x < 5 and y > 17) or (12 < x < 24 and 8 < y < 15) else
                    (x * 7 << 16) | (y * 11 << 8) | 0x40)
        write_bmp24(os.path.join(pics, "skin.bmp"), 150, 47, lambda x, y: 0x203040 + (x << 8) + y)
        write_bmp24(os.path.join(pics, "skin_sel.bmp"), 120, 31, lambda x, y: 0xC08020 + y)
        write_bmp24(os.path.join(pics, "back.bmp"), 97, 61, lambda x, y: ((x * 3) << 16) | ((y * 4) << 8) | 0x80)
        holes = self.picture_text(os.path.join(pics, "holes.bmp"))
        skin = self.picture_text(os.path.join(pics, "skin.bmp"))
        skin_sel = self.picture_text(os.path.join(pics, "skin_sel.bmp"))
        back = self.picture_text(os.path.join(pics, "back.bmp"))
        write_bmp8(os.path.join(pics, "paletted.bmp"), 45, 33, lambda x, y: (x + 2 * y) % 6,
                   [0xFFFFFF, 0x102030, 0x80FF00, 0x0000C0, 0xC0C0C0, 0x400080])
        paletted = self.picture_text(os.path.join(pics, "paletted.bmp"))

        cases = []
        new = os.path.join(self.work, "new.xml")
        empty = os.path.join(self.work, "empty")
        os.makedirs(empty, exist_ok=True)
        self.cli_run("import", empty, "-o", new)
        cases.append(("new", open(new, encoding="utf-8").read(), None))
        cases.append(("commands", base, None))
        x = set_attr(base, "buttonstyle", "appearance", "style", "0")
        x = set_attr(x, "menubox", "appearance", "alignment", "1")
        cases.append(("text-style", x, None))
        x = set_attr(base, "buttonstyle", "appearance", "style", "2")
        x = set_text(x, "buttonstyle", "default", skin)
        x = set_text(x, "buttonstyle", "selected", skin_sel)
        x = set_attr(x, "buttonstyle", "sizing", "autosize", "-1")
        x = set_attr(x, "menubox", "appearance", "columns", "2")
        cases.append(("skinned", x, None))
        x = set_attr(base, "buttonstyle", "sizing", "autosize", "-1")
        x = set_attr(x, "buttonstyle", "alignment", "alignment", "0")
        x = set_attr(x, "buttonstyle", "alignment", "padh", "9")
        x = set_attr(x, "menubox", "appearance", "halloc", "-1")
        x = set_attr(x, "menubox", "appearance", "autocolumns", "-1")
        cases.append(("button-autosize", x, None))
        # Every border style of the text boxes, a line in a colour, a filled box.
        x = set_attr(base, "toplabel", "appearance", "borderstyle", "1")
        x = set_attr(x, "commentbox", "appearance", "borderstyle", "2")
        x = set_attr(x, "menubox", "appearance", "borderstyle", "3")
        x = set_attr(x, "menubox", "appearance", "bordercolor", "65280")
        x = set_attr(x, "commentbox", "appearance", "color", "8421504")
        x = set_attr(x, "window", "colors", "gradient", "0")
        x = set_attr(x, "window", "colors", "topcolor", "-16777201")
        cases.append(("borders", x, None))
        # Pictures with holes: a transparent theme, a stretched background, a
        # stand-alone button showing its caption.
        x = set_text(base, "theme", "source", holes)
        x = set_attr(x, "theme", "appearance", "transparent", "-1")
        x = set_attr(x, "theme", "sizing", "autosize", "0")
        x = set_attr(x, "theme", "sizing", "stretch", "-1")
        x = set_text(x, "background", "source", back)
        x = set_attr(x, "background", "sizing", "stretch", "-1")
        x = set_attr(x, "background", "sizing", "proportional", "-1")
        x = set_attr(x, "background", "sizing", "center", "-1")
        x = set_text(x, "button", "default", holes)
        x = set_attr(x, "button", "appearance", "transparent", "-1")
        x = set_text(x, "button", "default", paletted, nth=1)
        x = set_attr(x, "button", "appearance", "transparent", "-1", nth=1)
        x = set_attr(x, "button", "appearance", "showcaption", "-1")
        cases.append(("holes", x, None))
        # Halved exactly: every other row and column is sampled, which one shows.
        write_bmp24(os.path.join(pics, "stripes.bmp"), 4, 6,
                    lambda x, y: (0xFF0000 if y % 2 == 0 else 0x0000FF) | (0x00FF00 if x % 2 else 0))
        x = set_text(base, "theme", "source", self.picture_text(os.path.join(pics, "stripes.bmp")))
        x = set_attr(x, "theme", "sizing", "autosize", "0")
        x = set_attr(x, "theme", "sizing", "stretch", "-1")
        x = set_attr(x, "theme", "position", "width", "2")
        x = set_attr(x, "theme", "position", "height", "3")
        cases.append(("halved", x, None))
        # Wrap and shadows: a heading that wraps, shadows large and negative,
        # row spacing, centred and right-aligned rows; a group current, so the
        # heading shows its name.
        x = set_attr(base, "toplabel", "appearance", "text",
                     "Длинный заголовок меню, который переносится по словам\r\nвторая строка")
        x = set_attr(x, "toplabel", "appearance", "alignment", "2")
        x = set_attr(x, "toplabel", "position", "height", "90")
        x = set_attr(x, "toplabel", "font", "shadowsize", "-4")
        x = set_attr(x, "commentbox", "appearance", "alignment", "1")
        x = set_attr(x, "commentbox", "font", "rowspacing", "5")
        x = set_attr(x, "menubox", "font", "shadowsize", "6")
        x = set_attr(x, "menubox", "font", "style", "3")
        cases.append(("wrap-shadows", x, None))
        grouped = set_attr(base, "toplabel", "appearance", "allowchange", "-1")
        ids = re.findall(r'<program[^>]*id="(\d+)"', grouped)
        cases.append(("group-current", grouped, int(ids[-1]) if ids else None))

        cases += self.picture_cases(base, pics)
        cases += self.gallery_cases()

        # PLAYER_TEST_CASES=REGEX: only the cases whose names match.
        wanted = re.compile(os.environ.get("PLAYER_TEST_CASES", ""))
        cases = [c for c in cases if wanted.search(c[0])]
        worst = 0.0
        for name, xml, item in cases:
            rc, png, bmp = self.player_render(xml, name, item)
            if not check(rc == 0 and os.path.exists(bmp), "%s: the player rendered nothing (%d)" % (name, rc)):
                continue
            outside, share = compare(png, bmp, bmp + ".cells")
            check(not outside, "%s: pixels outside text differ: %s" % (name, "; ".join(outside)))
            runs, count = compare_runs(png + ".texts", bmp + ".cells.texts")
            check(count > 0 or name.startswith("picture"), "%s: the editor drew no text" % name)
            check(not runs, "%s: the text runs differ: %s" % (name, "; ".join(runs)))
            check(share <= TEXT_CELL_TOLERANCE, "%s: %.2f of a text cell differs" % (name, share))
            worst = max(worst, share)
            print("drawing %-16s text cells differ at most %.2f" % (name, share), flush=True)
        print("drawing parity: worst text cell %.2f (tolerance %.2f)" % (worst, TEXT_CELL_TOLERANCE))

    def picture_cases(self, base, pics):
        """Stretched and proportional pictures at uneven ratios, and tiny ones."""
        cases = []
        shapes = (("3x7", 3, 7), ("1x1000", 1000, 1), ("1x1", 1, 1), ("2x3", 2, 3))
        for name, w, h in shapes:
            path = os.path.join(pics, "p%s.bmp" % name)
            write_bmp24(path, w, h, lambda x, y: ((x * 53) % 256 << 16) | ((y * 97) % 256 << 8) | 0x20)
            text = self.picture_text(path)
            for mode, stretch, proportional in (("stretch", "-1", "0"), ("proportional", "-1", "-1"),
                                                ("shrink", "0", "-1")):
                x = set_text(base, "theme", "source", text)
                x = set_attr(x, "theme", "sizing", "autosize", "0")
                x = set_attr(x, "theme", "sizing", "stretch", stretch)
                x = set_attr(x, "theme", "sizing", "proportional", proportional)
                x = set_attr(x, "theme", "sizing", "center", "-1" if mode != "stretch" else "0")
                x = set_text(x, "background", "source", text)
                x = set_attr(x, "background", "sizing", "stretch", stretch)
                x = set_attr(x, "background", "sizing", "proportional", proportional)
                cases.append(("picture-%s-%s" % (name, mode), x, None))
        return cases

    def gallery_cases(self):
        """Every design that ships, over the commands of a small disc."""
        cases = []
        listing = self.cli_run("design", "list").stdout.decode()
        names = [line.split("\t")[0] for line in listing.splitlines() if line.strip()]
        base = os.path.join(self.work, "base.xml")
        for name in names:
            out = os.path.join(self.work, "gallery-%s.xml" % name)
            self.cli_run("design", "apply", name, base, "-o", out)
            cases.append(("gallery-" + name, open(out, encoding="utf-8").read(), None))
        return cases

    # ---- a disc under Wine: a click runs a program; the exit question -----

    def start_player(self, folder):
        return subprocess.Popen(["wine", os.path.join(folder, "Velmora.EXE")], cwd=folder, env=self.env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def find_window(self, name, timeout=60):
        end = time.time() + timeout
        while time.time() < end:
            r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], capture_output=True)
            ids = r.stdout.split()
            if ids:
                return ids[-1].decode()
            time.sleep(0.3)
        return None

    def answer(self, box, buttons=1):
        """Takes the default button (OK, or Yes of Yes/No) of a message box until it is gone:
        Enter first, then a click where Wine puts that button."""
        def shown():
            r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."], capture_output=True)
            return box.encode() in r.stdout.split()
        for attempt in range(6):
            time.sleep(0.5)
            if attempt % 2 == 0:
                subprocess.run(["xdotool", "key", "--window", box, "Return"])
            else:
                geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", box], capture_output=True)
                size = dict(line.split("=") for line in geometry.stdout.decode().split() if "=" in line)
                width, height = int(size.get("WIDTH", 0)), int(size.get("HEIGHT", 0))
                x = width // 2 - (33 if buttons == 2 else 0)
                subprocess.run(["xdotool", "mousemove", "--window", box, str(x), str(height - 22)])
                time.sleep(0.2)
                subprocess.run(["xdotool", "click", "1"])
            time.sleep(1)
            if not shown():
                return

    def wait_gone(self, proc, timeout=30, shot=None):
        try:
            proc.wait(timeout=timeout)
            return True
        except subprocess.TimeoutExpired:
            if shot:
                subprocess.run(["import", "-window", "root", os.path.join(self.work, shot)])
            proc.kill()
            return False

    def new_project(self):
        empty = os.path.join(self.work, "empty")
        os.makedirs(empty, exist_ok=True)
        out = os.path.join(self.work, "new.xml")
        self.cli_run("import", empty, "-o", out)
        return open(out, encoding="utf-8").read()

    def click_runs_program(self):
        disc = os.path.join(self.work, "disc")
        shutil.rmtree(disc, ignore_errors=True)
        os.makedirs(os.path.join(disc, "prog"))
        source = os.path.join(self.work, "writer.c")
        # Writes its working folder and its arguments, in UTF-8, into ran.txt.
        open(source, "w").write(
            '#include <windows.h>\n#include <stdio.h>\n'
            'static void put(FILE *f, const wchar_t *w) { char b[1024];'
            ' WideCharToMultiByte(CP_UTF8, 0, w, -1, b, sizeof b, 0, 0); fprintf(f, "%s|", b); }\n'
            'int wmain(int argc, wchar_t **argv) { wchar_t cwd[512]; FILE *f = _wfopen(L"ran.txt", L"w");'
            ' GetCurrentDirectoryW(512, cwd); put(f, cwd);'
            ' for (int i = 1; i < argc; ++i) put(f, argv[i]); fclose(f); return 0; }\n')
        r = subprocess.run(["i686-w64-mingw32-gcc", "-municode", "-O1", "-o", os.path.join(disc, "prog", "writer.exe"), source],
                           capture_output=True)
        if not check(r.returncode == 0, "the test program does not build: %s" % r.stderr):
            return
        xml = self.new_project()
        # A path as written, one quoted from the disc's root, a file that is not there, the exit.
        root = ('<root>\r\n    <program name="Запустить" comment="Пишет файл" custom="prog\\writer.exe"'
                ' params="один &quot;два три&quot;" id="1" hidden="0"/>\r\n'
                '    <program name="От корня" custom="&quot;\\prog\\writer.exe&quot;" params="второй" id="3"'
                ' hidden="0"/>\r\n'
                '    <program name="Нет файла" custom="prog\\missing.exe" id="4" hidden="0"/>\r\n'
                '    <exit name="Выход" id="2" hidden="0"/>\r\n  </root>\r\n  ')
        xml = xml.replace("<exitoptions", root + "<exitoptions", 1)
        xml = re.sub(r'question="[^"]*"', 'question="-1"', xml, count=1)
        xml = set_attr(xml, "window", "appearance", "caption", "Меню проверки")
        xml = set_attr(xml, "menubox", "appearance", "alignment", "0")
        project = os.path.join(self.work, "e2e.xml")
        open(project, "w", encoding="utf-8", newline="").write(xml)
        shutil.copyfile(self.exe, os.path.join(disc, "Velmora.EXE"))
        missing = os.path.join(disc, "prog", "missing.exe")
        shutil.copyfile(os.path.join(disc, "prog", "writer.exe"), missing)   # there for the check only
        r = subprocess.run([self.cli, "disc", project, disc], capture_output=True, timeout=120,
                           env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        check(r.returncode == 0, "brenwick-cli disc failed: %s %s" % (r.stdout, r.stderr))
        os.remove(missing)
        proc = self.start_player(disc)
        window = self.find_window("^Меню проверки$")
        if not check(window, "the menu window did not show"):
            proc.kill()
            return
        # The first entry of the menu area: its buttons stand at the left.
        menu = element(xml, "menubox").group(0)
        top, left = map(int, re.search(r'<position top="(-?\d+)" left="(-?\d+)"', menu).groups())
        subprocess.run(["xdotool", "mousemove", "--window", window, str(left + 12), str(top + 10)])
        time.sleep(0.3)
        subprocess.run(["xdotool", "click", "1"])
        ran = os.path.join(disc, "prog", "ran.txt")
        end = time.time() + 30
        while time.time() < end and not os.path.exists(ran):
            time.sleep(0.3)
        if check(os.path.exists(ran), "a click on the entry started nothing"):
            time.sleep(0.5)
            text = open(ran, encoding="utf-8", errors="replace").read()
            check(text.lower().endswith("\\prog|" + "один|два три|") or "|один|два три|" in text,
                  "the program ran with %r" % text)
            check(text.lower().split("|")[0].endswith("\\prog"), "the working folder was %r" % text)
        def focus_and_keys(*keys):
            # A click on the heading, which does nothing, brings the keyboard
            # back from the program started.
            subprocess.run(["xdotool", "mousemove", "--window", window, "1", "1"])
            time.sleep(0.3)
            subprocess.run(["xdotool", "click", "1"])
            time.sleep(0.5)
            for key in keys:
                subprocess.run(["xdotool", "key", "--window", window, key])
                time.sleep(0.2)

        # The second entry: a quoted path from the root of the disc.
        if os.path.exists(ran):
            os.remove(ran)
        focus_and_keys("Down", "Return")
        end = time.time() + 30
        while time.time() < end and not os.path.exists(ran):
            time.sleep(0.3)
        if check(os.path.exists(ran), "the quoted path from the disc's root started nothing"):
            time.sleep(0.5)
            check(open(ran, encoding="utf-8").read().endswith("|второй|"), "the second program's arguments")
        # The third: a program that is not there gives a message, nothing more.
        focus_and_keys("Down", "Return")
        box = self.find_window("^Ошибка$", timeout=20)
        if check(box, "a missing program gave no message"):
            self.answer(box)
        # «Выход»: the stand-alone exit button, then the question «Выйти?».
        for m in re.finditer(r"<button>.*?</button>", xml, re.S):
            if re.search(r'action="0"', m.group(0)):
                top, left, width, height = map(int, re.search(
                    r'<position top="(-?\d+)" left="(-?\d+)" width="(\d+)" height="(\d+)"', m.group(0)).groups())
                subprocess.run(["xdotool", "mousemove", "--window", window, str(left + width // 2),
                                str(top + height // 2)])
                time.sleep(0.3)
                subprocess.run(["xdotool", "click", "1"])
                break
        question = self.find_window("^Подтверждение$", timeout=20)
        if not question:
            subprocess.run(["import", "-window", "root", os.path.join(self.work, "no-question.png")])
        if check(question, "«Выход» asked nothing"):
            check(proc.poll() is None, "the player ended before the question was answered")
            self.answer(question, buttons=2)
        check(self.wait_gone(proc, shot="exit-not-ended.png"), "the player did not end after «Выход» was confirmed")

    def damaged_file(self):
        folder = os.path.join(self.work, "damaged")
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        xml = self.new_project()
        cut = xml[:xml.index("<toplabel>") + 40]
        open(os.path.join(folder, "Velmora.XML"), "w", encoding="utf-8", newline="").write(cut)
        shutil.copyfile(self.exe, os.path.join(folder, "Velmora.EXE"))
        proc = self.start_player(folder)
        box = self.find_window("^(Ошибка|Velmora.*)$", timeout=60)
        if check(box, "a damaged Velmora.XML showed no message box"):
            check(proc.poll() is None, "the player ended before its message was read")
            self.answer(box)
        check(self.wait_gone(proc), "the player did not end after its message box closed")

    # ---- the window's colour key: pixels of that colour are holes ---------

    def screen_pixel(self, window, x, y):
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], capture_output=True)
        at = dict(line.split("=") for line in geometry.stdout.decode().split() if "=" in line)
        r = subprocess.run(["import", "-window", "root", "-crop", "1x1+%d+%d" % (int(at["X"]) + x, int(at["Y"]) + y),
                            "-depth", "8", "rgb:-"], capture_output=True)
        return tuple(r.stdout[:3])

    def colour_key(self):
        xml = self.new_project()
        xml = set_attr(xml, "window", "appearance", "caption", "Окно с дырами")
        top = int(re.search(r'topcolor="(-?\d+)"', xml).group(1))
        seen = {}
        for keyed in (False, True):
            folder = os.path.join(self.work, "key-%d" % keyed)
            os.makedirs(folder, exist_ok=True)
            # The gradient's first row has exactly the top colour: a hole when keyed.
            x = set_attr(xml, "window", "translucency", "transparentcolor", "-1" if keyed else "0")
            x = set_attr(x, "window", "translucency", "transparentcolorvalue", str(top))
            open(os.path.join(folder, "Velmora.XML"), "w", encoding="utf-8", newline="").write(x)
            shutil.copyfile(self.exe, os.path.join(folder, "Velmora.EXE"))
            proc = self.start_player(folder)
            window = self.find_window("^Окно с дырами$")
            if check(window, "the window with a colour key did not show"):
                time.sleep(1)
                seen[keyed] = self.screen_pixel(window, 300, 0)
            proc.kill()
            proc.wait()
        rgb = (top & 255, (top >> 8) & 255, (top >> 16) & 255)
        print("colour key: first row %s without the key, %s with it" % (seen.get(False), seen.get(True)))
        check(seen.get(False) == rgb, "without a key the first row is %s, not %s" % (seen.get(False), rgb))
        check(seen.get(True) not in (None, rgb), "the colour key left the top colour on screen")

    # ---- a picture the editor refuses: the player refuses it too ----------

    def short_picture(self):
        xml = self.new_project()
        # A bitmap cut inside its information header and one cut inside its
        # pixels: the picture texts are sound, the pictures are not.
        pics = os.path.join(self.work, "pics")
        os.makedirs(pics, exist_ok=True)
        whole = os.path.join(pics, "whole.bmp")
        write_bmp24(whole, 9, 7, lambda x, y: 0x102030 * (x + y))
        data = open(whole, "rb").read()
        for place, cut in (("background", data[:40]), ("theme", data[:-3])):
            text = "%d;%s" % (len(cut), base64.b64encode(zlib.compress(cut)).decode())
            folder = os.path.join(self.work, "render", "short-" + place)
            os.makedirs(folder, exist_ok=True)
            open(os.path.join(folder, "Velmora.XML"), "w", encoding="utf-8", newline="").write(
                set_text(xml, place, "source", text))
            shutil.copyfile(self.exe, os.path.join(folder, "Velmora.EXE"))
            bmp = os.path.join(folder, "player.bmp")
            r = subprocess.run(["wine", os.path.join(folder, "Velmora.EXE"), "--render", bmp], cwd=folder,
                               env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=120)
            said = r.stderr.decode("utf-8", "replace")
            check(r.returncode == 1 and not os.path.exists(bmp),
                  "a short %s picture: status %d, not refused" % (place, r.returncode))
            check("элемент «%s/source»: картинка повреждена" % place in said,
                  "a short %s picture is not named with the editor's reason: %r" % (place, said))

    # ---- tooltips: the hint a control carries is the text its tip shows ---

    def tooltips(self):
        source = os.path.join(self.work, "tips.c")
        # Prints every tool of the tooltip controls owned by the window titled
        # argv[1]: "left top right bottom<TAB>text", in UTF-8. The tool's
        # record and text live in the player's memory, where the control reads them.
        open(source, "w").write(r"""
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
static HWND owner, tips[16];
static int count;
static BOOL CALLBACK each(HWND w, LPARAM l) {
    wchar_t cls[64];
    (void)l;
    GetClassNameW(w, cls, 64);
    if (!lstrcmpiW(cls, TOOLTIPS_CLASSW) && GetWindow(w, GW_OWNER) == owner && count < 16)
        tips[count++] = w;
    return TRUE;
}
int wmain(int argc, wchar_t **argv) {
    DWORD pid;
    if (argc < 2 || !(owner = FindWindowW(NULL, argv[1])))
        return 2;
    EnumWindows(each, 0);
    GetWindowThreadProcessId(owner, &pid);
    HANDLE proc = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    BYTE *remote = proc ? VirtualAllocEx(proc, NULL, 16384, MEM_COMMIT, PAGE_READWRITE) : NULL;
    if (!remote)
        return 3;
    for (int t = 0; t < count; ++t) {
        int n = (int)SendMessageW(tips[t], TTM_GETTOOLCOUNT, 0, 0);
        for (int i = 0; i < n; ++i) {
            TTTOOLINFOW ti;
            wchar_t text[4096];
            char utf8[16384];
            ZeroMemory(&ti, sizeof ti);
            ti.cbSize = sizeof ti;
            WriteProcessMemory(proc, remote, &ti, sizeof ti, NULL);
            if (!SendMessageW(tips[t], TTM_ENUMTOOLSW, i, (LPARAM)remote))
                continue;
            ReadProcessMemory(proc, remote, &ti, sizeof ti, NULL);
            ZeroMemory(text, sizeof text);
            WriteProcessMemory(proc, remote + 1024, text, 8192, NULL);
            ti.lpszText = (LPWSTR)(remote + 1024);
            WriteProcessMemory(proc, remote, &ti, sizeof ti, NULL);
            SendMessageW(tips[t], TTM_GETTEXTW, 4000, (LPARAM)remote);
            ReadProcessMemory(proc, remote + 1024, text, 8190, NULL);
            WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, 0, 0);
            printf("%ld %ld %ld %ld\t%s\n", ti.rect.left, ti.rect.top, ti.rect.right, ti.rect.bottom, utf8);
        }
    }
    return 0;
}
""")
        tips = os.path.join(self.work, "tips.exe")
        r = subprocess.run(["i686-w64-mingw32-gcc", "-municode", "-O1", "-o", tips, source, "-lcomctl32"],
                           capture_output=True)
        if not check(r.returncode == 0, "the tooltip reader does not build: %s" % r.stderr):
            return
        xml = self.new_project()
        xml = set_attr(xml, "window", "appearance", "caption", "Меню с подсказками")
        hint = "Подсказка «кнопки» & <её> текст"
        escaped = hint.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
        x = set_attr(xml, "button", "hint", "text", escaped)
        x = set_attr(x, "button", "hint", "showhint", "-1")
        x = set_attr(x, "menubox", "hint", "text", "Меню")
        x = set_attr(x, "menubox", "hint", "showhint", "-1")
        x = set_attr(x, "commentbox", "hint", "text", "не показывается")
        x = set_attr(x, "commentbox", "hint", "showhint", "0")
        folder = os.path.join(self.work, "tips")
        os.makedirs(folder, exist_ok=True)
        open(os.path.join(folder, "Velmora.XML"), "w", encoding="utf-8", newline="").write(x)
        shutil.copyfile(self.exe, os.path.join(folder, "Velmora.EXE"))
        proc = self.start_player(folder)
        if not check(self.find_window("^Меню с подсказками$"), "the window with hints did not show"):
            proc.kill()
            return
        time.sleep(1)
        r = subprocess.run(["wine", tips, "Меню с подсказками"], env=self.env, capture_output=True, timeout=60)
        proc.kill()
        proc.wait()
        got = {}
        for line in r.stdout.decode("utf-8", "replace").splitlines():
            rect, _, text = line.partition("\t")
            got[text] = tuple(map(int, rect.split()))
        button = element(x, "button").group(0)
        top, left, width, height = map(int, re.search(
            r'<position top="(-?\d+)" left="(-?\d+)" width="(\d+)" height="(\d+)"', button).groups())
        print("tooltips: %r" % got)
        check(got.get(hint) == (left, top, left + width, top + height),
              "the button's tip is not its hint over its bounds: %r" % got)
        check("Меню" in got, "the menu area's tip is missing: %r" % got)
        check("не показывается" not in got, "a hint that is not shown has a tip")


def main():
    if len(sys.argv) not in (4, 5):
        print(__doc__)
        return 2
    cli, exe, work = sys.argv[1:4]
    prefix = sys.argv[4] if len(sys.argv) == 5 else os.path.join(work, "wine-prefix")
    for tool in ("wine", "wineserver", "xdotool", "i686-w64-mingw32-gcc"):
        if not shutil.which(tool):
            print("skipped: %s is not installed" % tool)
            return SKIP
    if not os.environ.get("DISPLAY") or not os.path.exists(exe):
        print("skipped: no X display or no player")
        return SKIP
    suite = Suite(cli, exe, work, prefix)
    suite.prepare_prefix()
    only = os.environ.get("PLAYER_TEST_ONLY", "")
    for case in ("drawing_parity", "click_runs_program", "damaged_file", "colour_key", "short_picture",
                 "tooltips"):
        if not only or case == only:
            getattr(suite, case)()
    print("%d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
