#include "MenuWindow.h"

#include "Actions.h"
#include "OneMenu.h"
#include "PaintCanvas.h"
#include "PaintMenu.h"
#include "TryMode.h"
#include "rules/MenuRun.h"
#include "rules/MenuTexts.h"
#include "rules/WindowPlace.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdio>
#include <memory>

namespace player {

namespace {

const wchar_t *const kClassName = L"VelmoraMenuWindow";
// A second activation of the entry just started is ignored as the rest of a
// double-click for this long at least (the slowest double-click Windows
// offers is 900 ms), and for as long as the program started is still starting.
const DWORD kRepeatMs = 1000;
const DWORD kStartingMs = 10000;

const std::vector<std::wstring> kPlaceholders = {L"<элемент 1>", L"<элемент 2>", L"<элемент 3>"};

std::vector<rules::RunButton> runButtons(const rules::Project &project, const MenuPictures &pictures)
{
    std::vector<rules::RunButton> buttons;
    for (std::size_t i = 0; i < project.buttons.size(); ++i) {
        const rules::PicButton &b = project.buttons[i];
        const RECT r = PicButtonBounds(b, pictures.buttons[i], MenuView::Normal);
        buttons.push_back({b.caption, b.action, b.itemId, b.visible, int(r.right - r.left), int(r.bottom - r.top)});
    }
    return buttons;
}

// The view of a run: the current level, its selected entry and its group.
MenuView viewOf(const rules::MenuRun &run, std::size_t buttonCount)
{
    MenuView view;
    for (const rules::Command *c : run.Entries())
        view.menuLines.push_back(Widen(c->name));
    view.selected = run.Selected();
    if (run.Group())
        view.groupCaption = Widen(run.Group()->name);
    if (const rules::Command *item = run.SelectedItem())
        view.comment = Widen(item->comment);
    view.buttonStates.assign(buttonCount, MenuView::Normal);
    return view;
}

bool writeBmp(const Canvas &canvas, const std::wstring &path)
{
    const int w = canvas.width(), h = canvas.height();
    const int stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = DWORD(fh.bfOffBits + DWORD(stride) * DWORD(h));
    ih.biSize = sizeof ih;
    ih.biWidth = w;
    ih.biHeight = h;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biCompression = BI_RGB;
    std::vector<std::uint8_t> data(std::size_t(stride) * std::size_t(h), 0);
    GdiFlush();
    for (int y = 0; y < h; ++y) {
        const std::uint32_t *src = canvas.bits() + std::size_t(h - 1 - y) * std::size_t(w);
        std::uint8_t *dst = data.data() + std::size_t(y) * std::size_t(stride);
        for (int x = 0; x < w; ++x) {
            dst[3 * x] = std::uint8_t(src[x]);
            dst[3 * x + 1] = std::uint8_t(src[x] >> 8);
            dst[3 * x + 2] = std::uint8_t(src[x] >> 16);
        }
    }
    // Written beside, then moved over the target: no half-written file.
    const std::wstring temp = path + L".part";
    FILE *file = _wfopen(temp.c_str(), L"wb");
    if (!file)
        return false;
    bool ok = fwrite(&fh, sizeof fh, 1, file) == 1 && fwrite(&ih, sizeof ih, 1, file) == 1
        && fwrite(data.data(), 1, data.size(), file) == data.size();
    ok = fclose(file) == 0 && ok;
    if (!ok || !MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileW(temp.c_str());
        return false;
    }
    return true;
}

// The text cells drawn, for comparisons of the drawing: one "left top right bottom" a line.
void writeTextCells(const Canvas &canvas, const std::wstring &path)
{
    FILE *file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return;
    for (const RECT &r : canvas.textCells())
        fprintf(file, "%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    fclose(file);
    // The runs: "x y text" a line, the text in UTF-8.
    file = _wfopen((path + L".texts").c_str(), L"wb");
    if (!file)
        return;
    for (const Canvas::TextRun &run : canvas.textRuns()) {
        const std::string text = ToUtf8(run.text);
        fprintf(file, "%d %d %s\n", run.x, run.y, text.c_str());
    }
    fclose(file);
}

// The standard cursor shown for a stored cursor number.
int cursorResource(int id)
{
    switch (id) {
    case -3: return 32515;
    case -4: return 32513;
    case -5: case -22: return 32646;
    case -6: return 32643;
    case -7: case -15: return 32645;
    case -8: return 32642;
    case -9: case -14: return 32644;
    case -10: return 32516;
    case -11: case -17: return 32514;
    case -13: case -18: return 32648;
    case -19: return 32650;
    case -20: return 32651;
    case -21: return 32649;
    default: return 32512;
    }
}

class MenuWindow
{
public:
    MenuWindow(const rules::Project &project, const rules::PlayerFolders &folders, DWORD key)
        : m_project(project), m_discRoot(rules::PlayerDiscRoot(folders)),
          m_base(rules::PlayerBaseFolder(project.options, folders)), m_key(key), m_pictures(DecodePictures(project)),
          m_run(project.commands, project.options, runButtons(project, m_pictures))
    {
        m_run.SetAsker([this](rules::Msg question) { return AskYesNo(m_hwnd, Widen(rules::MessageText(question))); });
    }
    ~MenuWindow()
    {
        if (m_startedProcess)
            CloseHandle(m_startedProcess);
    }
    MenuWindow(const MenuWindow &) = delete;
    MenuWindow &operator=(const MenuWindow &) = delete;

    int run();

private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    void paint();
    // -1 none; 0..n-1 a stand-alone button; kMenu + i a menu entry.
    int hit(int x, int y);
    const rules::Control *controlAt(int x, int y);
    void hover(int target);
    void release(int target);
    // Runs one step of the visitor and does what its log says.
    template <typename Step> void step(Step &&doStep);
    // Activates item through doStep, unless item was started a moment ago
    // and this is the rest of a double-click.
    template <typename Step> void activate(const rules::Command *item, Step &&doStep);
    void started(const rules::Command *item, bool ok, HANDLE process);
    void key(rules::Key key) { step([&] { m_run.PressKey(key); }); }
    void addTooltips();
    void refresh() { InvalidateRect(m_hwnd, nullptr, FALSE); }

    static constexpr int kMenu = 1 << 20;

    const rules::Project &m_project;
    std::string m_discRoot;
    std::string m_base;
    DWORD m_key;
    MenuPictures m_pictures;
    rules::MenuRun m_run;
    HWND m_hwnd = nullptr;
    std::unique_ptr<Canvas> m_canvas;
    int m_hot = -1;
    int m_pressed = -1;
    bool m_tracking = false;
    POINT m_lastMouse{-1, -1};
    const rules::Command *m_started = nullptr;
    DWORD m_startedAt = 0;
    HANDLE m_startedProcess = nullptr;
};

void MenuWindow::paint()
{
    const rules::Window &win = m_project.design.window;
    if (!m_canvas)
        m_canvas = std::make_unique<Canvas>(win.clientWidth, win.clientHeight);
    MenuView view = viewOf(m_run, m_project.buttons.size());
    if (m_pressed >= kMenu)
        view.pressed = m_pressed - kMenu;
    for (std::size_t i = 0; i < view.buttonStates.size(); ++i) {
        if (int(i) == m_pressed && m_hot == m_pressed)
            view.buttonStates[i] = MenuView::Pressed;
        else if (int(i) == m_hot)
            view.buttonStates[i] = MenuView::Selected;
    }
    PaintMenu(*m_canvas, m_project, m_pictures, view);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    GdiFlush();
    BitBlt(dc, 0, 0, m_canvas->width(), m_canvas->height(), m_canvas->dc(), 0, 0, SRCCOPY);
    EndPaint(m_hwnd, &ps);
}

int MenuWindow::hit(int x, int y)
{
    const POINT pt{x, y};
    for (std::size_t i = m_project.buttons.size(); i-- > 0;) {
        const rules::PicButton &b = m_project.buttons[i];
        const int state = int(i) == m_hot ? MenuView::Selected : MenuView::Normal;
        const RECT r = PicButtonBounds(b, m_pictures.buttons[i], state);
        if (b.visible && PtInRect(&r, pt))
            return int(i);
    }
    if (!m_canvas)
        return -1;
    const int item = MenuItemAt(*m_canvas, m_project, m_pictures, viewOf(m_run, 0), x, y);
    return item < 0 ? -1 : kMenu + item;
}

const rules::Control *MenuWindow::controlAt(int x, int y)
{
    const POINT pt{x, y};
    for (std::size_t i = m_project.buttons.size(); i-- > 0;) {
        const RECT r = PicButtonBounds(m_project.buttons[i], m_pictures.buttons[i], MenuView::Normal);
        if (m_project.buttons[i].visible && PtInRect(&r, pt))
            return &m_project.buttons[i].control;
    }
    const rules::Design &d = m_project.design;
    for (const rules::TextBox *box : {&d.heading, &d.comment, &d.menu}) {
        const RECT r = ControlBounds(box->control);
        if (box->visible && PtInRect(&r, pt))
            return &box->control;
    }
    const RECT theme = ControlBounds(d.theme.control);
    if (d.theme.visible && PtInRect(&theme, pt))
        return &d.theme.control;
    return nullptr;
}

void MenuWindow::hover(int target)
{
    if (target >= kMenu && target - kMenu != m_run.Selected())
        m_run.Select(target - kMenu);
    if (target != m_hot) {
        m_hot = target;
        refresh();
    } else if (target >= kMenu) {
        refresh();
    }
}

template <typename Step> void MenuWindow::step(Step &&doStep)
{
    const std::size_t before = m_run.Log().size();
    doStep();
    for (std::size_t i = before; i < m_run.Log().size(); ++i) {
        const rules::LogLine &line = m_run.Log()[i];
        HANDLE process = nullptr;
        switch (line.msg) {
        case rules::Msg::RunProgram: {
            const std::wstring file = Widen(rules::PlayerProgramFile(line.command->custom, m_base, m_discRoot));
            const bool ok = StartProgram(m_hwnd, file, Widen(rules::TrimSpaces(line.command->params)), process);
            started(line.command, ok, process);
            break;
        }
        case rules::Msg::OpenUrl: started(line.command, OpenAddress(m_hwnd, line.args[0], process), process); break;
        case rules::Msg::Browse: ExploreFolder(m_hwnd, Widen(m_discRoot)); break;
        case rules::Msg::Help: ShowAbout(m_hwnd, m_project.options); break;
        // What is addressed to the author (an empty path or address, «Вверх»
        // at the top with its option off, a button's missing command) stays
        // in the log: the project check tells the author.
        default: break;
        }
    }
    if (m_run.Minimized()) {
        m_run.Restore();
        ShowWindow(m_hwnd, SW_MINIMIZE);
    }
    if (m_run.Ended())
        DestroyWindow(m_hwnd);
    else
        refresh();
}

void MenuWindow::started(const rules::Command *item, bool ok, HANDLE process)
{
    if (m_startedProcess)
        CloseHandle(m_startedProcess);
    m_started = ok ? item : nullptr;
    m_startedAt = GetTickCount();
    m_startedProcess = process;
}

template <typename Step> void MenuWindow::activate(const rules::Command *item, Step &&doStep)
{
    if (item && item == m_started) {
        const DWORD since = GetTickCount() - m_startedAt;
        const bool starting = m_startedProcess && since < kStartingMs
                              && WaitForInputIdle(m_startedProcess, 0) == WAIT_TIMEOUT;
        if (since < kRepeatMs || starting)
            return;
    }
    step(doStep);
}

void MenuWindow::release(int target)
{
    if (target >= kMenu) {
        const int index = target - kMenu;
        const std::vector<const rules::Command *> entries = m_run.Entries();
        const rules::Command *item = index < int(entries.size()) ? entries[std::size_t(index)] : nullptr;
        activate(item, [&] { m_run.ActivateEntry(index); });
    } else if (target >= 0) {
        const rules::Command *item = m_run.FindById(m_project.buttons[std::size_t(target)].itemId);
        activate(item, [&] { m_run.PressButton(target); });
    }
}

void MenuWindow::addTooltips()
{
    // The common controls load only for a menu that shows hints.
    bool any = m_project.design.theme.control.showHint;
    for (const rules::PicButton &b : m_project.buttons)
        any = any || (b.control.showHint && !b.control.hint.empty());
    for (const rules::TextBox *box : {&m_project.design.heading, &m_project.design.comment, &m_project.design.menu})
        any = any || (box->control.showHint && !box->control.hint.empty());
    if (!any)
        return;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr, GetModuleHandleW(nullptr),
                               nullptr);
    if (!tip)
        return;
    std::vector<std::pair<const rules::Control *, RECT>> tools;
    for (std::size_t i = m_project.buttons.size(); i-- > 0;)
        tools.push_back({&m_project.buttons[i].control,
                         PicButtonBounds(m_project.buttons[i], m_pictures.buttons[i], MenuView::Normal)});
    const rules::Design &d = m_project.design;
    for (const rules::TextBox *box : {&d.heading, &d.comment, &d.menu})
        tools.push_back({&box->control, ControlBounds(box->control)});
    tools.push_back({&d.theme.control, ControlBounds(d.theme.control)});
    UINT id = 1;
    for (auto &[control, rect] : tools) {
        if (!control->showHint || control->hint.empty())
            continue;
        std::wstring text = Widen(control->hint);
        TOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_SUBCLASS;
        ti.hwnd = m_hwnd;
        ti.uId = id++;
        ti.rect = rect;
        ti.lpszText = text.data();
        SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

LRESULT MenuWindow::handle(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: paint(); return 0;
    case WM_MOUSEMOVE: {
        if (!m_tracking) {
            TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, m_hwnd, 0};
            m_tracking = TrackMouseEvent(&tme);
        }
        // Windows repeats the last position when windows change; only a real
        // move of the pointer takes the selection from the keyboard.
        const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (at.x == m_lastMouse.x && at.y == m_lastMouse.y)
            return 0;
        m_lastMouse = at;
        hover(hit(at.x, at.y));
        return 0;
    }
    case WM_MOUSELEAVE:
        m_tracking = false;
        m_lastMouse = {-1, -1};
        if (m_pressed < 0)
            hover(-1);
        return 0;
    case WM_LBUTTONDOWN:
        // A click brings the keyboard back, also from a program the menu started.
        SetForegroundWindow(m_hwnd);
        SetFocus(m_hwnd);
        SetCapture(m_hwnd);
        m_pressed = hit(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        m_hot = m_pressed;
        refresh();
        return 0;
    case WM_LBUTTONUP: {
        ReleaseCapture();
        const int target = hit(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        const int pressed = m_pressed;
        m_pressed = -1;
        refresh();
        if (pressed >= 0 && target == pressed)
            release(target);
        return 0;
    }
    case WM_KEYDOWN:
        switch (wp) {
        case VK_UP: key(rules::Key::Up); return 0;
        case VK_DOWN: key(rules::Key::Down); return 0;
        case VK_LEFT: key(rules::Key::Left); return 0;
        case VK_BACK: key(rules::Key::Backspace); return 0;
        case VK_RETURN: activate(m_run.SelectedItem(), [&] { m_run.PressKey(rules::Key::Enter); }); return 0;
        case VK_ESCAPE: key(rules::Key::Escape); return 0;
        default: break;
        }
        break;
    case WM_SETCURSOR:
        if (LOWORD(lp) == HTCLIENT) {
            POINT pt;
            GetCursorPos(&pt);
            ScreenToClient(m_hwnd, &pt);
            const rules::Control *control = controlAt(pt.x, pt.y);
            int id = control && control->cursor != 0 ? control->cursor : m_project.design.window.cursor;
            SetCursor(id == -1 ? nullptr : LoadCursorW(nullptr, MAKEINTRESOURCEW(cursorResource(id))));
            return TRUE;
        }
        break;
    case WM_CLOSE: step([&] { m_run.Close(); }); return 0;
    case WM_DESTROY:
        UnmarkMenuWindow(m_hwnd);
        PostQuitMessage(0);
        return 0;
    default: break;
    }
    return DefWindowProcW(m_hwnd, msg, wp, lp);
}

LRESULT CALLBACK MenuWindow::proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        auto *self = static_cast<MenuWindow *>(reinterpret_cast<CREATESTRUCTW *>(lp)->lpCreateParams);
        self->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<MenuWindow *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->handle(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

int MenuWindow::run()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hCursor = nullptr;
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);

    const rules::Window &win = m_project.design.window;
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    DWORD exStyle = 0;
    switch (win.borderStyle) {
    case rules::FormBorder::None: style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX; break;
    case rules::FormBorder::Single:
    case rules::FormBorder::Sizeable: break;
    case rules::FormBorder::Dialog: style = WS_POPUP | WS_CAPTION | WS_SYSMENU; exStyle = WS_EX_DLGMODALFRAME; break;
    case rules::FormBorder::ToolWindow:
    case rules::FormBorder::SizeToolWin: style = WS_POPUP | WS_CAPTION | WS_SYSMENU; exStyle = WS_EX_TOOLWINDOW; break;
    }
    if (win.alphaBlend || win.transparentColor)
        exStyle |= WS_EX_LAYERED;
    const int cw = std::max(win.clientWidth, 1), ch = std::max(win.clientHeight, 1);
    RECT frame{0, 0, cw, ch};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int fw = frame.right - frame.left, fh = frame.bottom - frame.top;
    // Centred on the work area of the monitor under the pointer, kept inside it.
    POINT pointer{0, 0};
    GetCursorPos(&pointer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY), &monitor))
        work = monitor.rcWork;
    int x = 0, y = 0;
    rules::PlaceWindow(fw, fh, {int(work.left), int(work.top), int(work.right), int(work.bottom)}, x, y);
    const std::wstring caption = Widen(win.caption);
    if (!CreateWindowExW(exStyle, kClassName, caption.c_str(), style, x, y, fw, fh, nullptr, nullptr, instance, this))
        return 1;
    if (exStyle & WS_EX_LAYERED) {
        std::uint32_t key = 0;
        ResolveColor(win.transparentColorValue, key);
        const COLORREF ref = RGB((key >> 16) & 0xFF, (key >> 8) & 0xFF, key & 0xFF);
        SetLayeredWindowAttributes(m_hwnd, ref, win.alphaBlend ? win.alphaBlendValue : 255,
                                   (win.alphaBlend ? LWA_ALPHA : 0) | (win.transparentColor ? LWA_COLORKEY : 0));
    }
    MarkMenuWindow(m_hwnd, m_key);
    addTooltips();
    ShowWindow(m_hwnd, SW_SHOWNORMAL);
    UpdateWindow(m_hwnd);
    SetForegroundWindow(m_hwnd);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

} // namespace

int RunMenuWindow(const rules::Project &project, const rules::PlayerFolders &folders,
                  const std::wstring &projectFile)
{
    const DWORD key = MenuKey(projectFile);
    HANDLE instance = nullptr;
    if (BringRunningMenu(key, instance)) {
        CloseHandle(instance);
        return 0;
    }
    MenuWindow window(project, folders, key);
    const int status = window.run();
    if (instance)
        CloseHandle(instance);
    return status;
}

bool RenderMenuWindow(const rules::Project &project, const std::wstring &outBmp, int item, std::wstring &error)
{
    const MenuPictures pictures = DecodePictures(project);
    rules::MenuRun run(project.commands, project.options, runButtons(project, pictures));
    MenuView view;
    if (project.commands.empty()) {
        view.menuLines = kPlaceholders;
        view.selected = 1;
        view.buttonStates.assign(project.buttons.size(), MenuView::Normal);
    } else {
        // The level that holds the current command, as the editor shows it.
        const rules::Command *current = item ? run.FindById(item) : &project.commands.front();
        if (!current) {
            error = L"В проекте нет команды с номером " + std::to_wstring(item);
            return false;
        }
        const rules::Command *group = run.Parent(current);
        view.buttonStates.assign(project.buttons.size(), MenuView::Normal);
        for (const rules::Command &c : group ? group->children : project.commands) {
            if (&c == current && !c.hidden)
                view.selected = int(view.menuLines.size());
            if (!c.hidden)
                view.menuLines.push_back(Widen(c.name));
        }
        if (group)
            view.groupCaption = Widen(group->name);
        view.comment = Widen(current->comment);
    }
    const rules::Window &win = project.design.window;
    Canvas canvas(std::max(win.clientWidth, 1), std::max(win.clientHeight, 1));
    if (!canvas.bits()) {
        error = L"Не удалось создать картинку окна";
        return false;
    }
    PaintMenu(canvas, project, pictures, view);
    if (!writeBmp(canvas, outBmp)) {
        error = L"Не удалось записать файл " + outBmp;
        return false;
    }
    if (GetEnvironmentVariableW(L"BRENWICK_TEXT_CELLS", nullptr, 0) > 0)
        writeTextCells(canvas, outBmp + L".cells");
    return true;
}

} // namespace player
