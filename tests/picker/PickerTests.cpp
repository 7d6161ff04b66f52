// The theme picker as a user meets it: vtthemes.exe started with the sample themes and a broken
// theme file added, its previews read back from the screen, a theme applied by keystrokes, the
// broken one refused with its errors shown, a second start handing over to the first.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ControllerConfig.h"
#include "FrameTestSupport.h"
#include "HookTestSupport.h"
#include "PickerWindow.h"
#include "VtctlRun.h"

namespace vt {
namespace {

using test::Contains;
using test::WaitFor;

std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

void Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}
void Press(WORD key) {
    Key(key, false);
    Key(key, true);
}
void AltPress(WORD key) {
    Key(VK_MENU, false);
    Press(key);
    Key(VK_MENU, true);
}

std::string ControlText(HWND window, int id) {
    // WM_GETTEXT itself: GetWindowText of another process's window reads no edit control.
    char text[4096] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(GetDlgItem(window, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &ignored);
    return text;
}

// Screen pixels of the control (every third in each direction) that differ from its background.
int PaintedPixels(HWND control) {
    RECT area{};
    GetWindowRect(control, &area);
    HDC screen = GetDC(nullptr);
    const COLORREF back = GetSysColor(COLOR_WINDOW);
    int painted = 0;
    for (int y = area.top + 4; y < area.bottom - 4; y += 3) {
        for (int x = area.left + 4; x < area.right - 4; x += 3) painted += GetPixel(screen, x, y) != back;
    }
    ReleaseDC(nullptr, screen);
    return painted;
}

TEST(Picker, ShowsPreviewsAppliesByKeysRefusesABrokenThemeAndStaysSingle) {
    test::TakeClosedBoxes();
    ControllerValueRestorer restoreTheme("Theme");
    ControllerValueRestorer restoreAdded("Picker Themes");
    ASSERT_TRUE(DeleteControllerValue("Theme"));
    ASSERT_TRUE(DeleteControllerValue("Picker Themes"));
    const std::string broken = test::WritePaneTheme({{"CAPTION TL:8,2", "NOSUCHPIECE TL:8,2"}});
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string report = std::string(temp) + "vt-picker-report-" + std::to_string(GetCurrentProcessId()) + ".txt";
    DeleteFileA(report.c_str());
    const std::string picker = WindowsPath(VT_PICKER_EXE);

    test::VtctlRun run(picker, "--themes \"" + test::SourcePath("themes") + "\" --add \"" + broken + "\" --report \"" +
                                   report + "\"");
    ASSERT_TRUE(WaitFor([&] { return Contains(test::ReadFileText(report), "\n"); }, 30000)) << "no report";
    HWND window = FindWindowA(picker::kWindowClass, nullptr);
    ASSERT_NE(window, nullptr);

    // What was loaded: the three sample themes with pictures, then the added one with its error.
    std::istringstream lines(test::ReadFileText(report));
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line.rfind("previews 4 ms ", 0), 0u) << line;
    std::vector<std::string> entries;
    while (std::getline(lines, line)) entries.push_back(line);
    ASSERT_EQ(entries.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(Contains(entries[i], "|errors=0|preview=200x130|")) << entries[i];
        EXPECT_FALSE(Contains(entries[i], "|visible=0")) << entries[i];
    }
    EXPECT_TRUE(Contains(entries[0], "theme birch|")) << entries[0];
    EXPECT_TRUE(Contains(entries[3], "|" + broken + "|current=0|errors=1|")) << entries[3];

    SetForegroundWindow(window);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == window; }));
    // The frames of three previews (their client areas are the window colour, as the list's
    // background) are about 3,300 samples; the labels alone a few hundred.
    HWND list = GetDlgItem(window, picker::kThemeList);
    EXPECT_TRUE(WaitFor([&] { return PaintedPixels(list) > 2500; })) << PaintedPixels(list) << " samples painted";

    // The first theme, chosen and applied from the keyboard: the list has the focus.
    Press(VK_HOME);
    AltPress('A');
    const std::string birch = test::SourcePath("themes") + "\\birch\\themerc";
    EXPECT_TRUE(WaitFor([&] { return _stricmp(ReadControllerValue("Theme").value_or("").c_str(), birch.c_str()) == 0; }))
        << ReadControllerValue("Theme").value_or("(none)");
    EXPECT_TRUE(WaitFor([&] { return Contains(ControlText(window, picker::kStatus), "Applied birch."); }))
        << ControlText(window, picker::kStatus);

    // The broken one shows its error with file and line, and Apply is refused.
    AltPress('T');  // the list's label: the focus goes back to the list
    Press(VK_END);
    EXPECT_TRUE(WaitFor([&] { return Contains(ControlText(window, picker::kErrors), broken + ":"); }))
        << ControlText(window, picker::kErrors);
    EXPECT_TRUE(Contains(ControlText(window, picker::kErrors), "Invalid element code")) << ControlText(window, picker::kErrors);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, picker::kApply)));
    AltPress('A');
    test::PumpMessages();
    Sleep(300);
    EXPECT_EQ(_stricmp(ReadControllerValue("Theme").value_or("").c_str(), birch.c_str()), 0) << "the broken theme is refused";

    // A second picker hands over to the first and ends.
    test::VtctlRun second(picker, "");
    EXPECT_EQ(second.Wait(20000), 0);
    EXPECT_TRUE(run.Running());

    PostMessageA(window, picker::kExitMessage, 0, 0);
    EXPECT_EQ(run.Wait(10000), 0);
    DeleteFileA(report.c_str());
    EXPECT_TRUE(test::TakeClosedBoxes().empty()) << "no message box may appear";
}

}  // namespace
}  // namespace vt
