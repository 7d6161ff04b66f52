#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "theme/TextLines.h"
#include "theme/ThemeInspector.h"
#include "theme/ThemeLoader.h"
#include "theme/ThemeTestSupport.h"
#include "theme/icewm/IceWmImporter.h"
#include "theme/icewm/IceWmValues.h"

namespace vt {
namespace {

using Images = std::vector<std::pair<std::string, std::pair<int, int>>>;  // file name, {width, height}

struct IceWmCase {
    const char* name;
    const char* theme;
    Images images;
    std::vector<std::string> records;
    std::vector<std::string> errors;  // a part of each error's message, in order
};

// Element indices when a theme has no frame images and its dialog border differs from the
// sizable one: 0-7 the drawn frame, 8-15 the corner zones, 16 the dialogs' border fill, 17-24
// the dialog frame, 25 the title strip, then the title pieces, the caption, the buttons (a menu
// button followed by the icon over it) and the client.
const IceWmCase kCases[] = {
    {"buttons: the right letters inwards from the right, a blank leaves a pixel, a letter of both sides goes "
     "right, depth and unsupported letters take no room; the menu button is square for the program's icon",
     "Look=pixmap\nTitleBarHeight=10\nBorderSizeX=3\nBorderSizeY=3\nTitleButtonsSupported=\"xmisd\"\n"
     "TitleButtonsLeft=\"dsxh\"\nTitleButtonsRight=\"x m\"\n",
     {{"closeA.xpm", {8, 20}}, {"maximizeA.xpm", {6, 20}}, {"menuButtonA.xpm", {5, 20}}},
     {"element 26 code=2 c1=13,3 c2=-18,13", "element 27 code=3 c1=3,3 c2=13,13 normal=menuButtonA",
      "element 28 code=267 c1=3,3 c2=13,13",
      "element 29 code=256 c1=-11,3 a1=0x09 c2=-3,13 normal=closeA down=closeA-down",
      "element 30 code=258 c1=-18,3 c2=-12,13", "element 31 code=1 c1=3,13 c2=-3,-3", "!element 32", "!shrink"},
     {}},
    {"stacked states: normal over pressed, the rollover image as hover with its lower half pressed, the "
     "inactive image under its other name; roll-up shrinks to the title bar; a gradient is stretched",
     "Look=metal\nTitleBarHeight=12\nRolloverButtonsSupported=1\nTitleButtonsLeft=\"\"\nTitleButtonsRight=\"rx\"\n"
     "TitleButtonsSupported=xr\nGradients=\"menubg.xpm titleAT.xpm\"\n",
     {{"closeA.xpm", {10, 24}}, {"closeO.xpm", {10, 24}}, {"close.xpm", {10, 24}}, {"rollupA.xpm", {9, 30}},
      {"titleAT.xpm", {4, 12}}},
     {"bitmap 38 name=closeA-down file=closeA.xpm size=10x12",
      "element 25 code=266 a1=0x85 c1=6,6 c2=-6,18 normal=titleAT",
      "element 27 code=270 c1=-15,6 c2=-6,18 normal=rollupA down=rollupA-down hover=-",
      "element 28 code=256 c1=-25,6 c2=-15,18 normal=closeA down=closeO-down inactive=closeI hover=closeO",
      "shrink c1=0,0 c2=0,18", "settings widthfixup=16 heightfixup=28"},
     {}},
    {"a button image of an odd height is an error naming it; the button is drawn instead",
     "Look=pixmap\nTitleBarHeight=14\nTitleButtonsLeft=\"\"\nTitleButtonsRight=x\n", {{"closeA.xpm", {10, 25}}},
     {"element 27 code=256 c1=-20,6 c2=-6,20 normal=drawn-close down=drawn-close-down"},
     {"closeA.xpm: a height of 25 pixels is not two stacked states"}},
    {"a pixmap look with frame pieces missing draws the frame in the border colours: no error",
     "Look=flat\nColorActiveBorder=\"rgb:10/20/30\"\nColorNormalBorder=#405060\n", {{"frameATL.xpm", {6, 26}}},
     {"element 0 code=13 c1=0,0 c2=6,6 normal=drawn-frameATL inactive=drawn-frameITL",
      "element 1 code=12 c1=6,0 c2=-6,6 a1=0x45 normal=drawn-frameAT", "element 4 code=11 c1=-6,6 c2=0,-6"},
     {}},
    {"absurd and bad values are errors of their lines, and the defaults stand",
     "Look=fancy\nTitleBarHeight=100000\nBorderSizeX=-1\nColorActiveTitleBar=\"rgb:zz/00/00\"\nTitleBarJustify=50\n"
     "TitleButtonsLeft=\"\"\nTitleButtonsRight=\"\"\n",
     {},
     {"element 26 code=2 c2=-6,26", "element 27 code=1 c1=6,26 c2=-6,-6", "settings centercaption=1"},
     {"Look=fancy is not one of IceWM's looks", "BorderSizeX=-1 is out of range",
      "TitleBarHeight=100000 is out of range (0 to 128)", "ColorActiveTitleBar=rgb:zz/00/00 is not a colour"}},
    {"win95: buttons three pixels narrower than the title bar, the title text colours; dialogs with the same "
     "borders need no fill",
     "Look=win95\nTitleBarHeight=20\nBorderSizeX=2\nBorderSizeY=2\nTitleButtonsLeft=\"\"\nTitleButtonsRight=\"x\"\n"
     "ColorActiveTitleBarText=\"rgb:FF/FF/00\"\nColorNormalTitleBarText=\"grey50\"\nTitleFontName=\"-adobe-helvetica-"
     "bold-r-normal--16-*-*-*-*-*-*-*\"\n",
     {{"close.xpm", {8, 7}}},
     {"element 16 code=18 inverted=1 c1=0,0 c2=2,2 normal=drawn-dframeATL", "element 26 code=256 c1=-19,2 c2=-2,22",
      "font title face=Arial size=12 color=0x0000FFFF bold=1", "font inactive color=0x007F7F7F"},
     {}},
};

TEST(IceWmImporter, Layout) {
    for (const IceWmCase& row : kCases) {
        SCOPED_TRACE(row.name);
        test::TempFolder folder;
        test::WriteFile(folder / "default.theme", row.theme);
        for (const auto& image : row.images)
            test::WriteFile(folder / image.first, test::SolidXpm(image.second.first, image.second.second, "#405060"));
        test::FreshTheme fresh;
        std::vector<ThemeLoadError> errors;
        LoadThemeFile(folder / "default.theme", fresh.state, [&](const ThemeLoadError& e) { errors.push_back(e); });
        EXPECT_TRUE(test::HasRecords(DumpThemeState(fresh.state), row.records));
        ASSERT_EQ(errors.size(), row.errors.size()) << FormatCheckReport("default.theme", errors);
        for (std::size_t i = 0; i < errors.size(); ++i)
            EXPECT_NE(errors[i].message.find(row.errors[i]), std::string::npos) << errors[i].message;
    }
}

// IceWM themes and ours are both .theme files: what the lines hold decides.
TEST(IceWmImporter, ToldFromOurThemesAndFromOtherKeyValueFiles) {
    const std::pair<const char*, bool> rows[] = {
        {"Look=pixmap\n", true},
        {"# comment\n  TitleBarHeight = 20 # 0-128\n", true},
        {"ThemeDescription=\"Win95  style theme\"\n", true},
        {"[LAYOUT]\nLook=pixmap\n", false},             // a section: ours
        {"[INFO]\nTitleBarHeight=20\n", false},
        {"NAME=\"Debian GNU/Linux\"\nID=debian\n", false},  // key=value, but not IceWM's
        {"titlebarheight=20\n", false},                   // IceWM's keys mind case
        {"", false},
    };
    for (const auto& [text, icewm] : rows) EXPECT_EQ(LooksLikeIceWmTheme(SplitLines(text)), icewm) << text;
}

TEST(IceWmImporter, ValuesAsIceWmReadsThem) {
    const IceWmValues values(SplitLines("A=\"quoted \\\" value\" trailing\n"
                                        "B = word # comment\n"
                                        "C='single # quoted'\n"
                                        "D=back\\ slash\n"
                                        "B=second\n"
                                        "E=first,second\n"
                                        "#F=commented\n"
                                        "G \n"
                                        "H=\n"));
    const std::pair<const char*, const char*> rows[] = {
        {"A", "quoted \" value"}, {"B", "second"}, {"C", "single # quoted"}, {"D", "back slash"},
        {"E", "first"}, {"F", ""}, {"G", ""}, {"H", ""},
    };
    for (const auto& [key, text] : rows) EXPECT_EQ(values.Find(key).text, text) << key;
    EXPECT_EQ(values.Find("B").line, 5);
    EXPECT_TRUE(values.Has("H"));
    EXPECT_FALSE(values.Has("G"));
}

// What a theme picker or vtctl sees for a file that is no theme, and what the module does with it.
TEST(IceWmImporter, AFileWithoutFrameElementsIsRefusedAndNotLoaded) {
    test::TempFolder folder;
    for (const char* text : {"myhost\n", "[INFO]\nonly a description\n", "NAME=Debian\n"}) {
        SCOPED_TRACE(text);
        test::WriteFile(folder / "x.theme", text);
        ThemeState state;
        ThemeInspector inspector(state);
        inspector.Load(folder / "x.theme");
        EXPECT_EQ(inspector.CheckReport(),
                  folder / "x.theme" + ":0: no frame elements: not a theme this module can read\n");
        EXPECT_FALSE(state.ThemeLoaded);
    }
}

}  // namespace
}  // namespace vt
