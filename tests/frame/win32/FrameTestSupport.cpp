#include "FrameTestSupport.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>

#include "HookTestSupport.h"
#include "common/win32/UniqueHandle.h"
#include "graphics/win32/GdiGuards.h"

namespace vt::test {

std::string SourcePath(const std::string& relative) {
    std::string path = std::string(VT_SOURCE_DIR) + "/" + relative;
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

std::vector<ThemeCase> TestThemes() {
    std::vector<ThemeCase> themes{
        {"harbor", SourcePath("themes/harbor/harbor.theme")},
        {"pebble", SourcePath("themes/pebble/pebble.theme")},
        {"birch (kwm)", SourcePath("themes/birch/themerc")},
        {"kde1 (kwm test theme)", SourcePath("tests/theme/data/kwm/kde1/themerc")},
        {"juniper (xfwm4 test theme)", SourcePath("tests/theme/data/xfwm4/juniper/themerc")},
        {"marram (xfwm4, symbolic colours)", SourcePath("tests/theme/data/xfwm4/marram/themerc")},
    };
    if (GetFileAttributesA("Z:\\usr\\share\\themes\\Greybird\\xfwm4\\themerc") != INVALID_FILE_ATTRIBUTES)
        themes.push_back({"Greybird (xfwm4)", "Z:\\usr\\share\\themes\\Greybird\\xfwm4\\themerc"});
    themes.push_back({"alder (IceWM test theme)", SourcePath("tests/theme/data/icewm/alder/default.theme")});
    for (const char* name : {"CrystalBlue", "win95", "motif", "metal2"}) {
        const std::string path = std::string("Z:\\usr\\share\\icewm\\themes\\") + name + "\\default.theme";
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) themes.push_back({name, path});
    }
    return themes;
}

std::string WritePaneTheme(const std::vector<std::pair<std::string, std::string>>& edits) {
    std::ifstream in(SourcePath("tests/frame/data/pane/pane.theme"), std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    // Image files by full path, so that the theme may live anywhere: every "name file.bmp" line.
    const std::string folder = SourcePath("tests/frame/data/pane") + "\\";
    for (std::size_t at = text.find(".bmp"); at != std::string::npos; at = text.find(".bmp", at + 4)) {
        std::size_t file = text.rfind(' ', at);
        if (file == std::string::npos || text.rfind('\n', at) > file) continue;
        text.insert(file + 1, folder);
        at += folder.size();
    }
    for (const auto& [from, to] : edits) {
        std::size_t at = text.find(from);
        if (at != std::string::npos) text.replace(at, from.size(), to);
    }
    static std::atomic<int> counter{0};
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + "vt-pane-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(++counter) + ".theme";
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

namespace {

// Elements in list order; the index of each is its number in the repaint message.
constexpr const char* kInputLayout =
    "[LAYOUT]\n"
    "!BORDER-CLIENT TL:0,0 BR:0,0\n"                // inverted: answers only where nothing else does
    "CAPTION TL:4,4 TR:-4,24 title title titleoff\n"
    "CLIENT TL:4,24 BR:-4,-4\n"                     // after the caption, before the borders
    "TOPLEFT TL:0,0 TL:4,4 side side side\n"
    "TOP TL:4,0 TR:-4,4 side side side\n"
    "TOPRIGHT TR:-4,0 TR:0,4 side side side\n"
    "LEFT TL:0,30 BL:4,-4 side side side\n"          // leaves a gap at (0..3, 5..29)
    "RIGHT TR:-4,4 BR:0,-4 side side side\n"
    "BOTTOMLEFT BL:0,-4 BL:4,0 side side side\n"
    "BOTTOM BL:4,-4 BR:-4,0 side side side\n"
    "BOTTOMRIGHT BR:-4,-4 BR:0,0 side side side\n"
    "SYSMENU TL:6,8 TL:17,19 btn btndown btn btnhot\n"
    "CLOSE TR:-20,8 TR:-9,19 btn btndown btn btnhot close\n"  // over the caption
    "MAXIMIZE TR:-36,8 TR:-25,19 btn btndown btn btnhot\n"
    "MINIMIZE TR:-52,8 TR:-41,19 btn btndown btn btnhot\n"
    "SHRINKFLIP TR:-68,8 TR:-57,19 btn btndown btn btnhot\n"
    "[IGNORED]";

constexpr const char* kHoverWords =
    "[CODE]\n"
    "VARIABLE enters  0 enters !  VARIABLE exits  0 exits !\n"
    ": close::OnMouseEnter enters @ 1+ enters ! ;\n"
    ": close::OnMouseExit exits @ 1+ exits ! ;\n";

}  // namespace

std::string WriteInputTheme(const std::vector<std::pair<std::string, std::string>>& more) {
    std::vector<std::pair<std::string, std::string>> edits{
        {"[LAYOUT]", kInputLayout}, {"[CODE]", kHoverWords}, {"AUTOEXCLUDE=1", "AUTOEXCLUDE=1\nSHRINKRECT=TL:0,0;TR:0,24"}};
    edits.insert(edits.end(), more.begin(), more.end());
    return WritePaneTheme(edits);
}

COLORREF WindowPixel(HWND window, int x, int y) {
    WindowDc dc(window, GetWindowDC(window));
    return dc ? GetPixel(dc.Get(), x, y) : CLR_INVALID;
}

bool InWindowRegion(HWND window, int x, int y) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    int kind = GetWindowRgn(window, region);
    bool inside = kind == ERROR || kind == NULLREGION ? kind == ERROR : PtInRegion(region, x, y) != FALSE;
    DeleteObject(region);
    return inside;
}

RECT ClientInWindow(HWND window) {
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return RECT{origin.x - outer.left, origin.y - outer.top, origin.x - outer.left + client.right,
                origin.y - outer.top + client.bottom};
}

int CountPixels(HWND window, const RECT& r, COLORREF colour) {
    WindowDc dc(window, GetWindowDC(window));
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) count += GetPixel(dc.Get(), x, y) == colour;
    return count;
}

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs) {
    for (DWORD start = GetTickCount();;) {
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        PumpMessages();
        Sleep(25);
    }
}

void RegisterPlainClass(const char* name, WNDPROC procedure, HICON icon) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hIcon = icon;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

bool WaitForClientAt(HWND window, int left, int top, DWORD timeoutMs) {
    return WaitFor(
        [&] {
            RECT client = ClientInWindow(window);
            return client.left == left && client.top == top;
        },
        timeoutMs);
}

Picture Capture(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    Picture picture{r.right - r.left, r.bottom - r.top, {}};
    WindowDc source(window, GetWindowDC(window));
    MemoryDc memory(source.Get());
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueGdiObject section(CreateDIBSection(source.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits) return picture;
    {
        SelectGuard selected(memory.Get(), section.get());
        BitBlt(memory.Get(), 0, 0, picture.width, picture.height, source.Get(), 0, 0, SRCCOPY);
        GdiFlush();
    }
    const auto* raw = static_cast<const std::uint32_t*>(bits);
    picture.pixels.reserve(std::size_t(picture.width) * std::size_t(picture.height));
    for (int i = 0; i < picture.width * picture.height; ++i) {
        std::uint32_t p = raw[i];  // 0x00RRGGBB
        picture.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
    return picture;
}

void PointerScript::Run() {
    thread_ = std::thread([this] {
        Move(path_.front());
        Button(MOUSEEVENTF_LEFTDOWN);
        for (std::size_t i = 1; i < path_.size(); ++i) Move(path_[i]);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        Move(path_.back());
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        Button(MOUSEEVENTF_LEFTUP);
        done_ = true;
    });
}

PointerScript::~PointerScript() {
    if (thread_.joinable()) thread_.join();
}

bool PointerScript::Play(DWORD timeoutMs) {
    // Settled at the first point before the button goes down, so that no echo of an earlier
    // position takes the press elsewhere.
    Move(path_.front());
    WaitFor([] { return false; }, 200);
    Run();
    const bool done = WaitFor([this] { return Done(); }, timeoutMs);
    PumpMessages();
    return done;
}

void PointerScript::Send(INPUT input) {
    SendInput(1, &input, sizeof input);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
}

void PointerScript::Move(POINT p) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = LONG((p.x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = LONG((p.y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(input);
}

void PointerScript::Button(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    Send(input);
}

}  // namespace vt::test
