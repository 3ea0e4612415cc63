#!/usr/bin/env python3
"""The player's menu window for a project of 20,000 entries under Wine: from
starting Velmora.EXE to its window shown, and Velmora.EXE --try on the same
project (the reader alone, without the window).

Usage: xvfb-run -a bench/player_large_menu.py BUILD_DIR WORK_DIR [RUNS]
(as bench/player_start.py: exits with 77, skipped, when the player is not built)
"""
import os
import re
import shutil
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from player_start import player_paths, time_to_window  # noqa: E402

ENTRIES = 20000
LIMIT = 2.0


def large_project(cli, work, env):
    empty = os.path.join(work, "empty")
    os.makedirs(empty, exist_ok=True)
    new = os.path.join(work, "new.xml")
    subprocess.run([cli, "import", empty, "-o", new], env=env, check=True, capture_output=True)
    xml = open(new, encoding="utf-8").read()
    lines = ["  <root>"]
    for n in range(1, ENTRIES + 1):
        if n % 10 == 1:
            lines.append('    <group name="Группа %d" comment="Описание %d" id="%d" hidden="0">' % (n, n, n))
            continue
        lines.append('      <program name="Программа %d" custom="Programs\\Setup %d\\setup.exe" id="%d" hidden="0"/>'
                     % (n, n, n))
        if n % 10 == 0:
            lines.append("    </group>")
    lines.append("  </root>")
    xml = re.sub(r"(<creator[^>]*/>\r\n)", lambda m: m.group(1) + "\r\n".join(lines) + "\r\n", xml, count=1)
    return xml


def main():
    paths = player_paths(__doc__, 3)
    if isinstance(paths, int):
        return paths
    cli, exe, work, runs = paths
    os.makedirs(work, exist_ok=True)
    env = dict(os.environ, WINEPREFIX=os.path.join(work, "wine-prefix"), WINEDEBUG="-all",
               WINEDLLOVERRIDES="mscoree,mshtml=")
    qt = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    subprocess.run(["wineboot", "-i"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=600)
    subprocess.Popen(["wineserver", "-p"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    disc = os.path.join(work, "large")
    os.makedirs(disc, exist_ok=True)
    xml = large_project(cli, work, qt)
    open(os.path.join(disc, "Velmora.XML"), "w", encoding="utf-8", newline="").write(xml)
    shutil.copyfile(exe, os.path.join(disc, "Velmora.EXE"))
    caption = re.search(r'<appearance caption="([^"]*)"', xml).group(1)

    windows, tries = [], []
    for _ in range(runs):
        windows.append(time_to_window(env, disc, "Velmora.EXE", caption))
        start = time.monotonic()
        subprocess.run(["wine", "Velmora.EXE", "--try"], cwd=disc, env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=300)
        tries.append(time.monotonic() - start)
    subprocess.run(["wineserver", "-k"], env=env)
    window = statistics.median(windows)
    print("%d entries: window %s s, --try %s s"
          % (ENTRIES, ", ".join("%.2f" % v for v in windows), ", ".join("%.2f" % v for v in tries)))
    print("TARGET player_window_20000_entries: %.2f s (limit %.1f) %s"
          % (window, LIMIT, "ok" if window < LIMIT else "MISSED"))
    return 0 if window < LIMIT else 1


if __name__ == "__main__":
    sys.exit(main())
