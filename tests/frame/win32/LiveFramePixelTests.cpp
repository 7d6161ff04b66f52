// The real veltrane.dll framing windows of this process with the sample themes, a kwm and an xfwm4
// theme: after every step of a pointer path the frame's pixels equal a full repaint of the same
// state; the preview of vttheme render equals the live frame; long titles end with "..."; a
// maximised window fills the work area; each kind of window is framed or left alone; a title that
// changes all the time never shows the system's caption; a colour scheme change recolours the
// symbolic colours of an xfwm4 theme live; a maximised window shows the toggled maximise button;
// two windows hovered and painted by turns each look as their own full paint.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <cstdio>
#include <stdexcept>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "ControllerConfig.h"
#include "FrameTestSupport.h"
#include "HookLibrary.h"
#include "HookTestSupport.h"
#include "RealModuleTest.h"
#include "common/Dpi.h"
#include "ChildProcess.h"
#include "common/win32/SharedArea.h"
#include "common/win32/UniqueHandle.h"
#include "graphics/PngReader.h"
#include "graphics/win32/GdiGuards.h"
#include "theme/xfwm4/GtkShade.h"

namespace vt {
namespace {

constexpr const char* kClass = "VtLiveFrame";
constexpr int kWidth = 360, kHeight = 240;
constexpr const char* kTitle = "Live frame";

using test::Capture;
using test::Picture;

// Which pixels of the window rectangle its shape keeps (all of them without a region).
std::vector<bool> ShapeMask(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    UniqueGdiObject shape(CreateRectRgn(0, 0, 0, 0));
    const bool shaped = GetWindowRgn(window, static_cast<HRGN>(shape.get())) != ERROR;
    std::vector<bool> mask(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            mask[std::size_t(y) * std::size_t(w) + std::size_t(x)] =
                !shaped || PtInRegion(static_cast<HRGN>(shape.get()), x, y);
    return mask;
}

// Which pixels are frame: inside the window's shape and outside its client area.
std::vector<bool> FrameMask(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int w = r.right - r.left;
    const RECT client = test::ClientInWindow(window);
    std::vector<bool> mask = ShapeMask(window);
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const int x = int(i % std::size_t(w)), y = int(i / std::size_t(w));
        if (x >= client.left && x < client.right && y >= client.top && y < client.bottom) mask[i] = false;
    }
    return mask;
}

// "" when the frame pixels agree, else how many differ and where the first one is.
std::string CompareFrames(const Picture& a, const Picture& b, const std::vector<bool>& mask) {
    if (a.width != b.width || a.height != b.height || a.pixels.empty()) return "sizes differ or nothing was read";
    int differ = 0, fx = 0, fy = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            if (!mask[std::size_t(y) * std::size_t(a.width) + std::size_t(x)] || a.At(x, y) == b.At(x, y)) continue;
            if (differ++ == 0) fx = x, fy = y;
        }
    if (differ == 0) return "";
    char text[160];
    std::snprintf(text, sizeof text, "%d pixels differ, the first at %d,%d: %06lX against %06lX", differ, fx, fy,
                  static_cast<unsigned long>(a.At(fx, fy)), static_cast<unsigned long>(b.At(fx, fy)));
    return text;
}

void SetLeftButton(bool down) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_LBUTTON] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

// What the user does to a frame, one step after another; after each, the frame must look exactly
// as a full paint of the same state draws it.
enum class Act { Hover, Press, ReleaseAt, Deactivate, Activate, Retitle, DropMaximizeBox };

class LiveFrame : public test::RealModuleTest {
protected:
    void SetUp() override {
        test::RegisterPlainClass(kClass);
        test::RealModuleTest::SetUp();
    }
    void TearDown() override {
        SetLeftButton(false);
        windows_.clear();
        test::RealModuleTest::TearDown();
    }

    // The process takes this theme: at the first one the module is loaded and hooked, later ones
    // reach it as a theme change does.
    void UseTheme(const std::string& path) {
        ASSERT_TRUE(WriteControllerValue("Theme", path));
        if (!library_.Loaded()) {
            Install();
            return;
        }
        static std::atomic<int> identity{1000};
        UniqueWindow messenger(CreateWindowExA(0, kClass, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
        SendMessageA(messenger.get(), RegisterWindowMessageA("Veltrane Theme Changed"), WPARAM(++identity), 0);
        test::PumpMessages();
    }

    // A new window of this process, framed by the theme, `width` x `height` at (x, y), active.
    HWND Open(const char* title, int width = kWidth, int height = kHeight, DWORD style = WS_OVERLAPPEDWINDOW,
              DWORD exStyle = 0, HWND owner = nullptr, const char* windowClass = kClass) {
        const int x = 40, y = 40;
        windows_.emplace_back(CreateWindowExA(exStyle, windowClass, title, style, x, y, width, height, owner, nullptr,
                                              nullptr, nullptr));
        HWND w = windows_.back().get();
        ShowWindow(w, SW_SHOW);
        // The theme's size fix-up enlarges a new window once; the tests want this exact size.
        SetWindowPos(w, HWND_TOP, x, y, width, height, SWP_SHOWWINDOW);
        SetForegroundWindow(w);
        SetActiveWindow(w);
        test::PumpMessages();
        SendMessageA(w, WM_NCPAINT, 1, 0);
        return w;
    }

    // The frame now against the frame right after a full WM_NCPAINT of the same state.
    std::string AgainstFullPaint(HWND window) {
        test::PumpMessages();
        const std::vector<bool> mask = FrameMask(window);
        const Picture now = Capture(window);
        SendMessageA(window, WM_NCPAINT, 1, 0);
        return CompareFrames(now, Capture(window), mask);
    }

    LPARAM ScreenPoint(HWND w, POINT p) {
        RECT r{};
        GetWindowRect(w, &r);
        return MAKELPARAM(r.left + p.x, r.top + p.y);
    }
    LRESULT HitTest(HWND w, POINT p) { return SendMessageA(w, WM_NCHITTEST, 0, ScreenPoint(w, p)); }

    // A point in the middle of each part of the frame's top band and its left border, by hit code.
    std::map<LRESULT, POINT> FramePoints(HWND w) {
        std::map<LRESULT, std::vector<POINT>> found;
        const RECT client = test::ClientInWindow(w);
        RECT outer{};
        GetWindowRect(w, &outer);
        const int width = outer.right - outer.left, height = outer.bottom - outer.top;
        for (int y = 1; y < client.top; y += 2)
            for (int x = 1; x < width - 1; x += 2) found[HitTest(w, POINT{x, y})].push_back(POINT{x, y});
        for (int y = client.top; y < height - 10; y += 9) found[HitTest(w, POINT{1, y})].push_back(POINT{1, y});
        std::map<LRESULT, POINT> points;
        for (const auto& [code, at] : found)
            if (code == HTCAPTION || code == HTLEFT || code == HTTOP || code == HTSYSMENU || code >= 256)
                points[code] = at[at.size() / 2];
        return points;
    }

    // Every theme of TestThemes(), a pointer path each, each step against a full repaint.
    void WalkThePointerPath();
    // Does what the user does in one step of a path (see Act) at `p` of window `w`.
    void Do(HWND w, Act act, POINT p);

    std::vector<UniqueWindow> windows_;
};

void LiveFrame::Do(HWND w, Act act, POINT p) {
    switch (act) {
    case Act::Hover: HitTest(w, p); break;
    case Act::Press:
        SetLeftButton(true);
        SendMessageA(w, WM_NCLBUTTONDOWN, WPARAM(HitTest(w, p)), ScreenPoint(w, p));
        break;
    case Act::ReleaseAt: {
        const LRESULT code = HitTest(w, p);
        SetLeftButton(false);
        SendMessageA(w, WM_NCLBUTTONUP, WPARAM(code), ScreenPoint(w, p));
        break;
    }
    case Act::Deactivate: SendMessageA(w, WM_NCACTIVATE, FALSE, 0); break;
    case Act::Activate: SendMessageA(w, WM_NCACTIVATE, TRUE, 0); break;
    case Act::Retitle: SetWindowTextA(w, "A title changed while the pointer was on the frame"); break;
    case Act::DropMaximizeBox: SetWindowLongPtrA(w, GWL_STYLE, GetWindowLongPtrA(w, GWL_STYLE) & ~WS_MAXIMIZEBOX); break;
    }
}
struct Step {
    std::string name;
    Act act;
    LRESULT at = 0;  // the hit code of the frame part it points at
};

std::vector<Step> PointerPath(const std::map<LRESULT, POINT>& points) {
    std::vector<Step> path;
    for (const auto& [code, point] : points) path.push_back({"hover part " + std::to_string(code), Act::Hover, code});
    LRESULT button = 0;
    for (LRESULT preferred : {256, 258, 257, 270})  // CLOSE, MAXIMIZE, MINIMIZE, SHRINKFLIP
        if (!button && points.count(preferred)) button = preferred;
    const LRESULT away = points.count(HTCAPTION) ? HTCAPTION : points.begin()->first;
    if (button) {
        path.insert(path.end(), {{"press the button", Act::Press, button},
                                 {"move off it", Act::Hover, away},
                                 {"move back", Act::Hover, button},
                                 {"move off again", Act::Hover, away},
                                 {"release off it", Act::ReleaseAt, away}});
    }
    path.insert(path.end(), {{"hover again", Act::Hover, button ? button : away},
                             {"deactivate", Act::Deactivate},
                             {"activate", Act::Activate},
                             {"new title", Act::Retitle},
                             {"maximise box taken away", Act::DropMaximizeBox}});
    return path;
}

void LiveFrame::WalkThePointerPath() {
    for (const test::ThemeCase& theme : test::TestThemes()) {
        SCOPED_TRACE(theme.name);
        UseTheme(theme.path);
        HWND w = Open(kTitle);
        const std::map<LRESULT, POINT> points = FramePoints(w);
        ASSERT_FALSE(points.empty()) << "the frame answers no hit test";
        for (const Step& step : PointerPath(points)) {
            Do(w, step.act, step.at ? points.at(step.at) : POINT{});
            EXPECT_EQ(AgainstFullPaint(w), "") << step.name;
        }
        windows_.clear();
    }
}

TEST_F(LiveFrame, EveryStepOfAPointerPathEndsAsAFullPaintWould) { WalkThePointerPath(); }

// Two windows of one theme, of different sizes, styles and states, hovered, hit-tested, retitled
// and painted by turns: what one message computes for one window never shows in the other's
// frame, so after every turn each looks exactly as a full paint of itself. (The pointer hovers
// buttons of the active window only: a theme's hover words may keep a process-wide variable that
// the other window's paint reads, as harbor's glow does.)
TEST_F(LiveFrame, TwoWindowsTakingTurnsEachLookAsTheirOwnFullPaint) {
    constexpr LRESULT kButton = -1;  // the window's first frame button (close, maximise, ...)
    struct Turn {
        int window;
        Act act;
        LRESULT at;
    } const turns[] = {
        {1, Act::Hover, kButton},   {0, Act::Hover, HTCAPTION}, {1, Act::Retitle, 0},     {1, Act::Hover, HTLEFT},
        {1, Act::Deactivate, 0},    {0, Act::Activate, 0},      {0, Act::Hover, kButton}, {1, Act::Hover, HTCAPTION},
        {0, Act::Retitle, 0},       {0, Act::Hover, kButton},   {1, Act::Hover, HTTOP},   {0, Act::Hover, HTLEFT},
    };
    for (const test::ThemeCase& theme : test::TestThemes()) {
        SCOPED_TRACE(theme.name);
        UseTheme(theme.path);
        // The second opens last: it is the active one, the first inactive.
        const HWND windows[] = {Open(kTitle), Open("The second, wider window", 520, 300,
                                                   WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX)};
        std::map<LRESULT, POINT> points[2];
        for (int i = 0; i < 2; ++i) {
            points[i] = FramePoints(windows[i]);
            auto button = points[i].lower_bound(256);
            ASSERT_NE(button, points[i].end()) << "window " << i << " has no frame button";
            points[i][kButton] = button->second;
            ASSERT_TRUE(points[i].count(HTCAPTION)) << "window " << i << " has no caption";
        }
        for (std::size_t t = 0; t < std::size(turns); ++t) {
            const Turn& turn = turns[t];
            const std::map<LRESULT, POINT>& on = points[turn.window];
            Do(windows[turn.window], turn.act, on.count(turn.at) ? on.at(turn.at) : on.at(HTCAPTION));
            // The other window painted last, so that its rectangles are the last computed when the
            // next turn begins.
            for (int i : {turn.window, 1 - turn.window})
                EXPECT_EQ(AgainstFullPaint(windows[i]), "") << "turn " << t << ", window " << i;
        }
        windows_.clear();
    }
}

// The press is the process's, but its look is its window's: an owner and its owned window both
// draw active frames, and a button held down in one never shows pressed in the other.
TEST_F(LiveFrame, AButtonHeldDownShowsPressedInItsOwnWindowOnly) {
    for (const test::ThemeCase& theme : test::TestThemes()) {
        SCOPED_TRACE(theme.name);
        UseTheme(theme.path);
        const HWND pressed = Open(kTitle);
        const HWND other = Open("The owned window", 520, 300, WS_OVERLAPPEDWINDOW, 0, pressed);
        const std::map<LRESULT, POINT> points = FramePoints(pressed);
        const auto button = points.lower_bound(256);
        if (button == points.end() || !points.count(HTCAPTION)) {
            windows_.clear();
            continue;
        }
        for (HWND w : {pressed, other}) SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
        // Hovered first: a theme's hover words may light a process-wide look (harbor's glow).
        HitTest(pressed, button->second);
        SendMessageA(other, WM_NCPAINT, 1, 0);
        const std::vector<bool> mask = FrameMask(other);
        test::PumpMessages();
        const Picture before = Capture(other);
        Do(pressed, Act::Press, button->second);
        SendMessageA(other, WM_NCPAINT, 1, 0);
        test::PumpMessages();
        EXPECT_EQ(CompareFrames(before, Capture(other), mask), "");
        Do(pressed, Act::ReleaseAt, points.at(HTCAPTION));  // off the button: nothing is done
        windows_.clear();
    }
}

// vttheme render of the same theme, size, title and state: the preview a user chooses by.
class Preview {
public:
    explicit Preview(const std::string& folder) : out_(folder + "preview.png") {}
    ~Preview() { DeleteFileA(out_.c_str()); }
    // Renders and reads the picture back; false when the program or the reader failed.
    bool Render(const std::string& theme, const std::string& extra) {
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::string program(self);
        program = program.substr(0, program.find_last_of('\\') + 1) + "vttheme.exe";
        std::string line = "\"" + program + "\" render \"" + theme + "\" \"" + out_ + "\" --size " +
                           std::to_string(kWidth) + "x" + std::to_string(kHeight) + " --title \"" + kTitle + "\" " + extra;
        ChildOptions options;
        options.flags = CREATE_NO_WINDOW;
        ChildProcess child = StartChildProcess(line, options);
        if (!child || WaitForSingleObject(child.process.get(), 30000) != WAIT_OBJECT_0) return false;
        try {
            LoadPngFile(out_, image_);
        } catch (const std::exception&) {
            return false;
        }
        return image_.width > 0;
    }
    const RgbaImage& Image() const { return image_; }

private:
    std::string out_;
    RgbaImage image_;
};

TEST_F(LiveFrame, ThePreviewShowsTheLiveFramePixelForPixel) {
    struct Look {
        const char* name;
        const char* options;
        Act act;
    };
    const Look looks[] = {
        {"active", "", Act::Activate},
        {"inactive", "--inactive", Act::Deactivate},
        {"close hovered", "--hover CLOSE", Act::Hover},
        {"close pressed", "--pressed CLOSE", Act::Press},
    };
    for (const test::ThemeCase& theme : test::TestThemes()) {
        SCOPED_TRACE(theme.name);
        UseTheme(theme.path);
        for (const Look& look : looks) {
            HWND w = Open(kTitle);
            const std::map<LRESULT, POINT> points = FramePoints(w);
            if ((look.act == Act::Hover || look.act == Act::Press) && !points.count(256)) continue;  // no CLOSE
            SendMessageA(w, WM_NCACTIVATE, look.act != Act::Deactivate, 0);
            HitTest(w, POINT{kWidth / 2, kHeight / 2});  // the pointer off the frame
            if (look.act == Act::Hover) HitTest(w, points.at(256));
            if (look.act == Act::Press) {
                SetLeftButton(true);
                SendMessageA(w, WM_NCLBUTTONDOWN, WPARAM(HitTest(w, points.at(256))), ScreenPoint(w, points.at(256)));
            }
            test::PumpMessages();
            const std::vector<bool> mask = FrameMask(w);
            const Picture live = Capture(w);
            if (look.act == Act::Press) {
                SetLeftButton(false);
                SendMessageA(w, WM_NCLBUTTONUP, HTCAPTION, ScreenPoint(w, POINT{1, 1}));
            }
            Preview preview(copy_.Folder());
            ASSERT_TRUE(preview.Render(theme.path, look.options)) << look.name;
            const RgbaImage& image = preview.Image();
            ASSERT_EQ(image.width, live.width);
            ASSERT_EQ(image.height, live.height);
            Picture shown{live.width, live.height, {}};
            const std::vector<bool> shape = ShapeMask(w);
            int shapeDiffers = 0;
            for (int y = 0; y < image.height; ++y)
                for (int x = 0; x < image.width; ++x) {
                    const std::uint8_t* p = image.Pixel(x, y);
                    shown.pixels.push_back(RGB(p[0], p[1], p[2]));
                    // The preview cuts away what the live window's region cuts away.
                    shapeDiffers += (p[3] != 0) != shape[std::size_t(y) * std::size_t(image.width) + std::size_t(x)];
                }
            EXPECT_EQ(shapeDiffers, 0) << look.name << ": the preview's shape";
            EXPECT_EQ(CompareFrames(live, shown, mask), "") << look.name;
            windows_.clear();
        }
    }
}

TEST_F(LiveFrame, TitlesThatDoNotFitKeepTheirStartAndEndWithAnEllipsis) {
    // Pane's caption (TL:8,2 to TR:-48,22) lies on red and green; its text is white.
    for (const char* font : {"'Tahoma' 8 FFFFFF BOLD", "'Tahoma' 8 FFFFFF BOLD CENTER"}) {
        SCOPED_TRACE(font);
        UseTheme(test::WritePaneTheme({{"'Tahoma' 8 FFFFFF BOLD", font}}));
        for (const char* title : {"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", "Minesweeper"}) {
            HWND narrow = Open(title, 110, 120);
            const Picture picture = Capture(narrow);
            std::vector<int> columns, heights;  // the columns that hold text, and how much of it
            for (int x = 0; x < picture.width; ++x) {
                int white = 0;
                for (int y = 2; y < 22; ++y) white += picture.At(x, y) == RGB(255, 255, 255);
                if (white) columns.push_back(x), heights.push_back(white);
            }
            ASSERT_FALSE(columns.empty()) << title;
            EXPECT_LE(columns.front(), 10) << title << ": the title starts where the caption starts";
            EXPECT_LT(columns.back(), picture.width - 48) << title;
            // It ends with "...": three short runs of low columns.
            int runs = 0;
            bool low = true;
            for (std::size_t i = columns.size(); i-- > 0 && runs < 3;) {
                low = low && heights[i] <= 3;
                if (i == 0 || columns[i - 1] != columns[i] - 1) ++runs;
            }
            EXPECT_TRUE(runs == 3 && low) << title << ": no ellipsis at the end";
            windows_.clear();
        }
    }
}

TEST_F(LiveFrame, MaximisedWindowsFillTheWorkAreaAndEveryStateComesBackFramed) {
    UseTheme(test::WritePaneTheme());  // client TL:4,24 BR:-4,-4; caption from y = 2
    HWND w = Open(kTitle);
    RECT before{};
    GetWindowRect(w, &before);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(GetMonitorInfoA(MonitorFromWindow(w, MONITOR_DEFAULTTONEAREST), &monitor));
    const RECT work = monitor.rcWork;

    ShowWindow(w, SW_MAXIMIZE);
    test::PumpMessages();
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, work.left - 4);
    EXPECT_EQ(r.top, work.top - 2) << "the caption at the top of the work area";
    EXPECT_EQ(r.right, work.right + 4);
    EXPECT_EQ(r.bottom, work.bottom + 4);
    const RECT client = test::ClientInWindow(w);
    EXPECT_EQ(r.left + client.left, work.left);
    EXPECT_EQ(r.top + client.bottom, work.bottom) << "the client area ends at the work area";
    EXPECT_FALSE(test::InWindowRegion(w, 1, 30)) << "the side border is cut off at the work area";
    EXPECT_TRUE(test::InWindowRegion(w, 10, 4)) << "the caption shows";
    EXPECT_EQ(AgainstFullPaint(w), "");

    const struct {
        const char* name;
        int show;
    } steps[] = {{"restored from maximised", SW_RESTORE}, {"minimised", SW_MINIMIZE}, {"restored", SW_RESTORE}};
    for (const auto& step : steps) {
        ShowWindow(w, step.show);
        test::PumpMessages();
        if (step.show == SW_MINIMIZE) continue;
        GetWindowRect(w, &r);
        EXPECT_TRUE(EqualRect(&r, &before)) << step.name;
        EXPECT_FALSE(test::InWindowRegion(w, kWidth - 2, 1)) << step.name << ": the theme's shape (a cut corner)";
        EXPECT_EQ(test::WindowPixel(w, 5, 10), test::Rgb(0, 0, 128)) << step.name << ": the frame";
        EXPECT_EQ(AgainstFullPaint(w), "") << step.name;
    }
}

// A window procedure of a program that draws its own title bar in a client area covering the whole
// window: it answers the calculation itself, always or only when the window is resized.
template <bool Always>
LRESULT CALLBACK OwnFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCALCSIZE && (Always || wParam)) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(LiveFrame, EachKindOfWindowIsFramedOrLeftToItsProgramAndClosesNormally) {
    for (auto [name, proc] : {std::pair{"VtOwnFrameAlways", &OwnFrameProc<true>},
                              std::pair{"VtOwnFrameResized", &OwnFrameProc<false>}}) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = name;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        RegisterClassA(&wc);
    }
    UseTheme(test::WritePaneTheme());
    HWND owner = Open("Owner");
    struct Kind {
        const char* name;
        DWORD style, exStyle;
        bool owned;
        const char* windowClass;
        bool framed;
    };
    const Kind kinds[] = {
        {"a sizable window", WS_OVERLAPPEDWINDOW, 0, false, kClass, true},
        {"a fixed dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME, false, kClass, true},
        {"a tool window", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, false, kClass, true},
        {"an owned popup with a caption", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, true, kClass, true},
        {"a dialog frame without a title bar", WS_POPUP | WS_DLGFRAME | WS_SYSMENU, 0, false, kClass, false},
        {"a sizable popup without a title bar", WS_POPUP | WS_THICKFRAME | WS_SYSMENU, 0, false, kClass, false},
        {"a program that draws its own frame", WS_OVERLAPPEDWINDOW, 0, false, "VtOwnFrameAlways", false},
        {"one that answers only the resizing calculation", WS_OVERLAPPEDWINDOW, 0, false, "VtOwnFrameResized", false},
    };
    for (const Kind& kind : kinds) {
        HWND w = Open(kind.name, kWidth, kHeight, kind.style, kind.exStyle, kind.owned ? owner : nullptr,
                      kind.windowClass);
        const RECT client = test::ClientInWindow(w);
        const bool themedClient = client.left == 4 && client.top == 24 && client.right == kWidth - 4;
        const bool shaped = !test::InWindowRegion(w, kWidth - 2, 1);
        EXPECT_EQ(themedClient, kind.framed) << kind.name << ": client area";
        EXPECT_EQ(shaped, kind.framed) << kind.name << ": shape";
        // Fixed frames show no sizing corners in Pane; the close button is there in every kind.
        const COLORREF close = test::WindowPixel(w, client.right + 4 - 16, 12);
        if (kind.framed) {
            EXPECT_TRUE(close == test::Rgb(255, 255, 0) || close == test::Rgb(160, 160, 0)) << kind.name << ": picture";
        }
        SendMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_FALSE(IsWindow(w)) << kind.name << " closes";
        if (!IsWindow(w)) windows_.back().release();
    }
}

TEST_F(LiveFrame, ATitleChangedAHundredTimesASecondNeverShowsTheSystemsCaption) {
    UseTheme(test::WritePaneTheme());
    HWND w = Open(kTitle);
    RECT r{};
    GetWindowRect(w, &r);
    const COLORREF system[] = {GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_GRADIENTACTIVECAPTION),
                               GetSysColor(COLOR_INACTIVECAPTION), GetSysColor(COLOR_GRADIENTINACTIVECAPTION)};
    std::atomic<bool> done{false};
    std::atomic<int> samples{0}, systemSeen{0};
    std::thread sampler([&] {
        WindowDc screen(nullptr, GetDC(nullptr));
        while (!done) {
            for (int x = r.left + 12; x < r.right - 50; x += 7) {
                const COLORREF c = GetPixel(screen.Get(), x, r.top + 12);
                ++samples;
                systemSeen += std::find(std::begin(system), std::end(system), c) != std::end(system);
            }
        }
    });
    for (int i = 0; i < 200; ++i) {
        SetWindowTextA(w, ("Counting " + std::to_string(i)).c_str());
        test::PumpMessages();
        Sleep(10);
    }
    done = true;
    sampler.join();
    EXPECT_GT(samples.load(), 1000);
    EXPECT_EQ(systemSeen.load(), 0) << "of " << samples.load() << " samples";
    EXPECT_EQ(AgainstFullPaint(w), "");
}

// Marram (tests/theme/data/xfwm4/marram): its title band is active_color_1 below a first row of a
// fixed colour, its left border active_hilight_2 at x = 1, its close button active_color_1 with a
// glyph of active_text_color; the maximise button's toggled image has a second box.
constexpr COLORREF kMarramFixed = test::Rgb(0x20, 0x30, 0x40);

// Sets system colours for the scope of a test and puts the previous ones back.
class SystemColoursChange {
public:
    SystemColoursChange(std::vector<int> which, std::vector<COLORREF> colours) : which_(std::move(which)) {
        for (int index : which_) previous_.push_back(GetSysColor(index));
        SetSysColors(int(which_.size()), which_.data(), colours.data());
    }
    ~SystemColoursChange() { SetSysColors(int(which_.size()), which_.data(), previous_.data()); }
    SystemColoursChange(const SystemColoursChange&) = delete;
    SystemColoursChange& operator=(const SystemColoursChange&) = delete;

private:
    std::vector<int> which_;
    std::vector<COLORREF> previous_;
};

TEST_F(LiveFrame, AColourSchemeChangeRecoloursSymbolicColoursWithoutAThemeReload) {
    UseTheme(test::SourcePath("tests/theme/data/xfwm4/marram/themerc"));
    HWND first = Open(kTitle);
    HWND second = Open("Second");
    auto check = [&](const char* when) {
        const COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION), inactive = GetSysColor(COLOR_INACTIVECAPTION);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        for (HWND w : {first, second}) {
            const bool active = w == second;  // opened last
            SCOPED_TRACE(std::string(when) + (active ? ", active window" : ", inactive window"));
            EXPECT_EQ(test::WindowPixel(w, 40, 0), kMarramFixed) << "a colour without a name stays";
            EXPECT_EQ(test::WindowPixel(w, 40, 8), active ? caption : inactive);
            EXPECT_EQ(test::WindowPixel(w, 1, 60), LightColour(face));
            EXPECT_EQ(AgainstFullPaint(w), "");
        }
    };
    check("before");
    {
        SystemColoursChange change({COLOR_ACTIVECAPTION, COLOR_INACTIVECAPTION, COLOR_BTNFACE},
                                   {test::Rgb(200, 40, 90), test::Rgb(30, 120, 60), test::Rgb(90, 60, 150)});
        ASSERT_EQ(GetSysColor(COLOR_ACTIVECAPTION), test::Rgb(200, 40, 90));
        test::PumpMessages();
        check("after the change");
    }
    test::PumpMessages();
    check("after the colours came back");
}

TEST_F(LiveFrame, AMaximisedWindowShowsTheToggledMaximiseButton) {
    UseTheme(test::SourcePath("tests/theme/data/xfwm4/marram/themerc"));
    HWND w = Open(kTitle);
    // The maximise button lies at TR:-40,2; the toggled glyph has ink at (6,3) where the plain
    // one shows its face.
    auto glyphPixel = [w] {
        RECT r{};
        GetWindowRect(w, &r);
        return test::WindowPixel(w, r.right - r.left - 40 + 6, 2 + 3);
    };
    const COLORREF face = GetSysColor(COLOR_ACTIVECAPTION), ink = GetSysColor(COLOR_CAPTIONTEXT);
    ASSERT_NE(face, ink);
    EXPECT_EQ(glyphPixel(), face);
    ShowWindow(w, SW_MAXIMIZE);
    test::PumpMessages();
    EXPECT_EQ(glyphPixel(), ink);
    EXPECT_EQ(AgainstFullPaint(w), "");
    ShowWindow(w, SW_RESTORE);
    test::PumpMessages();
    EXPECT_EQ(glyphPixel(), face);
}

// Run with the screen at 150 % and 200 % (the prefix's LogPixels; see run_scaled_frame_tests.sh),
// skipped at 100 %.
class ScaledFrame : public LiveFrame {
protected:
    void SetUp() override {
        WindowDc screen(nullptr, GetDC(nullptr));
        dpi_ = GetDeviceCaps(screen.Get(), LOGPIXELSY);
        if (dpi_ == 96) GTEST_SKIP() << "the screen is at 100 %";
        LiveFrame::SetUp();
    }
    int S(int length) const { return int(ScaleLength(length, dpi_)); }
    int dpi_ = 96;
};

TEST_F(ScaledFrame, ClientAreaShapeHitTestAndPixelsOfANativeTheme) {
    UseTheme(test::WritePaneTheme());
    HWND w = Open(kTitle);
    RECT outer{};
    GetWindowRect(w, &outer);
    const int width = outer.right - outer.left;
    const RECT client = test::ClientInWindow(w);
    EXPECT_EQ(client.left, S(4)) << dpi_;
    EXPECT_EQ(client.top, S(24));
    EXPECT_EQ(client.right, width - S(4));
    // The corner's see-through triangle (x + y < 6 at 100 %) and the cut top-right strip, scaled.
    EXPECT_FALSE(test::InWindowRegion(w, S(6) - 1, 0));
    EXPECT_TRUE(test::InWindowRegion(w, S(6), 0));
    EXPECT_FALSE(test::InWindowRegion(w, width - 1, S(4) - 1));
    EXPECT_TRUE(test::InWindowRegion(w, width - 1, S(4)));
    // The close button (TR:-22,6 to TR:-10,18), hit and drawn at its scaled place.
    const POINT close{width - S(16), S(12)};
    EXPECT_EQ(HitTest(w, close), 256);
    EXPECT_EQ(HitTest(w, POINT{width - S(48) - 1, S(12)}), HTCAPTION) << "the caption's right end";
    EXPECT_EQ(HitTest(w, POINT{width - S(48) + 2, S(12)}), HTTOP) << "just past it";
    EXPECT_EQ(test::WindowPixel(w, close.x, close.y), test::Rgb(255, 255, 0));
    EXPECT_EQ(test::WindowPixel(w, S(5), S(10)), test::Rgb(0, 0, 128)) << "the corner";
    EXPECT_EQ(AgainstFullPaint(w), "");
}

TEST_F(ScaledFrame, EveryStepOfAPointerPathEndsAsAFullPaintWould) { WalkThePointerPath(); }

}  // namespace
}  // namespace vt
