#!/usr/bin/env python3
"""The player as a visitor meets it, under Wine: the 32-bit exe and its
manifest, keys in and out of groups, one start per double-click, a failed
start's message and what stays silent, the about window, a design larger than
the screen, a second start, and the path options with the player's real
folders (a CD drive in the prefix for the disc-root box).

Usage: player_visitor_wine_test.py BRENWICK_CLI VELMORA_EXE WORK_DIR WINE_PREFIX
Run it under an X server (xvfb-run -a). Exit 77: skipped.
"""
import os
import re
import shutil
import struct
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import menu_window_wine_test as base  # noqa: E402
from menu_window_wine_test import check, set_attr, element  # noqa: E402

SUPPORTED_OS = {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}

# Appends its working folder and arguments as a line to ran.txt beside itself.
COUNTER = r'''#include <windows.h>
#include <stdio.h>
static void put(FILE *f, const wchar_t *w) { char b[1024];
  WideCharToMultiByte(CP_UTF8, 0, w, -1, b, sizeof b, 0, 0); fprintf(f, "%s|", b); }
int wmain(int argc, wchar_t **argv) { wchar_t cwd[512], log[600]; wcscpy(log, argv[0]);
  wchar_t *slash = wcsrchr(log, L'\\'); wcscpy(slash ? slash + 1 : log, L"ran.txt");
  FILE *f = _wfopen(log, L"a"); GetCurrentDirectoryW(512, cwd); put(f, cwd);
  for (int i = 1; i < argc; ++i) put(f, argv[i]); fprintf(f, "\n"); fclose(f); return 0; }
'''
# Writes the title and the controls' texts of every dialog window (message
# boxes, the about window) into the file named, one block a window.
WINTEXT = r'''#include <windows.h>
#include <stdio.h>
static FILE *out;
static void put(HWND w) { wchar_t b[4096] = {0}; char u[16384]; DWORD_PTR n = 0;
  SendMessageTimeoutW(w, WM_GETTEXT, 4096, (LPARAM)b, SMTO_ABORTIFHUNG, 3000, &n); b[4095] = 0;
  WideCharToMultiByte(CP_UTF8, 0, b, -1, u, sizeof u, 0, 0); fprintf(out, "%s\n", u); }
static BOOL CALLBACK child(HWND w, LPARAM l) { put(w); return TRUE; }
static BOOL CALLBACK top(HWND w, LPARAM l) { wchar_t c[64]; GetClassNameW(w, c, 64);
  if (IsWindowVisible(w) && !wcscmp(c, L"#32770")) { fprintf(out, "=== "); put(w); EnumChildWindows(w, child, 0); }
  return TRUE; }
/* wintext --key VK: the key pressed where the dialog's keyboard focus is. */
int wmain(int argc, wchar_t **argv) {
  if (argc == 3 && !wcscmp(argv[1], L"--key")) { HWND d = NULL;
    while ((d = FindWindowExW(NULL, d, L"#32770", NULL)) && !IsWindowVisible(d)) {}
    GUITHREADINFO g = {sizeof g}; GetGUIThreadInfo(GetWindowThreadProcessId(d, NULL), &g);
    WPARAM vk = (WPARAM)_wtoi(argv[2]); PostMessageW(g.hwndFocus ? g.hwndFocus : d, WM_KEYDOWN, vk, 1);
    PostMessageW(g.hwndFocus ? g.hwndFocus : d, WM_KEYUP, vk, 0xC0000001); return d ? 0 : 1; }
  out = _wfopen(argv[1], L"w"); EnumWindows(top, 0); fclose(out); return 0; }
'''


def pe_manifest(path):
    """The machine type and the RT_MANIFEST resource's bytes of a PE file."""
    data = open(path, "rb").read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    assert data[pe:pe + 4] == b"PE\0\0"
    machine, sections, _, _, _, optional_size = struct.unpack_from("<HHIIIH", data, pe + 4)
    table = pe + 24 + optional_size
    rsrc = None
    for i in range(sections):
        name, _, rva, raw_size, raw = struct.unpack_from("<8sIIII", data, table + 40 * i)
        if name.rstrip(b"\0") == b".rsrc":
            rsrc = (rva, raw)
    if not rsrc:
        return machine, None

    def entries(offset):
        named, ids = struct.unpack_from("<HH", data, rsrc[1] + offset + 12)
        for k in range(named + ids):
            ident, target = struct.unpack_from("<II", data, rsrc[1] + offset + 16 + 8 * k)
            yield ident, target

    for ident, target in entries(0):
        if ident == 24 and target & 0x80000000:
            for _, names in entries(target & 0x7FFFFFFF):
                for _, leaf in entries(names & 0x7FFFFFFF):
                    rva, size = struct.unpack_from("<II", data, rsrc[1] + leaf)
                    start = rva - rsrc[0] + rsrc[1]
                    return machine, data[start:start + size]
    return machine, None


class Visitor(base.Suite):
    def build_tool(self, name, source):
        exe = os.path.join(self.work, name + ".exe")
        if not os.path.exists(exe):
            src = os.path.join(self.work, name + ".c")
            open(src, "w").write(source)
            r = subprocess.run(["i686-w64-mingw32-gcc", "-municode", "-O1", "-o", exe, src], capture_output=True)
            assert r.returncode == 0, r.stderr
        return exe

    def disc(self, name, entries, options=None, xml=None, caption="Меню посетителя"):
        """A disc folder with the player, a counter program in prog\\ and a project
        whose top level holds entries (XML of command elements)."""
        folder = os.path.join(self.work, "visitor", name)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(os.path.join(folder, "prog"))
        shutil.copyfile(self.build_tool("counter", COUNTER), os.path.join(folder, "prog", "counter.exe"))
        xml = xml or self.new_project()
        xml = xml.replace("<exitoptions", "<root>\r\n" + entries + "</root>\r\n  <exitoptions", 1)
        for attr, value in (options or {}).items():
            element_name = "pathoptions" if attr in ("option", "cdroot") else "exitoptions"
            xml, n = re.subn(r'(<%s\b[^>]*\b%s=")[^"]*"' % (element_name, attr), r'\g<1>%s"' % value, xml, count=1)
            if not n:
                xml = xml.replace("<%s " % element_name, '<%s %s="%s" ' % (element_name, attr, value), 1)
        xml = set_attr(xml, "window", "appearance", "caption", caption)
        xml = set_attr(xml, "menubox", "appearance", "alignment", "0")
        open(os.path.join(folder, "Velmora.XML"), "w", encoding="utf-8", newline="").write(xml)
        shutil.copyfile(self.exe, os.path.join(folder, "Velmora.EXE"))
        return folder, xml

    def launch(self, exe, cwd, args=()):
        return subprocess.Popen(["wine", exe] + list(args), cwd=cwd, env=self.env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def keys(self, window, *keys):
        subprocess.run(["xdotool", "mousemove", "--window", window, "1", "1"])
        time.sleep(0.3)
        subprocess.run(["xdotool", "click", "1"])
        time.sleep(0.5)
        for key in keys:
            subprocess.run(["xdotool", "key", "--window", window, key], stderr=subprocess.DEVNULL)
            time.sleep(0.3)

    def runs(self, folder, timeout=20):
        ran = os.path.join(folder, "prog", "ran.txt")
        end = time.time() + timeout
        while time.time() < end and not os.path.exists(ran):
            time.sleep(0.3)
        time.sleep(0.5)
        return open(ran, encoding="utf-8").read().splitlines() if os.path.exists(ran) else []

    def dialogs(self):
        out = os.path.join(self.work, "dialogs.txt")
        if os.path.exists(out):
            os.remove(out)
        self.run(["wine", self.build_tool("wintext", WINTEXT), out])
        text = open(out, encoding="utf-8", errors="replace").read() if os.path.exists(out) else ""
        return [block.strip().split("\n") for block in text.split("=== ") if block.strip()]

    def closed(self, name, timeout=10):
        end = time.time() + timeout
        while time.time() < end:
            r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], capture_output=True)
            if not r.stdout.split():
                return True
            time.sleep(0.3)
        return False

    def finish(self, proc):
        proc.kill()
        proc.wait()

    # ---- cases ----------------------------------------------------------

    def manifest(self):
        machine, manifest = pe_manifest(self.exe)
        check(machine == 0x14C, "the player is not a 32-bit program (machine %#x)" % machine)
        check(os.path.getsize(self.exe) < 1 << 20, "the player is %d bytes" % os.path.getsize(self.exe))
        if not check(manifest, "the player carries no manifest"):
            return
        root = ET.fromstring(manifest)
        ns = {"v1": "urn:schemas-microsoft-com:asm.v1", "v3": "urn:schemas-microsoft-com:asm.v3",
              "c": "urn:schemas-microsoft-com:compatibility.v1"}
        level = root.find(".//v3:requestedExecutionLevel", ns)
        check(level is not None and level.get("level") == "asInvoker", "the manifest asks for other rights")
        controls = [a for a in root.iterfind(".//v1:dependentAssembly/v1:assemblyIdentity", ns)
                    if a.get("name") == "Microsoft.Windows.Common-Controls"]
        check(controls and controls[0].get("version") == "6.0.0.0", "the manifest asks for no Common Controls 6")
        systems = {e.get("Id").lower() for e in root.iterfind(".//c:supportedOS", ns)}
        check(systems == SUPPORTED_OS, "the manifest names the systems %s" % sorted(systems))
        dpi = [e.text for e in root.iter() if e.tag.endswith("}dpiAware")]
        check(dpi == ["false"], "the manifest's DPI decision is %s" % dpi)

    def keys_in_groups(self):
        entries = ('<group name="Игры" id="1" hidden="0">\r\n'
                   '  <program name="Счётчик" custom="prog\\counter.exe" id="2" hidden="0"/>\r\n</group>\r\n'
                   '<exit name="Выход" id="3" hidden="0"/>\r\n')
        folder, _ = self.disc("keys", entries, {"cross": "-1"})
        proc = self.start_player(folder)
        window = self.find_window("^Меню посетителя$")
        if not check(window, "the menu with a group did not show"):
            return self.finish(proc)
        # Into the group and up again by each key; a key that did not go up
        # would let the next Enter start the program.
        self.keys(window, "Return", "Escape", "Return", "BackSpace", "Return", "Left")
        time.sleep(1)
        check(not self.runs(folder, timeout=1), "Escape, Backspace or Left did not leave the group")
        check(not self.find_window("^Подтверждение$", timeout=1), "Escape in a group asked to leave the menu")
        check(proc.poll() is None, "Escape in a group closed the menu")
        self.keys(window, "Return", "Return")
        check(len(self.runs(folder)) == 1, "after the keys the group's program did not start once")
        self.keys(window, "Escape", "Escape")
        question = self.find_window("^Подтверждение$", timeout=20)
        if check(question, "Escape at the top level did not follow the close rule"):
            self.answer(question, buttons=2)
        check(self.wait_gone(proc), "the menu did not end after Escape at the top level")

    def double_click(self):
        entries = '<program name="Установка" custom="prog\\counter.exe" params="раз" id="1" hidden="0"/>\r\n'
        folder, xml = self.disc("double", entries)
        proc = self.start_player(folder)
        window = self.find_window("^Меню посетителя$")
        if not check(window, "the menu for the double-click did not show"):
            return self.finish(proc)
        top, left = map(int, re.search(r'<position top="(-?\d+)" left="(-?\d+)"',
                                       element(xml, "menubox").group(0)).groups())
        subprocess.run(["xdotool", "mousemove", "--window", window, str(left + 12), str(top + 10)])
        time.sleep(0.3)
        subprocess.run(["xdotool", "click", "--repeat", "2", "--delay", "150", "1"])
        time.sleep(3)
        lines = self.runs(folder)
        check(len(lines) == 1, "a double-click started the program %d times" % len(lines))
        check(lines and lines[0].endswith("\\prog|раз|"), "the program ran with %r" % lines)
        subprocess.run(["xdotool", "click", "1"])   # a new click later starts it again
        time.sleep(3)
        check(len(self.runs(folder)) == 2, "a click after the double-click started nothing")
        self.finish(proc)

    def silent_and_failed(self):
        entries = ('<program name="Нет файла" custom="prog\\missing.exe" id="1" hidden="0"/>\r\n'
                   '<program name="Пусто" custom=" " id="2" hidden="0"/>\r\n'
                   '<url name="Без адреса" custom="" id="3" hidden="0"/>\r\n')
        xml = self.new_project()
        # The first stand-alone button becomes «Вверх», pressed at the top with its option off.
        xml = set_attr(xml, "button", "appearance", "action", "5")
        folder, xml = self.disc("failed", entries, xml=xml)
        proc = self.start_player(folder)
        window = self.find_window("^Меню посетителя$")
        if not check(window, "the menu for the failed start did not show"):
            return self.finish(proc)
        self.keys(window, "Down", "Return", "Down", "Return")
        b = element(xml, "button").group(0)
        top, left, width, height = map(int, re.search(
            r'<position top="(-?\d+)" left="(-?\d+)" width="(\d+)" height="(\d+)"', b).groups())
        subprocess.run(["xdotool", "mousemove", "--window", window, str(left + width // 2), str(top + height // 2)])
        time.sleep(0.3)
        subprocess.run(["xdotool", "click", "1"])
        time.sleep(1.5)
        check(not self.dialogs(), "an empty path, an empty address or «Вверх» at the top spoke: %s" % self.dialogs())
        self.keys(window, "Up", "Up", "Return")
        box = self.find_window("^Ошибка$", timeout=20)
        if check(box, "a missing program gave no message"):
            message = "\n".join(t for block in self.dialogs() if block[0] == "Ошибка" for t in block[1:])
            path = re.search(r"\S*missing\.exe", message)
            reason = message[path.end():].replace("OK", "").strip() if path else ""
            print("failed start: %r" % message)
            check(path and "\\prog\\missing.exe" in path.group(0), "the message names no program: %r" % message)
            check(len(reason) > 3, "the message gives no reason: %r" % message)
            self.answer(box)
        check(proc.poll() is None, "the menu ended after a failed start")
        self.finish(proc)

    def about_window(self):
        xml = self.new_project()
        lines = ["Диск собран для проверки.", "Вторая строка."] + ["строка %d" % i for i in range(40)]
        xml = set_text_about(xml, lines)
        folder, xml = self.disc("about", '<exit name="Выход" id="1" hidden="0"/>\r\n', xml=xml)
        help_button = next((m.group(0) for m in re.finditer(r"<button>.*?</button>", xml, re.S)
                            if re.search(r'action="4"', m.group(0))), None)
        if not check(help_button, "the new project has no help button"):
            return
        top, left, width, height = map(int, re.search(
            r'<position top="(-?\d+)" left="(-?\d+)" width="(\d+)" height="(\d+)"', help_button).groups())
        proc = self.start_player(folder)
        window = self.find_window("^Меню посетителя$")
        if not check(window, "the menu for the about window did not show"):
            return self.finish(proc)
        # The keys reach the about window as Windows delivers them to its focus
        # (Xvfb without a window manager gives a new dialog no X focus).
        for close, vk in (("Escape", 27), ("Return", 13)):
            subprocess.run(["xdotool", "mousemove", "--window", window, str(left + width // 2),
                            str(top + height // 2)])
            time.sleep(0.3)
            subprocess.run(["xdotool", "click", "1"])
            about = self.find_window("^О программе$", timeout=20)
            if not check(about, "«Справка» showed no about window"):
                break
            texts = "\n".join(t for block in self.dialogs() if block[0] == "О программе" for t in block)
            check("Velmora" in texts and "Версия" in texts, "the about window names no player: %r" % texts)
            check("Диск собран для проверки." in texts and "строка 39" in texts,
                  "the about window lacks the project's text: %r" % texts)
            self.run(["wine", self.build_tool("wintext", WINTEXT), "--key", str(vk)])
            check(self.closed("^О программе$"), "%s did not close the about window" % close)
        check(proc.poll() is None, "the menu ended with its about window")
        self.finish(proc)

    def large_design_and_second_start(self):
        xml = self.new_project()
        xml = set_attr(xml, "window", "position", "width", "1920")
        xml = set_attr(xml, "window", "position", "height", "1080")
        folder, _ = self.disc("large", '<exit name="Выход" id="1" hidden="0"/>\r\n', xml=xml)
        proc = self.start_player(folder)
        window = self.find_window("^Меню посетителя$")
        if not check(window, "the large design did not show"):
            return self.finish(proc)
        time.sleep(1)
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], capture_output=True)
        at = dict(line.split("=") for line in geometry.stdout.decode().split() if "=" in line)
        print("large design: client at %s,%s" % (at.get("X"), at.get("Y")))
        check(0 <= int(at.get("X", -1)) <= 10 and 0 <= int(at.get("Y", -1)) <= 40,
              "a design larger than the screen opened at %s,%s" % (at.get("X"), at.get("Y")))
        second = self.start_player(folder)
        check(self.wait_gone(second, timeout=30), "a second start did not end")
        check(second.returncode == 0, "a second start ended with %s" % second.returncode)
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Меню посетителя$"], capture_output=True)
        check(len(r.stdout.split()) == 1, "a second start opened another menu")
        check(proc.poll() is None, "the first menu ended at the second start")
        self.finish(proc)

    # ---- the path options with the player's real folders ------------------

    def path_project(self):
        # Velmora.EXE at the root, the project in menu\ named on the command line.
        entries = '<program name="Из папки проекта" custom="prog\\counter.exe" id="1" hidden="0"/>\r\n'
        folder, _ = self.disc("path-project", entries, {"option": "project", "cdroot": "0"})
        menu = os.path.join(folder, "menu")
        os.makedirs(menu)
        shutil.move(os.path.join(folder, "Velmora.XML"), os.path.join(menu, "Velmora.XML"))
        shutil.move(os.path.join(folder, "prog"), os.path.join(menu, "prog"))
        self.start_and_enter(os.path.join(folder, "Velmora.EXE"), folder, menu, "project", ["menu\\Velmora.XML"])

    def path_current(self):
        entries = '<program name="Из текущей папки" custom="prog\\counter.exe" id="1" hidden="0"/>\r\n'
        folder, _ = self.disc("path-current", entries, {"option": "current", "cdroot": "0"})
        started_from = os.path.join(self.work, "visitor", "started-from")
        shutil.rmtree(started_from, ignore_errors=True)
        shutil.move(os.path.join(folder, "prog"), os.path.join(started_from, "prog"))
        self.start_and_enter(os.path.join(folder, "Velmora.EXE"), started_from, started_from, "current")

    def path_cdroot(self):
        # M: is a CD in the prefix; the menu stands in M:\menu, the program at the root.
        cd = os.path.join(self.work, "visitor", "cd")
        entries = '<program name="С корня диска" custom="prog\\counter.exe" id="1" hidden="0"/>\r\n'
        folder, _ = self.disc("cd", entries, {"option": "velmora", "cdroot": "-1"})
        os.makedirs(os.path.join(cd, "menu"))
        shutil.move(os.path.join(folder, "Velmora.XML"), os.path.join(cd, "menu", "Velmora.XML"))
        shutil.move(os.path.join(folder, "Velmora.EXE"), os.path.join(cd, "menu", "Velmora.EXE"))
        devices = os.path.join(self.env["WINEPREFIX"], "dosdevices")
        link = os.path.join(devices, "m:")
        if os.path.islink(link):
            os.remove(link)
        os.symlink(cd, link)
        # The mount manager is a 64-bit part of Wine: it reads the 64-bit registry.
        r = subprocess.run(["wine", "reg", "query", r"HKLM\Software\Wine\Drives", "/v", "m:", "/reg:64"],
                           env=self.env, capture_output=True)
        if b"cdrom" not in r.stdout:
            self.run(["wine", "reg", "add", r"HKLM\Software\Wine\Drives", "/v", "m:", "/d", "cdrom", "/f",
                      "/reg:64"])
            # The mount manager reads the drives' types when Wine starts.
            self.run(["wineserver", "-k"])
            self.run(["wineserver", "-w"])
            subprocess.Popen(["wineserver", "-p5"], env=self.env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
        self.start_and_enter("m:\\menu\\Velmora.EXE", os.path.join(cd, "menu"), cd, "cdroot")

    def start_and_enter(self, exe, cwd, program_root, name, args=()):
        proc = self.launch(exe, cwd, args)
        window = self.find_window("^Меню посетителя$")
        if not check(window, "«%s»: the menu did not show" % name):
            return self.finish(proc)
        self.keys(window, "Return")
        lines = self.runs(program_root)
        check(len(lines) == 1, "«%s»: the program was not found where the option says" % name)
        if not lines:
            print("«%s»: dialogs %s" % (name, self.dialogs()))
        self.finish(proc)


def set_text_about(xml, lines):
    about = "<about>" + "\r\n".join(lines) + "</about>"
    xml, n = re.subn(r"<about>.*?</about>|<about/>", about, xml, count=1, flags=re.S)
    return xml if n else xml.replace("<exitoptions", about + "\r\n  <exitoptions", 1)


def main():
    if len(sys.argv) != 5:
        print(__doc__)
        return 2
    cli, exe, work, prefix = sys.argv[1:5]
    for tool in ("wine", "wineserver", "xdotool", "i686-w64-mingw32-gcc"):
        if not shutil.which(tool):
            print("skipped: %s is not installed" % tool)
            return base.SKIP
    if not os.environ.get("DISPLAY") or not os.path.exists(exe):
        print("skipped: no X display or no player")
        return base.SKIP
    suite = Visitor(cli, exe, work, prefix)
    suite.prepare_prefix()
    only = os.environ.get("PLAYER_TEST_ONLY", "")
    for case in ("manifest", "keys_in_groups", "double_click", "silent_and_failed", "about_window",
                 "large_design_and_second_start", "path_project", "path_current", "path_cdroot"):
        if not only or case == only:
            print("--", case, flush=True)
            getattr(suite, case)()
    print("%d failures" % len(base.failures))
    return 1 if base.failures else 0


if __name__ == "__main__":
    sys.exit(main())
