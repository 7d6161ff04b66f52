// Hostile themes in a live window: words that never end in every event slot, huge ALLOTs, deep
// nesting, 10,000 elements, an absurd rectangle, images that claim giant sizes, a 16 MB file.
// Whatever the theme does, the window keeps answering within a second per message, keeps a sane
// shape and client area, and no error at paint or hit-test time shows a box.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "EngineTest.h"
#include "FrameTestSupport.h"
#include "HookTestSupport.h"
#include "common/win32/HookMessages.h"

namespace vt {
namespace {

using Clock = std::chrono::steady_clock;
using Edits = std::vector<std::pair<std::string, std::string>>;

constexpr int X0 = 20, Y0 = 20, W = 240, H = 160;

// Script words put after the theme's own, so that they are the ones bound.
std::pair<std::string, std::string> Words(const std::string& code) { return {"[MISC]", "[CODE]\n" + code + "\n[MISC]"}; }
// The close button's own hover words replaced.
std::pair<std::string, std::string> Enter(const std::string& body) {
    return {": close::OnMouseEnter enters @ 1+ enters ! ;", ": close::OnMouseEnter " + body + " ;"};
}
std::pair<std::string, std::string> Exit(const std::string& body) {
    return {": close::OnMouseExit exits @ 1+ exits ! ;", ": close::OnMouseExit " + body + " ;"};
}
// More LAYOUT lines, after the theme's own elements.
std::pair<std::string, std::string> Elements(const std::string& lines) { return {"[IGNORED]", lines + "[IGNORED]"}; }

std::string Repeat(const std::string& piece, int times) {
    std::string s;
    s.reserve(piece.size() * std::size_t(times));
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

class HostileTheme : public test::EngineTest {
protected:
    // The longest a message took, and the checks that the window is still sane after it.
    double Worst(HWND w) {
        double worst = 0;
        auto timed = [&](const char* what, const std::function<void()>& send) {
            const auto start = Clock::now();
            send();
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            EXPECT_LT(ms, 1000.0) << what;
            if (ms > worst) worst = ms;
        };
        auto at = [](int x, int y) { return MAKELPARAM(X0 + x, Y0 + y); };
        timed("paint", [&] { SendMessageA(w, WM_NCPAINT, 1, 0); });
        timed("hit test on close (enter)", [&] { SendMessageA(w, WM_NCHITTEST, 0, at(W - 15, 13)); });
        timed("hit test on the caption (exit)", [&] { SendMessageA(w, WM_NCHITTEST, 0, at(100, 13)); });
        timed("press", [&] { SendMessageA(w, WM_NCLBUTTONDOWN, 256, at(W - 15, 13)); });
        timed("release off the button", [&] { SendMessageA(w, WM_NCLBUTTONUP, HTCAPTION, at(100, 13)); });
        timed("tick", [&] { SendMessageA(w, Messages().tick, 0, 0); });
        timed("cursor", [&] { SendMessageA(w, WM_SETCURSOR, WPARAM(w), MAKELPARAM(HTRIGHT, WM_MOUSEMOVE)); });
        timed("resize", [&] { SetWindowPos(w, nullptr, 0, 0, W + 10, H + 10, SWP_NOMOVE | SWP_NOZORDER); });
        timed("frame recomputed", [&] {
            SetWindowPos(w, nullptr, 0, 0, W, H, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
        });
        timed("activation", [&] { SendMessageA(w, WM_NCACTIVATE, FALSE, 0); });
        DWORD_PTR answer = 0;
        EXPECT_NE(SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer), 0) << "still answering";
        RECT client = test::ClientInWindow(w);
        EXPECT_GE(client.left, 0);
        EXPECT_GE(client.top, 0);
        EXPECT_LE(client.right, W);
        EXPECT_LE(client.bottom, H);
        EXPECT_TRUE(test::InWindowRegion(w, (client.left + client.right) / 2, (client.top + client.bottom) / 2))
            << "the client area is inside the window's shape";
        return worst;
    }
};

TEST_F(HostileTheme, EveryMessageEndsWithinASecondAndShowsNoBox) {
    const std::string bigImage = test::SourcePath("tests/graphics/data/malformed/huge-100000x100000.bmp");
    const std::string sideImage = test::SourcePath("tests/graphics/data/malformed/huge-side-20000x1.bmp");
    struct Row {
        const char* what;
        Edits edits;
        bool loadErrors;  // errors at load time, each a box as the theme loads (not while it runs)
    } rows[] = {
        {"endless loop in OnPaint", {Words(": close::OnPaint BEGIN AGAIN ;")}, false},
        {"endless recursion in the client's OnCalcRect",
         {{"CLIENT TL:4,24 BR:-4,-4\n", "CLIENT TL:4,24 BR:-4,-4 NONE NONE NONE NONE client\n"},
          Words(": client::OnCalcRect client::OnCalcRect ;")},
         false},
        {"endless loop in OnMouseEnter", {Enter("BEGIN AGAIN")}, false},
        {"endless recursion in OnMouseExit", {Exit("close::OnMouseExit")}, false},
        {"endless loop in OnIdle", {Words(": close::OnIdle BEGIN AGAIN ;")}, false},
        {"a huge ALLOT at paint time", {Words(": close::OnPaint 2000000000 ALLOT ;")}, false},
        {"a stack filled at paint time", {Words(": close::OnPaint BEGIN 1 AGAIN ;")}, false},
        {"nesting 2,000 deep", {Words(": close::OnPaint " + Repeat("1 IF ", 2000) + Repeat("THEN ", 2000) + ";")}, false},
        {"10,000 elements", {Elements(Repeat("MINIMIZE TR:-52,8 TR:-41,19 btn btndown btn btnhot\n", 10000))}, false},
        {"an absurd rectangle",
         {Elements("CLOSE TLS:-2000000000,-2000000000 BR:2000000000,2000000000 btn btndown btn btnhot\n"
                   "SYSMENU TL:2147483647,2147483647 TL:-2147483647,-2147483647 btn btn btn btn\n")},
         false},
        {"images that claim giant sizes",
         {{"\nbtn ", "\nhuge " + bigImage + "\nside2 " + sideImage + "\nbtn "},
          Elements("TITLE TLS:4,4 TR:-4,24 huge huge huge huge\nBOTTOM BLF:4,-4 BR:-4,0 side2 side2 side2\n")},
         true},
        {"a theme file of almost 16 MB (the most a theme may be)",
         {{"[IGNORED]", Repeat("# " + std::string(1021, 'x') + "\n", 16 * 1024 - 8) + "[IGNORED]"}},
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const auto loadStart = Clock::now();
        UseTheme(test::WriteInputTheme(row.edits));
        const double loadMs = std::chrono::duration<double, std::milli>(Clock::now() - loadStart).count();
        EXPECT_EQ(!notices_.empty(), row.loadErrors) << (notices_.empty() ? "" : notices_.front());
        notices_.clear();
        test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
        HWND w = window.Handle();
        state_->registry.RegisterWindow(w, true);
        SetWindowPos(w, HWND_TOP, X0, Y0, W, H, SWP_FRAMECHANGED | SWP_SHOWWINDOW);
        SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
        test::PumpMessages();
        const double worst = Worst(w);
        EXPECT_TRUE(notices_.empty()) << "a box at run time: " << notices_.front();
        notices_.clear();
        EXPECT_TRUE(test::TakeClosedBoxes().empty());
        std::printf("hostile theme: %-46s load %7.1f ms, worst message %7.1f ms\n", row.what, loadMs, worst);
        state_->registry.UnregisterWindow(w);
    }
}

}  // namespace
}  // namespace vt
