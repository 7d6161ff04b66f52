#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "ThemeTestSupport.h"
#include "common/Notice.h"
#include "CurrentDirectoryGuard.h"
#include "theme/TextLines.h"
#include "theme/ThemeInspector.h"
#include "theme/ThemeLoader.h"

namespace vt {
namespace {

TEST(TextLines, LinesEndAtCrLfLfOrCr) {
    struct Row {
        const char* text;
        std::vector<std::string> lines;
    } rows[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"", {}},
        {"  lead\t", {"  lead\t"}},
    };
    for (const Row& row : rows) EXPECT_EQ(SplitLines(row.text), row.lines) << "text '" << row.text << "'";
}

TEST(ThemeLoader, KwmThemesAreKnownByTheWholePathInAnyCase) {
    struct Row {
        const char* path;
        bool kwm;
    } rows[] = {
        {"C:\\Themes\\Blue\\themerc", true}, {"/t/MyThemeRC.txt", true}, {"/kwmrc/slate.theme", true},
        {"/t/KWMRC", true},                  {"/t/slate.theme", false},  {"/t/theme.rc", false},
    };
    for (const Row& row : rows) EXPECT_EQ(IsKwmThemePath(row.path), row.kwm) << row.path;
}

class ThemeLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { test::WriteBmp(folder_ / "pieces/red.bmp", 4, 3, MakeColour(255, 0, 0)); }

    // Loads as the module does into a fresh state; returns the dump, errors appended.
    std::string Load(const std::string& path) {
        test::FreshTheme fresh;
        LoadThemeFile(path, fresh.state, [this](const ThemeLoadError& e) { errors_.push_back(e); });
        return DumpThemeState(fresh.state);
    }

    test::TempFolder folder_;
    std::vector<ThemeLoadError> errors_;
};

// The current directory is the host program's: while its other threads open files by relative
// names, loads of every kind of theme (failed ones too) find their images in the theme's folder,
// never in the current directory, and never move it. A decoy image of the same name in the
// current directory shows which one was read.
TEST_F(ThemeLoaderTest, ImagesResolveInTheThemesFolderWhileTheHostOpensRelativeNames) {
    test::WriteFile(folder_ / "pieces/slate.theme", "[IMAGES]\nred red.bmp\n");
    test::WriteFile(folder_ / "pieces/bad.theme", "[LAYOUT]\nNOPE\n[IMAGES]\nx gone.bmp\n");
    const std::string xpm = "/* XPM */\nstatic char *x[] = {\n\"2 1 1 1\",\n\". c #FF0000\",\n\"..\"\n};\n";
    test::WriteFile(folder_ / "xfwm/themerc", "# only the images say xfwm4\n");
    test::WriteFile(folder_ / "xfwm/top-left-active.xpm", xpm);
    test::WriteFile(folder_ / "kwm/themerc", "[Window Border]\nshapePixmapTop=Top.xpm\n");
    test::WriteFile(folder_ / "kwm/top.xpm", xpm);
    test::TempFolder host;
    test::WriteFile(host / "document.txt", "the user's");
    test::WriteBmp(host / "red.bmp", 9, 9, MakeColour(0, 0, 255));
    CurrentDirectoryGuard inHostFolder(host.Path());

    std::atomic<bool> loading{true};
    std::atomic<int> opens{0}, misses{0};
    std::thread hostThread([&] {
        while (loading || opens == 0) {
            std::FILE* file = std::fopen("document.txt", "rb");
            ++(file ? opens : misses);
            if (file) std::fclose(file);
        }
    });
    for (int round = 0; round < 30; ++round) {
        EXPECT_TRUE(test::HasRecords(Load(folder_ / "pieces/slate.theme"), {"bitmap 0 size=4x3"})) << round;
        EXPECT_TRUE(test::HasRecords(Load(folder_ / "xfwm/themerc"), {"bitmap 0 size=2x1"})) << round;
        EXPECT_TRUE(test::HasRecords(Load(folder_ / "kwm/themerc"), {"bitmap 0 size=2x1"})) << round;
        test::FreshTheme fresh;
        EXPECT_THROW(LoadThemeFile(folder_ / "pieces/none.theme", fresh.state, {}), ThemeError);
        LoadThemeFile(folder_ / "pieces/bad.theme", fresh.state, [](const ThemeLoadError&) {});
    }
    loading = false;
    hostThread.join();
    EXPECT_EQ(misses, 0) << "of " << opens << " opens by a relative name, while themes loaded";
    EXPECT_EQ(CurrentDirectory(), host.Path());
    EXPECT_TRUE(errors_.empty()) << errors_.front().message;

    // A relative theme path is taken in the current directory, its images in its own folder.
    CurrentDirectoryGuard inThemes(folder_.Path());
    EXPECT_TRUE(test::HasRecords(Load("pieces/slate.theme"), {"bitmap 0 size=4x3"}));
}

TEST_F(ThemeLoaderTest, DoubleSizeImagesBesideTheirImagesAreTheirLargerDrawings) {
    test::WriteBmp(folder_ / "pieces/red@2x.bmp", 8, 6, MakeColour(0, 255, 0));
    test::WriteFile(folder_ / "pieces/big.theme", "[IMAGES]\nred red.bmp FF00FF\nblue blue.bmp\n");
    test::WriteBmp(folder_ / "pieces/blue.bmp", 2, 2, MakeColour(0, 0, 255));  // no @2x: none is no error
    test::FreshTheme fresh;
    LoadThemeFile(folder_ / "pieces/big.theme", fresh.state, [this](const ThemeLoadError& e) { errors_.push_back(e); });
    EXPECT_TRUE(errors_.empty());
    const Bitmap* red = fresh.state.Theme->Items().FindBitmap("red");
    const Bitmap* blue = fresh.state.Theme->Items().FindBitmap("blue");
    ASSERT_TRUE(red && blue);
    EXPECT_EQ(red->SourceFor(192).first->Width(), 8);
    EXPECT_EQ(red->SourceFor(144).first, red) << "below 175 % the image itself";
    EXPECT_EQ(blue->SourceFor(192).first, blue);
}

TEST_F(ThemeLoaderTest, AFolderNamedLikeAThemercMakesAKwmTheme) {
    test::WriteFile(folder_ / "MyThemeRC/slate.theme", "[LAYOUT]\nCLOSE TL:0,0 TL:1,1\n");
    std::string dump = Load(folder_ / "MyThemeRC/slate.theme");
    // The importer's fixed layout, not the one CLOSE line.
    EXPECT_TRUE(test::HasRecords(dump, {"element 10 code=1", "settings autoexclude=1 loaded=1"})) << dump;
}

TEST_F(ThemeLoaderTest, ControlsForgetTheLastThemesBitmapsBeforeALoad) {
    test::WriteFile(folder_ / "pieces/a.theme", "[IMAGES]\nred red.bmp\n[BUTTON]\nNORMAL=red\n");
    test::WriteFile(folder_ / "pieces/b.theme", "[IMAGES]\nred red.bmp\n");
    EXPECT_TRUE(test::HasRecords(Load(folder_ / "pieces/a.theme"), {"button normal=red"}));
    EXPECT_TRUE(test::HasRecords(Load(folder_ / "pieces/b.theme"), {"button normal=-"}));
}

// The module's default: one box per failing line, with the system's last error and the line.
TEST_F(ThemeLoaderTest, ErrorBoxText) {
    std::string lines = "[LAYOUT]\n";
    for (int i = 2; i < 12; ++i) lines += "# filler\n";
    lines += "CLOSES TL:0,0 TL:1,1\n";
    test::WriteFile(folder_ / "pieces/boxed.theme", lines);
    struct Box {
        std::string caption, text;
        unsigned style;
    };
    std::vector<Box> boxes;
    ScopedNoticeHandler capture(
        [&boxes](const std::string& caption, const std::string& text, unsigned style) {
            boxes.push_back({caption, text, style});
        });
    LastErrorSource previous = SetLastErrorSource([]() -> unsigned long { return 5; });
    test::FreshTheme fresh;
    LoadThemeFile(folder_ / "pieces/boxed.theme", fresh.state);
    SetLastErrorSource(previous);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Veltrane Theme Load Error");
    EXPECT_EQ(boxes[0].text, "Invalid element code\rGetLastError returned: 5\rLine 12");
    EXPECT_EQ(boxes[0].style, 0x10000u | 0x40000u | 0x200000u);
}

TEST(ThemeState, ResetKeepsMenuFixupAutoExcludeAndWindowZoom) {
    ThemeState state;
    CreateThemeStructures(state);
    state.ShrinkElement = std::make_unique<TUIElement>();
    state.TitleColor = state.InactiveColor = 1;
    state.CenterCaption = state.SolidCaption = state.TileMenu = state.AutoExclude = state.WindowZoom = true;
    state.WidthFixup = state.HeightFixup = state.MenuFixup = 3;
    state.ThemeLoaded = true;
    state.ThemeInfo = {"kept"};
    ResetThemeSettings(state);
    EXPECT_FALSE(state.Elements);
    EXPECT_FALSE(state.ShrinkElement);
    EXPECT_EQ(state.TitleColor, 0xFFFFFFu);
    EXPECT_EQ(state.InactiveColor, 0xFFFFFFu);
    EXPECT_FALSE(state.CenterCaption || state.SolidCaption || state.TileMenu || state.ThemeLoaded);
    EXPECT_EQ(state.WidthFixup, 0);
    EXPECT_EQ(state.HeightFixup, 0);
    EXPECT_EQ(state.MenuFixup, 3);
    EXPECT_TRUE(state.AutoExclude && state.WindowZoom);
    EXPECT_EQ(state.ThemeInfo.size(), 1u);
}

}  // namespace
}  // namespace vt
