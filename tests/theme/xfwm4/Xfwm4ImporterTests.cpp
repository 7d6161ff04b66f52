#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "theme/CurrentDirectoryGuard.h"
#include "theme/ThemeInspector.h"
#include "theme/ThemeLoader.h"
#include "theme/ThemeTestSupport.h"
#include "theme/import/SymbolicColours.h"
#include "theme/import/ThemeColourSymbols.h"
#include "theme/xfwm4/Xfwm4Importer.h"

namespace vt {
namespace {

using Images = std::vector<std::pair<std::string, std::pair<int, int>>>;  // base name, {width, height}

// Frame pieces of the usual xfwm4 shape: 4x20 top corners and title pieces, 2-wide sides and a
// 3-high bottom.
Images FrameAnd(Images more) {
    Images frame = {{"top-left-active", {4, 20}}, {"top-right-active", {4, 20}}, {"left-active", {2, 1}},
                    {"right-active", {2, 1}},     {"bottom-active", {1, 3}},     {"bottom-left-active", {2, 3}},
                    {"bottom-right-active", {2, 3}}};
    for (int n = 1; n <= 5; ++n) frame.push_back({"title-" + std::to_string(n) + "-active", {2, 20}});
    more.insert(more.begin(), frame.begin(), frame.end());
    return more;
}

struct Xfwm4Case {
    const char* name;
    const char* themerc;
    Images images;
    std::vector<std::string> records;
    std::size_t errors;
};

class Xfwm4ImporterTest : public ::testing::Test {
protected:
    void Check(const Xfwm4Case& row) {
        SCOPED_TRACE(row.name);
        test::TempFolder folder;
        test::WriteFile(folder / "themerc", row.themerc);
        for (const auto& image : row.images)
            test::WriteFile(folder / (image.first + ".xpm"), test::SolidXpm(image.second.first, image.second.second, "#405060"));
        test::FreshTheme fresh;
        std::vector<ThemeLoadError> errors;
        LoadThemeFile(folder / "themerc", fresh.state, [&](const ThemeLoadError& e) { errors.push_back(e); });
        EXPECT_TRUE(test::HasRecords(DumpThemeState(fresh.state), row.records));
        EXPECT_EQ(errors.size(), row.errors) << FormatCheckReport("themerc", errors);
    }
};

// Element indices: 0-6 frame pieces, 7 the title-3 strip, 8-11 title-1, -2, -4, -5, 12 caption,
// (13 the top sizing strip when frame_border_top is set), then the client and the buttons.
const Xfwm4Case kCases[] = {
    {"default layout O|SHMC; missing shade and hide images are skipped, not errors", "button_offset=1\n",
     FrameAnd({{"menu-active", {16, 16}}, {"maximize-active", {16, 16}}, {"close-active", {16, 16}}}),
     {"element 14 code=3 c1=3,2 c2=19,18", "element 15 code=258 c1=-35,2 a1=0x09 c2=-19,18",
      "element 16 code=256 c1=-19,2 c2=-3,18", "!shrink", "element 12 code=2 c1=19,0 c2=-35,20",
      "settings widthfixup=8 heightfixup=27 centercaption=1 autoexclude=1"},
     0},
    {"the title in the middle: the last letter sits at the edge, spacing between, letters once",
     "button_layout=c|ocm\nbutton_spacing=2\ntitle_alignment=left\n",
     FrameAnd({{"menu-active", {10, 20}}, {"maximize-active", {10, 20}}, {"close-active", {10, 20}},
               {"close-prelight", {10, 20}}, {"close-pressed", {10, 20}}}),
     {"element 14 code=256 c1=2,0 c2=12,20 hover=close-prelight down=close-pressed",
      "element 15 code=3 c1=-24,0 c2=-14,20", "element 16 code=258 c1=-12,0 c2=-2,20", "!element 17",
      "element 8 c1=12,0 c2=14,20", "element 11 c1=-26,0 c2=-24,20", "settings centercaption=0"},
     0},
    {"no bar: every button on the left; shade is roll-up to the title bar; frame_border_top sizes",
     "button_layout=SC\nframe_border_top=3\n", FrameAnd({{"shade-active", {8, 8}}, {"close-active", {8, 8}}}),
     {"element 13 code=12 c1=4,0 c2=-4,3 noimage=1", "element 15 code=270 c1=2,6 c2=10,14",
      "element 16 code=256 c1=10,6", "shrink c1=0,0 a1=0x05 c2=0,20 a2=0x09"},
     0},
    {"text colours: X forms set the font, GTK names leave it; offsets move the caption",
     "active_text_color=#102030\ninactive_text_color=active_text_color_2\ntitle_horizontal_offset=5\n"
     "title_vertical_offset_active=2\nbutton_layout=|\n",
     FrameAnd({}), {"font title color=0x00302010", "font inactive color=0x00000000", "element 12 c1=9,2 c2=-4,20"}, 0},
    {"bad numbers are errors of their line; the rest loads", "button_layout=C|\nbutton_offset=two\nbutton_spacing=99999\n",
     FrameAnd({{"close-active", {8, 8}}}), {"element 14 code=256 c1=2,6"}, 2},
    {"no images at all: an empty frame around a client area", "button_layout=O|C\n", {},
     {"element 0 code=13 normal=- c1=0,0 c2=0,0", "element 13 code=1 c1=0,0 c2=0,0", "!element 14",
      "settings widthfixup=4 heightfixup=4"},
     0},
};

TEST_F(Xfwm4ImporterTest, Layout) {
    for (const Xfwm4Case& row : kCases) Check(row);
}

// kwm and xfwm4 both write a themerc: which importer reads it is decided by what it holds.
TEST(Xfwm4Detection, TellsXfwm4FromKwmByContent) {
    struct Row {
        const char* themerc;
        const char* file;  // an image in the folder, or null
        bool xfwm4;
    };
    const Row rows[] = {
        {"button_layout=O|C\n", nullptr, true},
        {"# only images\n", "title-1-active.png", true},
        {"# only images\n", "close-active.xpm", true},
        {"[General]\nName=empty\n", nullptr, false},
        {"ButtonA=Menu\nbutton_offset=2\n", "close-active.xpm", false},  // a kwm key wins
        {"shapePixmapTop=top.xpm\n", "title-1-active.xpm", false},
        {"[Buttons]\nCloseDownButton=c.xpm\n", nullptr, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.themerc);
        test::TempFolder folder;
        if (row.file) test::WriteFile(folder / row.file, "");
        CurrentDirectoryGuard inFolder(folder.Path());
        std::vector<std::string> lines;
        std::string text = row.themerc;
        for (std::size_t at = 0, end; at < text.size(); at = end + 1) {
            end = text.find('\n', at);
            lines.push_back(text.substr(at, end - at));
        }
        EXPECT_EQ(LooksLikeXfwm4Theme(lines), row.xfwm4);
    }
}

// A damaged PNG costs its own layer: the error names the file, the XPM beneath is still used.
TEST(Xfwm4Import, ADamagedPngIsReportedAndItsXpmStays) {
    test::TempFolder folder;
    test::WriteFile(folder / "themerc", "button_layout=|C\n");
    test::WriteFile(folder / "close-active.xpm", test::SolidXpm(12, 12, "#FF0000"));
    test::WriteFile(folder / "close-active.png", std::string("\x89PNG\r\n\x1a\n", 8) + "garbage");
    test::FreshTheme fresh;
    std::vector<ThemeLoadError> errors;
    LoadThemeFile(folder / "themerc", fresh.state, [&](const ThemeLoadError& e) { errors.push_back(e); });
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].message.find("close-active.png"), std::string::npos) << errors[0].message;
    EXPECT_TRUE(test::HasRecords(DumpThemeState(fresh.state),
                                 {"bitmap 0 name=close-active size=12x12", "element 14 code=256 c1=-12,0"}));
}

// A theme folder X with siblings X-hdpi and X-xhdpi (as Debian's Default has): their images are
// the larger drawings of X's, used at 150 % and 200 %, and follow the colour scheme like them.
TEST(Xfwm4Import, HdpiAndXhdpiSiblingsAreTheLargerDrawings) {
    test::TempFolder themes;
    auto symbolic = [](int side) {
        std::string xpm = "/* XPM */\nstatic char *x[] = {\n\"" + std::to_string(side) + " " + std::to_string(side) +
                          " 1 1\",\n\". c #C0C0FF s active_color_1\",\n";
        for (int row = 0; row < side; ++row) xpm += "\"" + std::string(std::size_t(side), '.') + "\",\n";
        return xpm + "};\n";
    };
    for (const auto& [folder, side] : {std::pair{"X", 12}, {"X-hdpi", 18}, {"X-xhdpi", 24}}) {
        test::WriteFile(themes / (std::string(folder) + "/xfwm4/themerc"), "button_layout=|C\n");
        test::WriteFile(themes / (std::string(folder) + "/xfwm4/close-active.xpm"), symbolic(side));
    }
    test::FreshTheme fresh;
    LoadThemeFile(themes / "X/xfwm4/themerc", fresh.state, {});
    const Bitmap* close = fresh.state.Theme->Items().FindBitmap("close-active");
    ASSERT_NE(close, nullptr);
    struct Row {
        std::int32_t dpi;
        int side;
    } rows[] = {{96, 12}, {119, 12}, {120, 18}, {144, 18}, {168, 24}, {192, 24}};
    for (const Row& row : rows) EXPECT_EQ(close->SourceFor(row.dpi).first->Width(), row.side) << row.dpi;

    struct Scheme final : SystemColourTable {
        Colour Get(SystemColour which) const override { return which == SystemColour::ActiveCaption ? 0x123456 : 0; }
    };
    ApplySystemColours(fresh.state, Scheme{});
    for (std::int32_t dpi : {96, 144, 192})
        EXPECT_EQ(close->SourceFor(dpi).first->GetPixel(1, 1), 0x123456u) << dpi << ": recoloured too";
}

}  // namespace
}  // namespace vt
