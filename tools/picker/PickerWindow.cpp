#include "PickerWindow.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cstdio>

#include "ControllerConfig.h"
#include "common/AsciiText.h"
#include "common/PathText.h"
#include "hook/ExclusionLists.h"
#include "theme/TextLines.h"

namespace vt::picker {
namespace {

constexpr UINT kTrayMessage = WM_APP + 10;
constexpr UINT kTrayId = 1;
constexpr int kMargin = 10;
constexpr UINT_PTR kStatusTimer = 1;

PickerWindow* g_picker = nullptr;  // the one window of the process, for its procedure

std::string WindowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The preview over the window colour, as a bitmap the list's image list takes.
HBITMAP PreviewBitmap(const RgbaImage& image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kPreviewWidth;
    info.bmiHeader.biHeight = -kPreviewHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    const COLORREF back = GetSysColor(COLOR_WINDOW);
    auto* out = static_cast<unsigned char*>(bits);
    for (int y = 0; y < kPreviewHeight; ++y) {
        for (int x = 0; x < kPreviewWidth; ++x) {
            unsigned char* pixel = out + (std::size_t(y) * kPreviewWidth + x) * 4;
            int r = GetRValue(back), g = GetGValue(back), b = GetBValue(back);
            if (x < image.width && y < image.height) {
                const std::uint8_t* source = image.Pixel(x, y);
                int a = source[3];
                r = (source[0] * a + r * (255 - a)) / 255;
                g = (source[1] * a + g * (255 - a)) / 255;
                b = (source[2] * a + b * (255 - a)) / 255;
            }
            pixel[0] = static_cast<unsigned char>(b);
            pixel[1] = static_cast<unsigned char>(g);
            pixel[2] = static_cast<unsigned char>(r);
            pixel[3] = 255;
        }
    }
    return bitmap;
}

bool SamePath(const std::string& a, const std::string& b) { return UpperCase(a) == UpperCase(b); }

}  // namespace

PickerWindow::PickerWindow(PickerOptions options)
    : options_(std::move(options)), calls_(options_.vtctlPath) {}

PickerWindow::~PickerWindow() {
    if (trayIcon_) {
        NOTIFYICONDATAA icon{};
        icon.cbSize = sizeof icon;
        icon.hWnd = window_;
        icon.uID = kTrayId;
        Shell_NotifyIconA(NIM_DELETE, &icon);
    }
    if (window_) DestroyWindow(window_);
    g_picker = nullptr;
}

int PickerWindow::Run() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &PickerWindow::WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = LoadIconA(windowClass.hInstance, MAKEINTRESOURCEA(1));
    if (!windowClass.hIcon) windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    g_picker = this;
    window_ = CreateWindowExA(WS_EX_CONTROLPARENT, kWindowClass, "Veltrane Themes",
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT,
                              780, 600, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window_) return 1;

    NOTIFYICONDATAA icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window_;
    icon.uID = kTrayId;
    icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    icon.uCallbackMessage = kTrayMessage;
    icon.hIcon = windowClass.hIcon;
    lstrcpynA(icon.szTip, "Veltrane", sizeof icon.szTip);
    trayIcon_ = Shell_NotifyIconA(NIM_ADD, &icon) != FALSE;

    if (options_.tray) {
        if (!ControllerCalls::Running(32) && !ControllerCalls::Running(64)) calls_.Start();
    } else {
        ShowWindow(window_, SW_SHOW);
        UpdateWindow(window_);
    }
    DWORD started = GetTickCount();
    LoadThemes();
    FillList();
    WriteReport(GetTickCount() - started);
    FillRules();
    DWORD folder = GetFileAttributesA(options_.themesFolder.c_str());
    if (folder == INVALID_FILE_ATTRIBUTES || !(folder & FILE_ATTRIBUTE_DIRECTORY)) {
        UpdateStatus("No themes folder at " + options_.themesFolder + ": add theme files with Add theme file.");
    } else {
        UpdateStatus();
    }
    SetFocus(Item(kThemeList));
    // The halves start and stop in their own time (and vtctl may be used beside the picker).
    SetTimer(window_, kStatusTimer, 1000, nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(window_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

void PickerWindow::CreateControls() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    font_.reset(CreateFontIndirectA(&metrics.lfMessageFont));
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto make = [&](const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id,
                    DWORD exStyle = 0) {
        HWND control = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, window_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
        return control;
    };
    const int width = 750;
    make("STATIC", "&Themes (the current one is marked):", 0, kMargin, 8, 300, 16, -1);
    HWND list = make(WC_LISTVIEWA, "", WS_TABSTOP | LVS_ICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_AUTOARRANGE | LVS_SHAREIMAGELISTS,
                     kMargin, 26, width, 300, kThemeList, WS_EX_CLIENTEDGE);
    images_.reset(ImageList_Create(kPreviewWidth, kPreviewHeight, ILC_COLOR32, 0, 32));
    ListView_SetImageList(list, images_.get(), LVSIL_NORMAL);
    make("STATIC", "Load &errors of the selected theme:", 0, kMargin, 332, 300, 16, -1);
    make("EDIT", "", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, kMargin, 350, width, 56,
         kErrors, WS_EX_CLIENTEDGE);
    make("BUTTON", "&Apply", WS_TABSTOP | BS_DEFPUSHBUTTON, kMargin, 414, 110, 26, kApply);
    make("BUTTON", "A&dd theme file...", WS_TABSTOP, kMargin + 120, 414, 140, 26, kAddTheme);
    make("BUTTON", "&Start", WS_TABSTOP, kMargin + 270, 414, 110, 26, kStartStop);
    make("STATIC", "&Program:", 0, kMargin, 452, 60, 16, -1);
    make("EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, kMargin + 64, 448, 170, 24, kProgram, WS_EX_CLIENTEDGE);
    make("BUTTON", "P&in to selected theme", WS_TABSTOP, kMargin + 244, 447, 160, 26, kPin);
    make("BUTTON", "E&xclude", WS_TABSTOP, kMargin + 414, 447, 90, 26, kExclude);
    make("BUTTON", "&Remove rule", WS_TABSTOP, kMargin + 514, 447, 110, 26, kRemoveRule);
    make("LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kMargin, 480, width, 56, kRules,
         WS_EX_CLIENTEDGE);
    make("STATIC", "", SS_LEFTNOWORDWRAP, kMargin, 544, width, 18, kStatus);
}

void PickerWindow::LoadThemes() {
    themes_.clear();
    std::vector<std::string> paths = FindThemeFiles(options_.themesFolder);
    for (const std::string& added : AddedThemeFiles()) paths.push_back(added);
    for (const std::string& path : paths) themes_.push_back(LoadThemeEntry(path));
}

void PickerWindow::FillList() {
    HWND list = Item(kThemeList);
    ListView_DeleteAllItems(list);
    ImageList_RemoveAll(images_.get());
    current_ = ReadControllerValue("Theme").value_or("");
    for (std::size_t i = 0; i < themes_.size(); ++i) {
        const ThemeEntry& theme = themes_[i];
        UniqueGdiObject bitmap(PreviewBitmap(theme.preview));
        int image = bitmap ? ImageList_Add(images_.get(), static_cast<HBITMAP>(bitmap.get()), nullptr) : -1;
        std::string label = theme.name;
        if (SamePath(theme.path, current_)) label = "\x95 " + label + " (current)";
        if (!theme.errors.empty()) label += " (errors)";
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = int(i);
        item.pszText = &label[0];
        item.iImage = image;
        item.lParam = LPARAM(i);
        ListView_InsertItem(list, &item);
        if (SamePath(theme.path, current_)) ListView_SetItemState(list, int(i), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    ShowSelection();
}

int PickerWindow::Selected() const { return ListView_GetNextItem(Item(kThemeList), -1, LVNI_SELECTED); }

void PickerWindow::ShowSelection() {
    int selected = Selected();
    std::string text;
    if (selected >= 0 && std::size_t(selected) < themes_.size()) {
        for (const std::string& error : themes_[selected].errors) text += error + "\r\n";
        if (text.empty()) text = themes_[selected].path + ": no errors";
    }
    SetWindowTextA(Item(kErrors), text.c_str());
    EnableWindow(Item(kApply), selected >= 0 && themes_[selected].errors.empty());
}

void PickerWindow::Apply() {
    int selected = Selected();
    if (selected < 0) return UpdateStatus("Select a theme first.");
    const ThemeEntry& theme = themes_[selected];
    if (!theme.errors.empty()) {
        return UpdateStatus("Not applied: " + theme.name + " has " + std::to_string(theme.errors.size()) +
                            " load error(s), listed above.");
    }
    CallResult result = calls_.Run("theme \"" + theme.path + "\"");
    FillList();
    UpdateStatus(result.code == 0 ? "Applied " + theme.name + "." : "Not applied: " + result.output);
}

void PickerWindow::AddTheme() {
    char file[MAX_PATH * 2] = {};
    OPENFILENAMEA open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = window_;
    open.lpstrFilter = "Themes (*.theme, themerc)\0*.theme;themerc\0All files\0*.*\0";
    open.lpstrFile = file;
    open.nMaxFile = sizeof file;
    open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&open)) return;
    AddThemeFile(file);
    themes_.push_back(LoadThemeEntry(file));
    FillList();
    ListView_SetItemState(Item(kThemeList), int(themes_.size() - 1), LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    UpdateStatus("Added " + std::string(file) + ".");
}

void PickerWindow::StartStop() {
    bool running = ControllerCalls::Running(32) || ControllerCalls::Running(64);
    if (running) {
        CallResult result = calls_.Run("stop");
        UpdateStatus(result.code == 0 ? "Stopped: every window has its own frame back." : "Stop failed: " + result.output);
        return;
    }
    if (!calls_.Start()) return UpdateStatus("Cannot start " + options_.vtctlPath + ".");
    for (DWORD start = GetTickCount(); GetTickCount() - start < 10000;) {
        if (ControllerCalls::Running(32) || ControllerCalls::Running(64)) break;
        Sleep(50);
    }
    UpdateStatus();
}

void PickerWindow::EditRule(int command) {
    std::string program = WindowText(Item(kProgram));
    if (command == kRemoveRule) {
        int at = int(SendMessageA(Item(kRules), LB_GETCURSEL, 0, 0));
        if (at < 0) return UpdateStatus("Select a rule to remove.");
        char line[1024] = {};
        SendMessageA(Item(kRules), LB_GETTEXT, at, reinterpret_cast<LPARAM>(line));
        std::string text = line;
        program = text.substr(0, text.find(' '));
        bool pin = SendMessageA(Item(kRules), LB_GETITEMDATA, at, 0) == 1;
        CallResult result = calls_.Run((pin ? "unpin " : "include --module ") + program);
        FillRules();
        return UpdateStatus(result.code == 0 ? "Removed the rule for " + program + "." : result.output);
    }
    if (program.empty()) return UpdateStatus("Type a program's file name (NOTEPAD.EXE) first.");
    std::string args = "exclude --module " + program;
    if (command == kPin) {
        int selected = Selected();
        if (selected < 0 || !themes_[selected].errors.empty()) return UpdateStatus("Select a theme without errors first.");
        args = "pin " + program + " \"" + themes_[selected].path + "\"";
    }
    CallResult result = calls_.Run(args);
    FillRules();
    UpdateStatus(result.code == 0 ? result.output.substr(0, result.output.find_first_of("\r\n")) : result.output);
}

void PickerWindow::FillRules() {
    HWND rules = Item(kRules);
    SendMessageA(rules, LB_RESETCONTENT, 0, 0);
    const std::string folder = WithTrailingBackslash(FolderOf(options_.vtctlPath));
    auto add = [&](const std::string& text, LPARAM kind) {
        LRESULT at = SendMessageA(rules, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageA(rules, LB_SETITEMDATA, at, kind);
    };
    try {
        for (const std::string& line : ReadTextLines(folder + "themes.cfg")) {
            std::size_t equals = line.find('=');
            if (line.empty() || line[0] == '#' || equals == std::string::npos) continue;
            add(line.substr(0, equals) + " uses " + line.substr(equals + 1), 1);
        }
    } catch (...) {
    }
    ExclusionLists lists;
    lists.LoadExcludeFile(folder + "exclude.cfg");
    for (const std::string& module : lists.excludedModules) add(module + " is never skinned", 2);
}

void PickerWindow::UpdateStatus(const std::string& message) {
    if (!message.empty()) lastMessage_ = message;
    bool on32 = ControllerCalls::Running(32), on64 = ControllerCalls::Running(64);
    std::string state = on32 || on64 ? std::string("Veltrane is on (") + (on32 ? "32-bit" : "") +
                                           (on32 && on64 ? " and " : "") + (on64 ? "64-bit" : "") + " programs)."
                                     : "Veltrane is off.";
    std::string text = state + (lastMessage_.empty() ? "" : " " + lastMessage_);
    if (text != WindowText(Item(kStatus))) SetWindowTextA(Item(kStatus), text.c_str());
    SetWindowTextA(Item(kStartStop), on32 || on64 ? "St&op" : "&Start");
}

void PickerWindow::ShowTrayMenu() {
    HMENU menu = CreatePopupMenu();
    bool running = ControllerCalls::Running(32) || ControllerCalls::Running(64);
    AppendMenuA(menu, MF_STRING, kTrayThemes, "&Themes...");
    AppendMenuA(menu, MF_STRING, kTrayStartStop, running ? "St&op" : "&Start");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kTrayExit, "E&xit");
    POINT at{};
    GetCursorPos(&at);
    SetForegroundWindow(window_);  // so that the menu closes when the user clicks elsewhere
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
    DestroyMenu(menu);
}

void PickerWindow::WriteReport(DWORD previewMs) const {
    if (options_.reportPath.empty()) return;
    FILE* file = std::fopen(options_.reportPath.c_str(), "w");
    if (!file) return;
    // From the process's creation, as the system recorded it, to now.
    FILETIME created{}, unused{}, now{};
    GetProcessTimes(GetCurrentProcess(), &created, &unused, &unused, &unused);
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& time) { return (ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime; };
    unsigned long sinceStart = static_cast<unsigned long>((ticks(now) - ticks(created)) / 10000);
    std::fprintf(file, "previews %u ms %lu since-start %lu\n", unsigned(themes_.size()), previewMs, sinceStart);
    for (const ThemeEntry& theme : themes_) {
        std::fprintf(file, "theme %s|%s|current=%d|errors=%u|preview=%dx%d|visible=%u\n", theme.name.c_str(),
                     theme.path.c_str(), SamePath(theme.path, current_) ? 1 : 0, unsigned(theme.errors.size()),
                     theme.preview.width, theme.preview.height, unsigned(VisiblePixels(theme.preview)));
    }
    std::fclose(file);
}

LRESULT CALLBACK PickerWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_CREATE && g_picker) {
            g_picker->window_ = window;
            g_picker->CreateControls();
            return 0;
        }
        if (g_picker && g_picker->window_ == window) return g_picker->Handle(message, wParam, lParam);
    } catch (...) {
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT PickerWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kApply: Apply(); return 0;
        case kAddTheme: AddTheme(); return 0;
        case kStartStop:
        case kTrayStartStop: StartStop(); return 0;
        case kPin:
        case kExclude:
        case kRemoveRule: EditRule(LOWORD(wParam)); return 0;
        case kTrayThemes: PostMessageA(window_, kShowMessage, 0, 0); return 0;
        case kTrayExit: PostQuitMessage(0); return 0;
        case IDOK: Apply(); return 0;  // Enter in the list
        case IDCANCEL: PostMessageA(window_, WM_CLOSE, 0, 0); return 0;
        }
        break;
    case WM_NOTIFY: {
        const auto* note = reinterpret_cast<const NMHDR*>(lParam);
        if (note->idFrom == kThemeList && note->code == LVN_ITEMCHANGED) ShowSelection();
        if (note->idFrom == kThemeList && note->code == NM_DBLCLK) Apply();
        break;
    }
    case kTrayMessage:
        if (lParam == WM_RBUTTONUP || lParam == WM_CONTEXTMENU) ShowTrayMenu();
        else if (lParam == WM_LBUTTONDBLCLK) PostMessageA(window_, kShowMessage, 0, 0);
        return 0;
    case kShowMessage:
        ShowWindow(window_, SW_SHOWNORMAL);
        SetForegroundWindow(window_);
        FillList();
        FillRules();
        UpdateStatus();
        return 0;
    case kExitMessage: PostQuitMessage(0); return 0;
    case WM_TIMER:
        if (wParam == kStatusTimer) UpdateStatus();
        return 0;
    case WM_NEXTDLGCTL:
        // What a dialog's own procedure does; IsDialogMessage sends it for a label's mnemonic
        // (the focus goes to the control after the label).
        if (LOWORD(lParam)) SetFocus(reinterpret_cast<HWND>(wParam));
        else SetFocus(GetNextDlgTabItem(window_, GetFocus(), wParam != 0));
        return 0;
    case WM_CLOSE:
        // With its icon in the notification area, the picker stays there (Exit ends it).
        if (options_.tray && trayIcon_) ShowWindow(window_, SW_HIDE);
        else PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

}  // namespace vt::picker
