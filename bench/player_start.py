#!/usr/bin/env python3
"""Start-up time of the player under Wine: from starting Velmora.EXE to its
menu window shown, for the new project and for a project with ten 1920x1080
pictures, against a minimal Win32 window program started the same way in the
same run (a 32-bit program, as the player is). Also the executable's size.
Targets: the new project's start within 1.5x the minimal window's, the
executable under 1 MB.

Usage: xvfb-run -a bench/player_start.py BUILD_DIR WORK_DIR [RUNS]
(BUILD_DIR holds brenwick-cli and player/Velmora.EXE; exits with 77, skipped,
when the player is not built there.)
"""
import os
import shutil
import statistics
import subprocess
import sys
import time

MINIMAL = r'''
#include <windows.h>
static LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_DESTROY) { PostQuitMessage(0); return 0; }
    return DefWindowProcW(h, m, w, l);
}
int WINAPI wWinMain(HINSTANCE i, HINSTANCE, LPWSTR, int)
{
    WNDCLASSW c = {}; c.lpfnWndProc = proc; c.hInstance = i; c.lpszClassName = L"Minimal";
    RegisterClassW(&c);
    HWND h = CreateWindowW(L"Minimal", L"Minimal window", WS_OVERLAPPEDWINDOW, 100, 100, 512, 316, 0, 0, i, 0);
    ShowWindow(h, SW_SHOW);
    MSG m; while (GetMessageW(&m, 0, 0, 0) > 0) { TranslateMessage(&m); DispatchMessageW(&m); }
    return 0;
}
'''


def bmp(path, width, height, seed):
    stride = (width * 3 + 3) & ~3
    import struct
    rows = []
    for y in range(height):
        row = bytes(v for x in range(256) for v in ((x * 7 + seed) & 255, (y + seed * 3) & 255, (x ^ y) & 255)) * (width // 256 + 1)
        rows.append(row[:width * 3] + b"\0" * (stride - width * 3))
    body = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    open(path, "wb").write(header + info + body)


def time_to_window(env, folder, exe, title):
    start = time.monotonic()
    proc = subprocess.Popen(["wine", exe], cwd=folder, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = None
    while time.monotonic() - start < 120:
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title], capture_output=True)
        if r.stdout.split():
            window = r.stdout.split()[-1]
            break
        time.sleep(0.02)
    elapsed = time.monotonic() - start
    proc.kill()
    proc.wait()
    time.sleep(0.5)
    return elapsed if window else float("nan")


def target(name, value, unit, limit):
    """Prints the target's line in the form every benchmark shares."""
    met = value <= limit
    print("TARGET %s: %.3f %s (limit %g) %s" % (name, value, unit, limit, "ok" if met else "MISSED"), flush=True)
    return met


def player_paths(usage, runs):
    """brenwick-cli, Velmora.EXE, the work folder and the number of runs from the
    arguments BUILD_DIR WORK_DIR [RUNS] (fewer runs under bench.sh --quick), or
    the exit status: 2 for wrong arguments, 77 (skipped) without the player."""
    if len(sys.argv) < 3:
        print(usage)
        return 2
    build, work = sys.argv[1:3]
    exe = os.path.join(build, "player", "Velmora.EXE")
    if not os.path.exists(exe):
        print("skipped: the player is not built (%s)" % exe)
        return 77
    if len(sys.argv) > 3:
        runs = int(sys.argv[3])
    elif os.environ.get("BRENWICK_BENCH_QUICK"):
        runs = max(1, runs // 2)
    return os.path.join(build, "brenwick-cli"), exe, work, runs


def main():
    paths = player_paths(__doc__, 5)
    if isinstance(paths, int):
        return paths
    cli, exe, work, runs = paths
    os.makedirs(work, exist_ok=True)
    env = dict(os.environ, WINEPREFIX=os.path.join(work, "wine-prefix"), WINEDEBUG="-all",
               WINEDLLOVERRIDES="mscoree,mshtml=")
    qt = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    subprocess.run(["wineboot", "-i"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=600)
    subprocess.Popen(["wineserver", "-p"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    minimal = os.path.join(work, "minimal")
    os.makedirs(minimal, exist_ok=True)
    open(os.path.join(minimal, "minimal.cpp"), "w").write(MINIMAL)
    subprocess.run(["i686-w64-mingw32-g++-posix", "-municode", "-mwindows", "-static", "-O2", "-o",
                    os.path.join(minimal, "minimal.exe"), os.path.join(minimal, "minimal.cpp")], check=True)

    empty = os.path.join(work, "empty")
    os.makedirs(empty, exist_ok=True)
    new = os.path.join(work, "new")
    os.makedirs(new, exist_ok=True)
    subprocess.run([cli, "import", empty, "-o", os.path.join(new, "Velmora.XML")], env=qt, check=True,
                   capture_output=True)
    shutil.copyfile(exe, os.path.join(new, "Velmora.EXE"))
    xml = open(os.path.join(new, "Velmora.XML"), encoding="utf-8").read()

    big = os.path.join(work, "pictures")
    os.makedirs(big, exist_ok=True)
    texts = []
    for n in range(10):
        path = os.path.join(work, "p%d.bmp" % n)
        bmp(path, 1920, 1080, n)
        texts.append(subprocess.run([cli, "picture", "encode", path], env=qt, check=True,
                                    capture_output=True).stdout.decode().strip())
    import re
    slots = [("background", "source"), ("theme", "source"), ("buttonstyle", "default"), ("buttonstyle", "selected"),
             ("buttonstyle", "pressed")]
    for element, child in slots:
        xml = re.sub(r"(<%s>.*?)(<%s>.*?</%s>|<%s/>)" % (element, child, child, child),
                     lambda m: m.group(1) + "<%s>%s</%s>" % (child, texts.pop(), child), xml, count=1, flags=re.S)
    # The rest on the stand-alone buttons: their normal and hover pictures.
    for nth in range(len(re.findall(r"<button>", xml))):
        for child in ("default", "selected"):
            if not texts:
                break
            m = list(re.finditer(r"<button>.*?</button>", xml, re.S))[nth]
            block = re.sub(r"<%s>.*?</%s>|<%s/>" % (child, child, child),
                           lambda _: "<%s>%s</%s>" % (child, texts.pop(), child), m.group(0), count=1, flags=re.S)
            xml = xml[:m.start()] + block + xml[m.end():]
    open(os.path.join(big, "Velmora.XML"), "w", encoding="utf-8", newline="").write(xml)
    shutil.copyfile(exe, os.path.join(big, "Velmora.EXE"))
    pictures = 10 - len(texts)

    caption = re.search(r'caption="([^"]*)"', xml).group(1)
    results = {"minimal window": [], "player, new project": [], "player, %d pictures 1920x1080" % pictures: []}
    for _ in range(runs):
        results["minimal window"].append(time_to_window(env, minimal, "minimal.exe", "Minimal window"))
        results["player, new project"].append(time_to_window(env, new, "Velmora.EXE", caption))
        results["player, %d pictures 1920x1080" % pictures].append(time_to_window(env, big, "Velmora.EXE", caption))
    subprocess.run(["wineserver", "-k"], env=env)
    base = statistics.median(results["minimal window"])
    for name, values in results.items():
        m = statistics.median(values)
        print("%-32s median %6.3f s  (%.2fx the minimal window; runs: %s)"
              % (name, m, m / base, ", ".join("%.3f" % v for v in values)))
    size = os.path.getsize(exe)
    print("Velmora.EXE: %d bytes (%.2f MB)" % (size, size / 1048576))
    target("player start, new project, of a minimal window", statistics.median(results["player, new project"]) / base,
           "x", 1.5)
    target("Velmora.EXE size", size / 1048576, "MB", 1)
    return 0


if __name__ == "__main__":
    sys.exit(main())
