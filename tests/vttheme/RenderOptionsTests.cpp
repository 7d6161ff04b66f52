// vttheme render's command line, its choice of elements in a loaded theme, and the sheet layout:
// the portable parts of the preview, tested natively.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ElementChoice.h"
#include "PreviewSheet.h"
#include "RenderOptions.h"
#include "theme/ThemeInspector.h"
#include "theme/ThemeWords.h"

namespace vt {
namespace {

using Args = std::vector<std::string>;

TEST(RenderOptions, ReadsEveryOption) {
    RenderOptions o = ParseRenderOptions({"t.theme", "--size", "640x48", "out.png", "--inactive", "--hover", "close",
                                          "--pressed", "7", "--menu", "&File,&Edit,&View", "--title", "", "--sheet", "--watch"});
    EXPECT_EQ(o.theme, "t.theme");
    EXPECT_EQ(o.out, "out.png");
    EXPECT_EQ(o.width, 640);
    EXPECT_EQ(o.height, 48);
    EXPECT_TRUE(o.inactive);
    EXPECT_TRUE(o.sheet);
    EXPECT_TRUE(o.watch);
    EXPECT_EQ(o.hover, "close");
    EXPECT_EQ(o.pressed, "7");
    EXPECT_EQ(o.menu, (Args{"&File", "&Edit", "&View"}));
    EXPECT_EQ(o.title, "") << "an empty title is a title";

    RenderOptions d = ParseRenderOptions({"t.theme", "out.png"});
    EXPECT_EQ(d.width, 320);
    EXPECT_EQ(d.height, 200);
    EXPECT_FALSE(d.inactive || d.sheet || d.watch);
    EXPECT_TRUE(d.hover.empty() && d.pressed.empty() && d.menu.empty());
}

TEST(RenderOptions, RefusesBadCommandLines) {
    struct Row {
        const char* what;
        Args args;
    };
    const Row rows[] = {
        {"no output", {"t.theme"}},
        {"three paths", {"t.theme", "a.png", "b.png"}},
        {"unknown option", {"t.theme", "a.png", "--zoom"}},
        {"option without its value", {"t.theme", "a.png", "--hover"}},
        {"size without x", {"t.theme", "a.png", "--size", "640"}},
        {"size zero", {"t.theme", "a.png", "--size", "0x10"}},
        {"size negative", {"t.theme", "a.png", "--size", "-5x10"}},
        {"size with a sign", {"t.theme", "a.png", "--size", "+5x10"}},
        {"size too large", {"t.theme", "a.png", "--size", "4097x10"}},
        {"size past 32 bits", {"t.theme", "a.png", "--size", "10x99999999999"}},
        {"size with junk", {"t.theme", "a.png", "--size", "10x10px"}},
        {"empty menu", {"t.theme", "a.png", "--menu", ""}},
        {"empty menu item", {"t.theme", "a.png", "--menu", "&File,,&View"}},
        {"trailing comma", {"t.theme", "a.png", "--menu", "&File,"}},
    };
    for (const Row& row : rows) EXPECT_THROW(ParseRenderOptions(row.args), std::invalid_argument) << row.what;
    EXPECT_NO_THROW(ParseRenderOptions({"t.theme", "a.png", "--size", "4096x4096"})) << "the largest size";
}

TEST(ElementChoice, FindsByIndexNameOrCodeAndNamesWhatIsMissing) {
    ThemeState state;
    ThemeInspector inspector(state);
    inspector.Load(std::string(VT_SOURCE_DIR) + "/tests/vttheme/data/preview.theme", {&RegisterThemeScriptWords});
    ASSERT_TRUE(inspector.Errors().empty()) << inspector.CheckReport();
    const ElementList& elements = *state.Elements;
    struct Row {
        const char* which;
        std::ptrdiff_t expected;  // -1: an error naming `which`
    };
    const Row rows[] = {
        {"0", 0},          {"8", 8},       {"close", 7}, {"MINIMIZE", 8}, {"Caption", 6},  // the name wins
        {"TOPRIGHT", 2},   {"client", 9},  {"10", -1},   {"-1", -1},      {"nothing", -1},
        {"MAXIMIZE", -1},  // a code that no element of the theme has
    };
    for (const Row& row : rows) {
        if (row.expected >= 0) {
            EXPECT_EQ(FindPreviewElement(elements, row.which), row.expected) << row.which;
            continue;
        }
        try {
            FindPreviewElement(elements, row.which);
            ADD_FAILURE() << row.which << ": no error";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(row.which), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(FirstElementWithLook(elements, &TUIElement::HoverBitmap), 7);
    EXPECT_EQ(FirstElementWithLook(elements, &TUIElement::DownBitmap), 7) << "the corners' down look is their normal";
    EXPECT_EQ(FirstElementWithLook(ElementList{}, &TUIElement::HoverBitmap), -1);
}

RgbaImage Filled(int width, int height, std::uint8_t value) {
    return RgbaImage{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 4, value)};
}

TEST(PreviewSheet, PanelsSideBySideWithTransparentGapsAndBelowShorterOnes) {
    RgbaImage sheet = SideBySide({Filled(3, 2, 10), Filled(2, 4, 20), Filled(1, 1, 30)}, 2);
    ASSERT_EQ(sheet.width, 3 + 2 + 2 + 2 + 1);
    ASSERT_EQ(sheet.height, 4);
    struct Row {
        const char* what;
        int x, y;
        std::uint8_t expected;
    };
    const Row rows[] = {
        {"first panel", 0, 0, 10}, {"first panel's corner", 2, 1, 10}, {"below the first panel", 0, 2, 0},
        {"gap", 3, 0, 0},          {"gap", 4, 3, 0},                  {"second panel", 5, 0, 20},
        {"second panel's bottom", 6, 3, 20}, {"third panel", 9, 0, 30}, {"below the third", 9, 1, 0},
    };
    for (const Row& row : rows)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(sheet.Pixel(row.x, row.y)[c], row.expected) << row.what;
}

TEST(PreviewSheet, RefusesWhatItCannotLayOut) {
    EXPECT_THROW(SideBySide({}, 8), std::invalid_argument);
    EXPECT_THROW(SideBySide({RgbaImage{2, 2, std::vector<std::uint8_t>(3)}}, 8), std::invalid_argument);
    // Four of the largest previews are too wide for one image: refused before any allocation.
    const RgbaImage big{kMaxPreviewSide, 1, std::vector<std::uint8_t>(std::size_t(kMaxPreviewSide) * 4)};
    EXPECT_THROW(SideBySide({big, big, big, big}, 8), std::invalid_argument);
    EXPECT_THROW(CheckSheetSize(kMaxPreviewSide, 1, 4, 8), std::invalid_argument) << "asked before painting";
    EXPECT_THROW(CheckSheetSize(2100, 2048, 4, 8), std::invalid_argument) << "too many pixels";
    EXPECT_NO_THROW(CheckSheetSize(1024, 1024, 4, 8));
    EXPECT_THROW(CheckSheetSize(10, 10, 0, 8), std::invalid_argument);
}

}  // namespace
}  // namespace vt
