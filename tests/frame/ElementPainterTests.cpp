// Element painting against a surface that writes down what it is asked to draw.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/ElementGeometry.h"
#include "frame/ElementPainter.h"
#include "script/Engine.h"
#include "script/drawing/DrawingContext.h"
#include "theme/ThemeWords.h"

namespace vt {
namespace {

constexpr std::uint32_t WS_ANY = 0x00CF0000;

class RecordingSurface final : public DrawingSurface {
public:
    void FillRect(const Rect& r) override { Log("fill", r, BrushKind() == BrushStyle::Solid ? BrushColour() : 0xFF); }
    void Rectangle(const Rect& r) override { Log("rectangle", r); }
    void MoveTo(std::int32_t x, std::int32_t y) override { Log("move", {x, y, 0, 0}); }
    void LineTo(std::int32_t x, std::int32_t y) override { Log("line", {x, y, 0, 0}, PenColour()); }
    void SetPixel(std::int32_t x, std::int32_t y, Colour c) override { Log("pixel", {x, y, 0, 0}, c); }
    Colour GetPixel(std::int32_t, std::int32_t) override { return 0; }
    TextSize TextExtent(const std::string& text) override { return {std::int32_t(text.size()) * 6, 13}; }
    void TextOutClipped(std::int32_t x, std::int32_t y, const Rect& clip, const std::string& text) override {
        Log("text '" + text + "' at " + std::to_string(x) + "," + std::to_string(y) + Brush(), clip);
    }
    void DrawTextCentred(const Rect& r, const std::string& text) override { Log("centred '" + text + "'" + Brush(), r); }
    void DrawBitmap(const Bitmap&, std::int32_t x, std::int32_t y) override { Log("bitmap", {x, y, 0, 0}); }
    void StretchBitmap(const Bitmap&, const Rect& r) override { Log("stretch", r); }
    void TileBitmap(const Bitmap&, const Rect& r) override { Log("tile", r); }
    void ExcludeClipRect(const Rect& r) override { Log("exclude", r); }
    void LimitClipTo(const Rect* rects, std::size_t count) override {
        for (std::size_t i = 0; i < count; ++i) Log("limit", rects[i]);
    }

    std::string Brush() const {
        return BrushKind() == BrushStyle::Clear ? " clear" : " solid " + std::to_string(BrushColour());
    }
    void Log(const std::string& what, const Rect& r, Colour c = 0) {
        calls.push_back(what + " " + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," +
                        std::to_string(r.Right) + "," + std::to_string(r.Bottom) + (c ? " #" + std::to_string(c) : ""));
    }
    std::vector<std::string> calls;
};

class NoIcon final : public WindowIconPainter {
public:
    void DrawIcon(DrawingSurface&, const Rect&) override { ++drawn; }
    int drawn = 0;
};

class ElementPainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateThemeStructures(theme);
        RegisterThemeScriptWords(theme);
        normal.SetSize(10, 10);
        down.SetSize(10, 10);
        inactive.SetSize(10, 10);
        hover.SetSize(10, 10);
    }
    void TearDown() override { ReleaseThemeStructures(theme); }
    TUIElement& Add(std::int32_t code, Rect r, std::uint8_t mode = 0) {
        TUIElement& e = theme.Elements->Append();
        e.HitCode = code;
        e.Corner1 = {r.Left, r.Top};
        e.Corner2 = {r.Right, r.Bottom};
        e.Anchor1 = mode;
        e.StyleMask = 0xFFFFFFFF;
        e.NormalBitmap = &normal;
        e.DownBitmap = &down;
        e.InactiveBitmap = &inactive;
        e.HoverBitmap = &hover;
        return e;
    }
    std::vector<std::string> Paint(bool active = true, std::uint32_t style = 0x00CF0000) {
        surface.calls.clear();
        PaintPass pass{theme, surface, icon, 0, 0, 0, 0, false, false, ""};
        pass.width = 200;
        pass.height = 100;
        pass.style = style;
        pass.active = active;
        pass.caption = "Notes";
        PaintElements(pass);
        EXPECT_EQ(theme.Drawing.Surface, nullptr) << "the pass leaves no surface behind";
        return surface.calls;
    }

    ThemeState theme;
    RecordingSurface surface;
    NoIcon icon;
    Bitmap normal, down, inactive, hover;
};

TEST_F(ElementPainterTest, BitmapOfEachState) {
    TUIElement e;
    e.NormalBitmap = &normal;
    e.DownBitmap = &down;
    e.InactiveBitmap = &inactive;
    e.HoverBitmap = &hover;
    struct Row {
        const char* name;
        bool active, shownDown, hovered, hoverHere;
        const Bitmap* expected;
    } rows[] = {
        {"normal", true, false, false, false, &normal},
        {"inactive wins over everything", false, true, true, true, &inactive},
        {"pressed", true, true, true, true, &down},
        {"hovered in the hover window", true, false, true, true, &hover},
        {"hovered, but another window hovers", true, false, true, false, &normal},
    };
    for (const Row& row : rows) {
        e.ShownDown = row.shownDown;
        e.Hover = row.hovered;
        EXPECT_EQ(ChooseBitmap(e, row.active, row.hoverHere), row.expected) << row.name;
    }
    e.DownBitmap = nullptr;
    e.ShownDown = true;
    EXPECT_EQ(ChooseBitmap(e, true, false), nullptr) << "a missing slot is not replaced by another";
}

TEST_F(ElementPainterTest, DrawingModesAndTheMissingBitmapMark) {
    Add(3, {0, 0, 50, 5}, kAnchorStretch);
    Add(3, {0, 0, 25, 10}, kAnchorFill);
    Add(3, {5, 5, 6, 6});
    Add(3, {0, 0, 4, 3}).NormalBitmap = nullptr;               // no bitmap: the mark
    Add(3, {0, 0, 4, 3}).NoImage = true;                        // NONE: nothing
    theme.Elements->At(4).NormalBitmap = nullptr;
    Add(kCodeClient, {0, 0, 4, 3}).NormalBitmap = nullptr;   // the client area: nothing
    std::vector<std::string> expected = {
        "stretch 0,0,50,5",
        "tile 0,0,25,10",
        "bitmap 5,5,0,0",
        "fill 0,0,4,3", "move 0,0,0,0", "line 3,0,0,0 #255", "line 3,2,0,0 #255", "line 0,2,0,0 #255",
        "line 0,0,0,0 #255", "line 3,2,0,0 #255", "move 3,0,0,0", "line 0,2,0,0 #255",
    };
    EXPECT_EQ(Paint(), expected);
}

TEST_F(ElementPainterTest, StyleConditionAndScripts) {
    theme.Scripts->Interpret(": mark 1 2 3 PUTPIXEL ;");
    TUIElement& e = Add(3, {0, 0, 10, 10});
    e.StyleMask = 0x00010000;  // a maximize box
    e.OnPaint = theme.Scripts->FindWord("mark");
    EXPECT_EQ(Paint(true, 0x00C00000), (std::vector<std::string>{"pixel 1,2,0,0 #3"}))
        << "no bitmap where the style fails, but OnPaint runs";
    e.InactiveBitmap = nullptr;
    EXPECT_EQ(Paint(false, 0x00C00000).front(), "fill 0,0,10,10") << "a missing state shows the mark whatever the style";
}

TEST_F(ElementPainterTest, CaptionText) {
    TUIElement& caption = Add(kCodeCaption, {4, 4, 100, 20});
    caption.NoImage = true;
    caption.NormalBitmap = caption.InactiveBitmap = nullptr;
    caption.StyleMask = 0x00010000;  // the text comes whatever the style says
    EXPECT_EQ(Paint(), (std::vector<std::string>{"text 'Notes' at 5,5 clear 4,4,100,20"}));
    theme.SolidCaption = true;
    theme.TitleColor = 0x112233;
    theme.InactiveColor = 0x445566;
    EXPECT_EQ(Paint(false), (std::vector<std::string>{"text 'Notes' at 5,5 solid 4478310 4,4,100,20"}));
    theme.CenterCaption = true;
    EXPECT_EQ(Paint(), (std::vector<std::string>{"centred '  Notes  ' solid 1122867 4,4,100,20"}));
}

TEST_F(ElementPainterTest, CaptionThatDoesNotFitKeepsItsStartAndEndsWithAnEllipsis) {
    TUIElement& caption = Add(kCodeCaption, {10, 4, 0, 20});
    caption.NoImage = true;
    caption.NormalBitmap = nullptr;
    struct Row {
        bool centred;
        std::int32_t right;  // the caption's width is right - 10; the surface's text is 6 px a character
        const char* expected;
    };
    for (const Row& row : {
             Row{false, 41, "text 'Notes' at 11,5 clear 10,4,41,20"},          // 30 px: fits exactly
             Row{false, 40, "text 'N...' at 11,5 clear 10,4,40,20"},           // 29 px: 'No...' is 30
             Row{false, 17, "text '...' at 11,5 clear 10,4,17,20"},            // not even the ellipsis
             Row{true, 64, "centred '  Notes  ' clear 10,4,64,20"},           // 54 px with the padding
             Row{true, 63, "text 'Notes' at 10,4 clear 10,4,63,20"},          // from the left edge
             Row{true, 39, "text 'N...' at 10,4 clear 10,4,39,20"},
         }) {
        theme.CenterCaption = row.centred;
        caption.Corner2 = {row.right, 20};
        EXPECT_EQ(Paint(), (std::vector<std::string>{row.expected})) << row.right;
    }
}

TEST_F(ElementPainterTest, RightAlignedCaptionEndsOnePixelInsideOrIsDrawnAsLeftWhenItDoesNotFit) {
    TUIElement& caption = Add(kCodeCaption, {10, 4, 0, 20});
    caption.NoImage = true;
    caption.NormalBitmap = nullptr;
    theme.RightCaption = true;
    for (const auto& [right, expected] : {std::pair{60, "text 'Notes' at 29,5 clear 10,4,60,20"},
                                          std::pair{41, "text 'Notes' at 11,5 clear 10,4,41,20"},
                                          std::pair{40, "text 'N...' at 11,5 clear 10,4,40,20"}}) {
        caption.Corner2 = {right, 20};
        EXPECT_EQ(Paint(), (std::vector<std::string>{expected})) << right;
    }
}

TEST_F(ElementPainterTest, RepaintDrawsEverythingThatMeetsTheAreaInListOrder) {
    Add(3, {0, 0, 100, 20});    // 0: a title bar under everything
    TUIElement& caption = Add(kCodeCaption, {4, 2, 80, 18});  // 1: the text runs under the button
    caption.NoImage = true;
    caption.NormalBitmap = nullptr;
    Add(20, {70, 4, 82, 16});   // 2: the button
    Add(10, {0, 30, 4, 60});    // 3: a border far away
    PaintPass pass{theme, surface, icon, 0, 100, 60, WS_ANY, true, false, "Notes"};
    surface.calls.clear();
    EXPECT_EQ(RepaintElementArea(pass, 2, -1), (Rect{70, 4, 82, 16}));
    EXPECT_EQ(surface.calls, (std::vector<std::string>{"limit 70,4,82,16", "bitmap 0,0,0,0",
                                                       "text 'Notes' at 5,3 clear 4,2,80,18", "bitmap 70,4,0,0"}));
    surface.calls.clear();
    EXPECT_TRUE(RepaintElementArea(pass, 7, -1).IsEmpty()) << "an index outside the list draws nothing";
    EXPECT_TRUE(surface.calls.empty());
}

}  // namespace
}  // namespace vt
