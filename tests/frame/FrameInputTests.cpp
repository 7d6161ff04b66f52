// The frame's pointer logic without windows: what lies under a point (the hit test's element
// walk) and the hover and pressed-button state machine, with a recording repaint sink.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestElements.h"
#include "frame/ElementGeometry.h"
#include "frame/FrameHit.h"
#include "frame/FrameInput.h"
#include "script/Engine.h"
#include "theme/ThemeState.h"
#include "theme/ThemeWords.h"

namespace vt {
namespace {

class FrameInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateThemeStructures(theme);
        RegisterThemeScriptWords(theme);
        theme.MenuFont.size = 8;  // a 15-pixel menu strip at 96 dpi
    }
    void TearDown() override { ReleaseThemeStructures(theme); }
    void Interpret(const std::string& line) { theme.Scripts->Interpret(line); }
    TDefinition* FindWord(const std::string& name) { return theme.Scripts->FindWord(name); }
    // The value of a script VARIABLE.
    std::int32_t Fetch(const std::string& variable) {
        Interpret(variable + " @");
        const std::int32_t value = theme.Scripts->DataStack().At(0).ToInteger();
        theme.Scripts->ClearStacks();
        return value;
    }
    TUIElement& Add(const char* first, const char* second, std::int32_t code, bool inverted = false,
                    std::uint32_t mask = 0xFFFFFFFF) {
        TUIElement& e = theme.Elements->Append() = test::Element(first, second, code, mask);
        e.Inverted = inverted;
        return e;
    }
    ThemeState theme;
};

// Every repaint request, as "first,second".
struct RecordedRepaints final : RepaintRequests {
    void Repaint(std::intptr_t first, std::intptr_t second) override {
        calls.push_back(std::to_string(first) + "," + std::to_string(second));
    }
    std::vector<std::string> calls;
};

TEST_F(FrameInputTest, HitTestWalk) {
    // On a 200 x 100 window.
    Add("TL:0,0", "TR:0,20", 2);                  // 0: the caption bar
    Add("TR:-20,2", "TR:-4,18", 256);             // 1: close, over the caption
    Add("TL:0,0", "BR:0,0", 18, true);            // 2: inverted border: only where nothing else is
    Add("TL:4,20", "BR:-4,-4", 1);                // 3: client
    Add("TL:2,2", "TL:18,18", 267);               // 4: icon
    Add("TL:30,2", "TL:60,18", 266);              // 5: title
    Add("TL:100,50", "TL:120,60", 257, false, 0); // 6: never applies (style mask 0)
    struct Row {
        const char* what;
        int x, y;
        bool menu;
        std::int32_t code;
        std::ptrdiff_t index;
    } rows[] = {
        {"a later element wins over an earlier one", 190, 10, false, 256, 1},
        {"the right edge counts as inside", 196, 10, false, 256, 1},
        {"the bottom edge counts as inside", 190, 18, false, 256, 1},
        {"one past both edges is the caption again", 197, 19, false, 2, 0},
        {"an inverted element does not take over a match", 50, 10, false, 2, 5},
        {"an inverted element fills an empty result", 2, 60, false, 18, 2},
        {"client", 100, 60, false, 1, 3},
        {"ICON answers as the system menu", 10, 10, false, 3, 4},
        {"TITLE answers as the caption", 40, 10, false, 2, 5},
        {"a style that lacks the mask's bits: not there", 110, 55, false, 1, 3},
        {"menu strip at the client's top", 100, 20, true, kCodeMenuBar, 3},
        {"menu strip, its last row", 100, 35, true, kCodeMenuBar, 3},
        {"below the strip", 100, 36, true, 1, 3},
        {"no menu: no strip", 100, 25, false, 1, 3},
        {"outside the window", 300, 300, false, 0, -1},
    };
    for (const Row& row : rows) {
        FrameHit hit = HitTestElements(theme, 0x00CF0000, 200, 100, row.x, row.y, row.menu);
        EXPECT_EQ(hit.code, row.code) << row.what;
        EXPECT_EQ(hit.index, row.index) << row.what;
    }
    FrameHit child = HitTestElements(theme, 0x40000000 | 0x00CF0000, 200, 100, 100, 25, true);
    EXPECT_EQ(child.code, 1) << "a child window has no menu strip";
    ThemeState none;
    EXPECT_EQ(HitTestElements(none, 0, 200, 100, 1, 1, true).code, 0);
}

TEST_F(FrameInputTest, HoverRunsItsWordsOncePerChange) {
    Interpret("VARIABLE log  0 log !");
    // Each word shifts a digit into log: enter of 0 is 1, exit of 0 is 2, enter of 1 is 3, ...
    Interpret(": in0 log @ 10 * 1 + log ! ;  : out0 log @ 10 * 2 + log ! ;");
    Interpret(": in1 log @ 10 * 3 + log ! ;  : out1 log @ 10 * 4 + log ! ;");
    TUIElement& a = Add("TL:0,0", "TL:9,9", 256);
    TUIElement& b = Add("TL:10,0", "TL:19,9", 257);
    TUIElement& plain = Add("TL:20,0", "TL:29,9", 2);
    a.OnMouseEnter = FindWord("in0");
    a.OnMouseExit = FindWord("out0");
    b.OnMouseEnter = FindWord("in1");
    b.OnMouseExit = FindWord("out1");
    b.HoverBitmap = reinterpret_cast<Bitmap*>(&b);  // only compared with null
    FrameInput input;
    auto log = [this] { return Fetch("log"); };
    EXPECT_FALSE(input.MoveHover(*theme.Scripts, &a, 0).repaint) << "no hover bitmap on either side";
    EXPECT_EQ(log(), 1);
    EXPECT_FALSE(input.MoveHover(*theme.Scripts, &a, 0).repaint);
    EXPECT_EQ(log(), 1) << "the same element again runs nothing";
    FrameInput::HoverMove move = input.MoveHover(*theme.Scripts, &b, 1);
    EXPECT_TRUE(move.repaint);
    EXPECT_EQ(move.oldIndex, 0);
    EXPECT_EQ(log(), 123);
    EXPECT_FALSE(input.MoveHover(*theme.Scripts, nullptr, -1).repaint) << "nowhere keeps the hover";
    EXPECT_EQ(input.Hovered(), &b);
    EXPECT_TRUE(input.MoveHover(*theme.Scripts, &plain, 2).repaint) << "leaving an element with a hover bitmap";
    EXPECT_EQ(log(), 1234);
    EXPECT_FALSE(a.Hover || b.Hover);
    EXPECT_TRUE(plain.Hover);
    EXPECT_TRUE(input.ForgetHovered());
    EXPECT_FALSE(input.ForgetHovered()) << "nothing left to forget";
    EXPECT_EQ(input.HoveredIndex(), 2) << "the index stays";
}

TEST_F(FrameInputTest, PressedLookFollowsThePointer) {
    Add("TL:0,0", "TL:9,9", 256);   // close
    Add("TL:10,0", "TL:19,9", 257); // minimise
    Add("TL:20,0", "TL:29,9", 256); // a second close element
    FrameInput input;
    RecordedRepaints repaints;
    ElementList& elements = *theme.Elements;
    input.TrackPressed(elements, 2, repaints);
    input.ReleasePressed(elements, repaints);
    EXPECT_TRUE(repaints.calls.empty()) << "nothing pressed: nothing to do";

    input.PressElement(elements, 256, repaints);
    EXPECT_EQ(repaints.calls, (std::vector<std::string>{"0,-1", "2,-1"})) << "the two close elements only";
    EXPECT_TRUE(elements.At(0).ShownDown && elements.At(2).ShownDown && !elements.At(1).ShownDown);
    struct Step {
        const char* what;
        std::int32_t hitCode;
        bool shownDown, lookOff;
        std::size_t repaintsAfter;  // repaint requests since the press
    } steps[] = {
        {"still over it: nothing changes", 256, true, false, 0},
        {"moved off: the pressed look goes", 2, false, true, 2},
        {"moved further off: nothing more", 257, false, true, 2},
        {"back on: the pressed look comes back", 256, true, false, 4},
    };
    repaints.calls.clear();
    for (const Step& step : steps) {
        input.TrackPressed(elements, step.hitCode, repaints);
        EXPECT_EQ(elements.At(0).ShownDown, step.shownDown) << step.what;
        EXPECT_EQ(elements.At(2).ShownDown, step.shownDown) << step.what;
        EXPECT_FALSE(elements.At(1).ShownDown) << step.what;
        EXPECT_EQ(input.PressedLookOff(), step.lookOff) << step.what;
        EXPECT_EQ(repaints.calls.size(), step.repaintsAfter) << step.what;
    }
    input.ReleasePressed(elements, repaints);
    EXPECT_EQ(input.PressedCode(), FrameInput::kNone);
    EXPECT_FALSE(elements.At(0).Pressed || elements.At(0).ShownDown || elements.At(2).Pressed);

    // The stand-down's release of all: hovered elements lose their hover, with their exit words.
    Interpret("VARIABLE exits  0 exits !  : out exits @ 1+ exits ! ;");
    elements.At(1).Hover = true;
    elements.At(1).OnMouseExit = FindWord("out");
    repaints.calls.clear();
    input.ReleaseHover(*theme.Scripts, elements, false, true, repaints);
    EXPECT_FALSE(elements.At(1).Hover);
    EXPECT_EQ(repaints.calls, (std::vector<std::string>{"1,-1"}));
    EXPECT_EQ(Fetch("exits"), 1);
}

}  // namespace
}  // namespace vt
