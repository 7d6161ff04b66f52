// Element rectangles from their corners, OnCalcRect, and the client rectangle.
#include <gtest/gtest.h>

#include "TestElements.h"
#include "frame/ElementGeometry.h"
#include "script/Engine.h"
#include "theme/ThemeState.h"
#include "theme/ThemeWords.h"

namespace vt {
namespace {

using test::Element;

TEST(ElementGeometry, EveryAnchorCombination) {
    // On a 200 x 100 window at 100 %, 150 % and 200 %: offsets scale (halves away from zero), the
    // window's own size does not.
    struct Row {
        const char *first, *second;
        Rect at96, at144, at192;
    } rows[] = {
        {"TL:2,3", "TL:10,20", {2, 3, 10, 20}, {3, 5, 15, 30}, {4, 6, 20, 40}},
        {"TR:-4,0", "BR:0,0", {196, 0, 200, 100}, {194, 0, 200, 100}, {192, 0, 200, 100}},  // a right border
        {"BL:8,-4", "BR:-8,0", {8, 96, 192, 100}, {12, 94, 188, 100}, {16, 92, 184, 100}},  // a bottom border
        {"TR:-22,5", "TR:-6,21", {178, 5, 194, 21}, {167, 8, 191, 32}, {156, 10, 188, 42}},  // a button
        {"BR:-12,-12", "BR:0,0", {188, 88, 200, 100}, {182, 82, 200, 100}, {176, 76, 200, 100}},
        {"BL:0,-30", "TR:0,30", {0, 70, 200, 30}, {0, 55, 200, 45}, {0, 40, 200, 60}},  // inverted sides stay
    };
    for (const Row& row : rows) {
        TUIElement e = Element(row.first, row.second);
        EXPECT_EQ(AnchoredRect(e, 200, 100), row.at96) << row.first << " " << row.second;
        EXPECT_EQ(AnchoredRect(e, 200, 100, 144), row.at144) << row.first << " " << row.second << " at 150 %";
        EXPECT_EQ(AnchoredRect(e, 200, 100, 192), row.at192) << row.first << " " << row.second << " at 200 %";
    }
    // Absurd corners wrap instead of overflowing.
    TUIElement huge = Element("TR:2147483647,0", "BR:0,0");
    EXPECT_EQ(AnchoredRect(huge, 10, 10).Left, std::int32_t(std::uint32_t(2147483647) + 10u));
}

class ScriptedGeometry : public ::testing::Test {
protected:
    void SetUp() override {
        CreateThemeStructures(theme);
        RegisterThemeScriptWords(theme);
    }
    void TearDown() override { ReleaseThemeStructures(theme); }
    ThemeState theme;
};

TEST_F(ScriptedGeometry, OnCalcRectMovesTheElementAndEmptiesTheStacks) {
    theme.Scripts->Interpret(": nudge @LEFT 5 + !LEFT 99 ;");
    TUIElement& e = theme.Elements->Append() = Element("TL:10,0", "TL:20,10");
    e.OnCalcRect = theme.Scripts->FindWord("nudge");
    ComputeElementRect(theme, e, 100, 100);
    EXPECT_EQ(e.Rect, (Rect{15, 0, 20, 10}));
    EXPECT_EQ(theme.Scripts->DataStack().Size(), 0u);
}

TEST_F(ScriptedGeometry, ClientRectangle) {
    theme.Elements->Append() = Element("TL:0,0", "TL:5,5", kCodeClient, 0x00C00000);  // for captioned windows only
    theme.Elements->Append() = Element("TL:4,26", "BR:-4,-4", kCodeClient);
    theme.Elements->Append() = Element("TL:1,1", "BR:-1,-1", kCodeClient);  // never reached: the first applying one wins
    theme.MenuFont.size = 8;  // 11 pixels high at 96 dpi
    struct Row {
        std::uint32_t style;
        bool menuBar;
        Rect expected;
    } rows[] = {
        {0x00CF0000, false, {0, 0, 5, 5}},
        {0x00040000, false, {4, 26, 196, 96}},
        {0x00040000, true, {4, 26 + 15, 196, 96}},
        {0x40040000, true, {4, 26, 196, 96}},  // a child window has no menu bar
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ComputeClientRect(theme, row.style, 200, 100, row.menuBar), row.expected) << std::hex << row.style;
    }
    ThemeState none;
    EXPECT_EQ(ComputeClientRect(none, 0, 200, 100, true), (Rect{0, 15, 0, 0})) << "no theme: only the menu strip";
}

}  // namespace
}  // namespace vt
