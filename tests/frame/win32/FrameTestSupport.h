#pragma once
// Helpers of the frame tests under Wine: the Pane test theme written to a scratch folder (with
// edits a test asks for), windows read back pixel by pixel, and the registry's Theme value.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace vt::test {

// COLORREF of an RGB triple, as GetPixel returns it.
constexpr COLORREF Rgb(int r, int g, int b) { return COLORREF(r | (g << 8) | (b << 16)); }

// A Windows path of a file of the source tree (Wine maps the Linux root to Z:).
std::string SourcePath(const std::string& relative);

// The Pane theme's text with its image names made absolute and each (from, to) replacement made
// once, written to a scratch file; its path. The files go when the process ends.
std::string WritePaneTheme(const std::vector<std::pair<std::string, std::string>>& edits = {});

// The Pane theme's images in the input tests' layout: every sizing border and corner, a caption,
// the system menu and close, maximise, minimise and roll-up buttons 12 pixels square whose normal,
// pressed and hovered looks are blue, red and green, placed 8 pixels down from the top and 9, 25,
// 41 and 57 pixels in from the right; close counts its OnMouseEnter and OnMouseExit runs in the
// script variables enters and exits. `more` edits as for WritePaneTheme.
std::string WriteInputTheme(const std::vector<std::pair<std::string, std::string>>& more = {});

// The theme files the tests frame windows with: ours, kwm, xfwm4 and IceWM test themes, and the
// installed xfwm4 and IceWM themes found (Greybird, CrystalBlue, ...).
struct ThemeCase {
    const char* name;
    std::string path;
};
std::vector<ThemeCase> TestThemes();

// The pixel of the window's whole-window DC at window coordinates.
COLORREF WindowPixel(HWND window, int x, int y);
// Whether the point (window coordinates) lies in the window's region; true without a region.
bool InWindowRegion(HWND window, int x, int y);
// The client area's top-left corner in window coordinates and its size.
RECT ClientInWindow(HWND window);
// How many pixels of the rectangle (window coordinates) have the colour.
int CountPixels(HWND window, const RECT& r, COLORREF colour);

// The window's pixels, read back in one go from its whole-window DC.
struct Picture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};
Picture Capture(HWND window);

// Real pointer input from another thread while this one runs the window (and its modal loops):
// the button goes down at the path's first point and up at its last. Under Wine on X, a move can
// be echoed later by the X pointer it warped: the script holds the last position a while (and
// moves there again) before the button goes up, so that nothing older arrives after it.
class PointerScript {
public:
    explicit PointerScript(std::vector<POINT> path) : path_(std::move(path)) {}
    ~PointerScript();
    PointerScript(const PointerScript&) = delete;
    PointerScript& operator=(const PointerScript&) = delete;
    void Run();
    bool Done() const { return done_; }
    // Runs the script, settled at its first point beforehand, and pumps this thread's messages
    // until it is done; whether it finished in time.
    bool Play(DWORD timeoutMs = 10000);

    static void Send(INPUT input);
    static void Move(POINT p);  // screen coordinates
    static void Button(DWORD flag);

private:
    std::vector<POINT> path_;
    std::thread thread_;
    std::atomic<bool> done_{false};
};

// Registers a window class of the test program whose windows run `procedure` (it fails
// harmlessly when an earlier test registered it).
void RegisterPlainClass(const char* name, WNDPROC procedure = DefWindowProcA, HICON icon = nullptr);

// Polls (pumping this thread's messages) until the condition holds or the time is up; whether it
// held. Windows of other processes change in their own time.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 8000);
// Waits until the window's client area starts at (left, top) of the window.
bool WaitForClientAt(HWND window, int left, int top, DWORD timeoutMs = 8000);

}  // namespace vt::test
