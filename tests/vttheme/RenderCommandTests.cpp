// vttheme render inside the test process, under Wine: the Preview test theme painted by the
// frame engine's own code, the PNG read back with our reader and checked pixel by pixel (the
// theme's images are flat colours, so one pixel tells each piece and look apart); and the
// command's answers to bad themes, bad elements and unwritable files.
#include <gtest/gtest.h>

#include <windows.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "FrameTestSupport.h"
#include "RenderCommand.h"
#include "ThemeTemplate.h"
#include "graphics/BmpReader.h"
#include "graphics/PngReader.h"
#include "graphics/win32/GdiObjectCount.h"
#include "theme/ThemeWords.h"

namespace vt {
namespace {

struct Rgba {
    std::uint8_t r, g, b, a;
    bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};
std::ostream& operator<<(std::ostream& out, const Rgba& c) {
    return out << "rgba(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << "," << int(c.a) << ")";
}

constexpr Rgba kClear{0, 0, 0, 0};
constexpr Rgba kCorner{0, 0, 128, 255}, kCornerOff{128, 128, 128, 255};
constexpr Rgba kRed{200, 0, 0, 255}, kGreen{0, 200, 0, 255}, kTitleOff{96, 96, 96, 255};
constexpr Rgba kSideEven{0, 0, 200, 255}, kSideOdd{0, 200, 200, 255}, kBottom{100, 100, 100, 255};
constexpr Rgba kButton{0, 0, 255, 255}, kDown{255, 0, 0, 255}, kHot{0, 255, 0, 255}, kButtonOff{160, 160, 0, 255};
constexpr Rgba kMenuLeft{0, 128, 0, 255}, kMenuRight{128, 0, 128, 255};
constexpr int kClose = 224, kMinimize = 206, kButtonY = 12;  // the buttons' centres

Rgba SystemColour(int index) {
    const COLORREF c = GetSysColor(index);
    return Rgba{GetRValue(c), GetGValue(c), GetBValue(c), 255};
}

struct Rendered {
    int status = -1;
    std::string out;  // what the command printed on stdout
    RgbaImage image;  // empty when no file was written

    Rgba At(int x, int y) const {
        if (x < 0 || y < 0 || x >= image.width || y >= image.height) return Rgba{1, 2, 3, 4};
        const std::uint8_t* p = image.Pixel(x, y);
        return Rgba{p[0], p[1], p[2], p[3]};
    }
};

std::string PreviewTheme() { return test::SourcePath("tests/vttheme/data/preview.theme"); }

std::string TempPng() {
    static int counter = 0;
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "vt-render-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++counter) + ".png";
}

Rendered Render(const std::string& theme, std::vector<std::string> options, std::string out = TempPng()) {
    std::vector<std::string> args{theme, out, "--size", "240x160"};
    args.insert(args.end(), options.begin(), options.end());
    Rendered result;
    ::testing::internal::CaptureStdout();
    result.status = RenderCommand(args, {&RegisterThemeScriptWords});
    result.out = ::testing::internal::GetCapturedStdout();
    if (GetFileAttributesA(out.c_str()) != INVALID_FILE_ATTRIBUTES) {
        LoadPngFile(out, result.image);
        DeleteFileA(out.c_str());
    }
    return result;
}

struct PixelRow {
    const char* what;
    int x, y;
    Rgba expected;
};

void CheckPixels(const Rendered& r, const std::string& look, const std::vector<PixelRow>& rows, int left = 0) {
    for (const PixelRow& row : rows)
        EXPECT_EQ(r.At(left + row.x, row.y), row.expected) << look << ": " << row.what << " at " << row.x << "," << row.y;
}

TEST(RenderCommand, EveryLookHasItsPixelsAndTheRegionCutsTheCorners) {
    const Rgba client = SystemColour(COLOR_WINDOW);
    const std::vector<PixelRow> frame = {
        {"corner cut by its see-through triangle", 0, 0, kClear},
        {"still cut", 2, 3, kClear},
        {"right corner cut too", 232, 0, kClear},
        {"left side tiled: first row", 1, 24, kSideEven},
        {"left side tiled: second row", 1, 25, kSideOdd},
        {"bottom stretched", 100, 158, kBottom},
        {"client area: the window colour", 100, 100, client},
    };
    struct Row {
        const char* look;
        std::vector<std::string> options;
        std::vector<PixelRow> pixels;
    };
    const Row rows[] = {
        {"active", {}, {{"corner", 5, 10, kCorner}, {"caption, left half", 20, 1, kRed}, {"caption, right half", 200, 1, kGreen},
                        {"close", kClose, kButtonY, kButton}, {"minimize", kMinimize, kButtonY, kButton}}},
        {"inactive", {"--inactive"}, {{"corner", 5, 10, kCornerOff}, {"caption", 20, 1, kTitleOff},
                                      {"close", kClose, kButtonY, kButtonOff}}},
        {"close hovered, by name", {"--hover", "close"}, {{"close", kClose, kButtonY, kHot}, {"minimize", kMinimize, kButtonY, kButton}}},
        {"minimize hovered, by index", {"--hover", "8"}, {{"close", kClose, kButtonY, kButton}, {"minimize", kMinimize, kButtonY, kHot}}},
        {"hover shows on active windows only", {"--hover", "close", "--inactive"}, {{"close", kClose, kButtonY, kButtonOff}}},
        {"close pressed, by code", {"--pressed", "CLOSE"}, {{"close", kClose, kButtonY, kDown}, {"minimize", kMinimize, kButtonY, kButton}}},
        {"pressed wins over hovered", {"--pressed", "close", "--hover", "close"}, {{"close", kClose, kButtonY, kDown}}},
        {"menu bar: the MenuBar image stretched", {"--menu", "&File,&Edit,&View"},
         {{"bar, left half", 60, 36, kMenuLeft}, {"bar, right half", 200, 36, kMenuRight}, {"client below it", 100, 100, client}}},
        {"no menu bar: the client area there", {}, {{"where the bar would be", 200, 36, client}}},
    };
    for (const Row& row : rows) {
        Rendered r = Render(PreviewTheme(), row.options);
        ASSERT_EQ(r.status, 0) << row.look << "\n" << r.out;
        EXPECT_EQ(r.out, "") << row.look;
        ASSERT_EQ(r.image.width, 240) << row.look;
        ASSERT_EQ(r.image.height, 160) << row.look;
        CheckPixels(r, row.look, frame);
        CheckPixels(r, row.look, row.pixels);
    }
}

TEST(RenderCommand, TheTitleIsDrawnInTheCaption) {
    auto titlePixels = [](const Rendered& r) {
        int count = 0;
        for (int y = 2; y < 22; ++y)
            for (int x = 8; x < 192; ++x) count += r.At(x, y) == Rgba{255, 255, 255, 255};
        return count;
    };
    EXPECT_EQ(titlePixels(Render(PreviewTheme(), {"--title", ""})), 0);
    EXPECT_GT(titlePixels(Render(PreviewTheme(), {"--title", "WWW Preview"})), 20) << "white bold title text";
}

TEST(RenderCommand, SheetShowsActiveInactiveHoverAndPressedSideBySide) {
    Render(PreviewTheme(), {});  // what lives for the process (the window class, stock objects) made once
    const DWORD gdiBefore = test::LiveGdiObjects();
    Rendered r = Render(PreviewTheme(), {"--sheet", "--menu", "&File"});
    ASSERT_EQ(r.status, 0) << r.out;
    if (gdiBefore) {
        EXPECT_EQ(test::LiveGdiObjects(), gdiBefore) << "no GDI object leaks";
    }
    ASSERT_EQ(r.image.width, 4 * 240 + 3 * 8);
    ASSERT_EQ(r.image.height, 160);
    struct Row {
        const char* look;
        Rgba corner, close;
    };
    const Row rows[] = {
        {"active", kCorner, kButton}, {"inactive", kCornerOff, kButtonOff}, {"hover", kCorner, kHot}, {"pressed", kCorner, kDown}};
    for (int i = 0; i < 4; ++i) {
        CheckPixels(r, rows[i].look,
                    {{"cut corner", 0, 0, kClear}, {"corner", 5, 10, rows[i].corner}, {"close", kClose, kButtonY, rows[i].close}},
                    i * 248);
        if (i < 3) CheckPixels(r, rows[i].look, {{"the gap after it", 243, 50, kClear}}, i * 248);
    }
}

TEST(RenderCommand, LoadErrorsAreReportedAndBadRequestsRefused) {
    // A pane theme with one line that cannot load: reported as PATH:LINE:, the picture still made.
    const std::string broken = test::WritePaneTheme({{"[LAYOUT]\n", "[LAYOUT]\nNOSUCHCODE TL:0,0 TL:1,1\n"}});
    Rendered r = Render(broken, {});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.rfind(broken + ":", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("Invalid element code"), std::string::npos) << r.out;
    EXPECT_EQ(r.image.width, 240) << "the rest of the theme is still shown";
    DeleteFileA(broken.c_str());

    struct Row {
        const char* what;
        std::string theme;
        std::vector<std::string> options;
        std::string out;
        int status;
    };
    const Row rows[] = {
        {"a theme file that is missing", test::SourcePath("tests/vttheme/data/none.theme"), {}, TempPng(), 1},
        {"an element the theme lacks", PreviewTheme(), {"--hover", "maximize"}, TempPng(), 2},
        {"an index past the list", PreviewTheme(), {"--pressed", "99"}, TempPng(), 2},
        {"a bad size", PreviewTheme(), {"--size", "0x0"}, TempPng(), 2},
        {"a sheet too wide for an image", PreviewTheme(), {"--size", "4096x16", "--sheet"}, TempPng(), 2},
        {"a file that cannot be written", PreviewTheme(), {}, TempPng() + "\\no\\such.png", 3},
    };
    for (const Row& row : rows) {
        Rendered bad = Render(row.theme, row.options, row.out);
        EXPECT_EQ(bad.status, row.status) << row.what << "\n" << bad.out;
        EXPECT_EQ(bad.image.width, 0) << row.what << ": no picture";
    }
}

// The theme of `vttheme new`, rendered: its close button under the pointer shows its hover image.
// Then render --watch on it while it is edited: a save is drawn within a second, a broken save
// leaves the last picture, and Ctrl+C ends the command.
TEST(RenderCommand, TheNewThemeRendersAndAWatchFollowsItsSaves) {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "vt-new-" + std::to_string(GetCurrentProcessId());
    const std::string theme = WriteThemeTemplate("Sky", folder);
    constexpr int kCloseX = 218, kCloseY = 15;  // a pixel of the close button's face, (4, 10) in its images
    auto imagePixel = [&](const char* file) {
        Bitmap image;
        LoadBmpFile(folder + "\\" + file, image);
        const Colour c = image.GetPixel(4, 10);
        return Rgba{std::uint8_t(RedOf(c)), std::uint8_t(GreenOf(c)), std::uint8_t(BlueOf(c)), 255};
    };
    Rendered plain = Render(theme, {});
    EXPECT_EQ(plain.status, 0) << plain.out;
    EXPECT_EQ(plain.At(kCloseX, kCloseY), imagePixel("close.bmp"));
    EXPECT_EQ(plain.At(0, 0), kClear) << "the rounded corner is cut out";
    EXPECT_EQ(Render(theme, {"--hover", "CLOSE"}).At(kCloseX, kCloseY), imagePixel("closehot.bmp"));
    EXPECT_EQ(Render(theme, {"--inactive"}).At(kCloseX, kCloseY), imagePixel("closeoff.bmp"));

    const std::string out = TempPng();
    auto edit = [&](const std::string& from, const std::string& to) {
        std::ifstream in(theme, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        in.close();
        text.replace(text.find(from), from.size(), to);
        std::ofstream(theme, std::ios::binary) << text;
    };
    auto written = [&] {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!GetFileAttributesExA(out.c_str(), GetFileExInfoStandard, &data)) return std::uint64_t(0);
        return (std::uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    };
    auto waitForNew = [&](std::uint64_t before, DWORD limitMs) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < limitMs) {
            if (written() != before) return true;
            Sleep(20);
        }
        return false;
    };
    auto closePixel = [&] {
        RgbaImage image;
        LoadPngFile(out, image);
        const std::uint8_t* p = image.Pixel(kCloseX, kCloseY);
        return Rgba{p[0], p[1], p[2], p[3]};
    };

    ::testing::internal::CaptureStdout();
    std::thread watch([&] { RenderCommand({theme, out, "--size", "240x160", "--watch"}, {&RegisterThemeScriptWords}); });
    ASSERT_TRUE(waitForNew(0, 10000)) << "the first picture";
    Sleep(300);
    const Rgba first = closePixel();

    std::uint64_t before = written();
    edit("CLOSE TR:-26,5 TR:-8,23 close closedown", "CLOSE TR:-26,5 TR:-8,23 max closedown");
    EXPECT_TRUE(waitForNew(before, 1000)) << "a save is drawn within a second";
    Sleep(300);
    EXPECT_EQ(first, imagePixel("close.bmp"));
    EXPECT_EQ(closePixel(), imagePixel("max.bmp")) << "with the close button's new image";

    before = written();
    edit("[LAYOUT]\n", "[LAYOUT]\nBOGUS TL:0,0 TL:1,1 NONE\n");
    EXPECT_FALSE(waitForNew(before, 1500)) << "a broken save leaves the last good picture";

    std::raise(SIGINT);
    watch.join();
    const std::string said = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find("Sky.theme:"), std::string::npos) << said;
    EXPECT_NE(said.find("Invalid element code"), std::string::npos) << said;
    DeleteFileA(out.c_str());
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace
}  // namespace vt
