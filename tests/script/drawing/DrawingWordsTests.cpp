// The drawing and window words against a recording surface and host: operands reach the surface
// in the order written, colours keep all 32 bits, and a word without what it needs ends the run
// with an error instead of crashing.
#include "../ScriptTestSupport.h"

#include <cstdio>
#include <stdexcept>

#include "script/drawing/DrawingContext.h"
#include "theme/ThemeWords.h"

namespace vt {
namespace {

// Records each drawing call as one line; text is Nx10 by 16 pixels, a negative x lies outside
// the clipping region.
class RecordingSurface final : public DrawingSurface {
public:
    std::string log;

    void FillRect(const Rect& r) override { Note("FillRect", r); }
    void Rectangle(const Rect& r) override { Note("Rectangle", r); }
    void MoveTo(std::int32_t x, std::int32_t y) override { Note("MoveTo " + Pair(x, y)); }
    void LineTo(std::int32_t x, std::int32_t y) override { Note("LineTo " + Pair(x, y)); }
    void SetPixel(std::int32_t x, std::int32_t y, Colour c) override { Note("SetPixel " + Pair(x, y) + " " + Hex(c)); }
    Colour GetPixel(std::int32_t x, std::int32_t y) override {
        Note("GetPixel " + Pair(x, y));
        return x < 0 ? kInvalidColour : 0x00112233;
    }
    TextSize TextExtent(const std::string& text) override {
        Note("TextExtent " + text);
        return {std::int32_t(text.size()) * 10, 16};
    }
    void TextOutClipped(std::int32_t, std::int32_t, const Rect&, const std::string&) override { Note("TextOut"); }
    void DrawTextCentred(const Rect&, const std::string&) override { Note("DrawText"); }
    void DrawBitmap(const Bitmap&, std::int32_t, std::int32_t) override { Note("DrawBitmap"); }
    void StretchBitmap(const Bitmap&, const Rect&) override { Note("StretchBitmap"); }
    void TileBitmap(const Bitmap&, const Rect&) override { Note("TileBitmap"); }
    void ExcludeClipRect(const Rect&) override { Note("ExcludeClipRect"); }
    void LimitClipTo(const Rect*, std::size_t) override { Note("LimitClipTo"); }

private:
    static std::string Pair(std::int32_t a, std::int32_t b) { return std::to_string(a) + " " + std::to_string(b); }
    static std::string Hex(Colour c) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%08X", unsigned(c));
        return text;
    }
    void Note(const std::string& line) { log += (log.empty() ? "" : "; ") + line; }
    void Note(const char* what, const Rect& r) {
        Note(std::string(what) + " " + Pair(r.Left, r.Top) + " " + Pair(r.Right, r.Bottom));
    }
};

// Two elements, as a theme's element list would hold them, and windows named by their handle.
class FakeHost final : public DrawingHost {
public:
    Rect ElementRect(std::ptrdiff_t index) const override {
        static const Rect rects[] = {{1, 2, 3, 4}, {10, 20, 30, 40}};
        if (index < 0 || index >= 2) throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
        return rects[index];
    }
    std::string WindowText(std::uintptr_t window) const override {
        return window == 9 ? std::string(300, 'x') : "Window " + std::to_string(window);
    }
};

struct SurfaceRow {
    const char* program;
    const char* outcome;
    const char* calls;
};

class DrawingWordsTest : public ScriptTest {
protected:
    void SetUp() override {
        ScriptTest::SetUp();
        drawing.Host = &host;
        RegisterThemeScriptWords(Engine(), drawing);
    }

    void Restart() {
        StartEngine();
        RegisterThemeScriptWords(Engine(), drawing);
    }

    // Each row on a fresh engine with the drawing words.
    void CheckDrawingRows(const std::vector<ScriptRow>& rows) {
        for (const ScriptRow& row : rows) {
            Restart();
            EXPECT_EQ(Run(row.program), row.outcome) << "program: " << row.program;
        }
    }

    FakeHost host;
    DrawingContext drawing;
    RecordingSurface surface;
};

TEST_F(DrawingWordsTest, SurfaceWordsReachTheSurfaceInTheOrderWritten) {
    const SurfaceRow rows[] = {
        {"1 2 MOVETO 3 4 LINETO", "ok", "MoveTo 1 2; LineTo 3 4"},
        {"5 7 MOVETO 5 7 LINETO", "ok", "MoveTo 5 7; LineTo 5 7"},
        {"1 2 $80000005 PUTPIXEL 3 4 255 PUTPIXEL", "ok", "SetPixel 1 2 0x80000005; SetPixel 3 4 0x000000FF"},
        {"1 2 3 4 RECTANGLE 5 6 7 8 FILLRECT", "ok", "Rectangle 1 2 3 4; FillRect 5 6 7 8"},
        {"1 2 GETPIXEL -1 0 GETPIXEL", "ok 1122867 -1", "GetPixel 1 2; GetPixel -1 0"},
        {"123 TEXTWIDTH", "ok 30", "TextExtent 123"},
        {"\" caption\" TEXTHEIGHT", "ok 16", "TextExtent caption"},
        {"\" 1.5\" \" 2.5\" MOVETO", "ok", "MoveTo 2 2"},
        // Colours are stored as given and read back as the Integer of the same 32 bits.
        {"255 !PENCOLOR @PENCOLOR", "ok 255", ""},
        {"$80000005 !PENCOLOR @PENCOLOR", "ok -2147483643", ""},
        {"2147483650 !BRUSHCOLOR @BRUSHCOLOR", "ok -2147483646", ""},
        {"-1 !BRUSHCOLOR @BRUSHCOLOR", "ok -1", ""},
        {"4294967295 !PENCOLOR @PENCOLOR", "ok -1", ""},
        {"4294967296 !PENCOLOR", "error: Invalid variant type conversion", ""},
        {"\" abc\" !BRUSHCOLOR", "error: Invalid variant type conversion", ""},
        {"1 MOVETO", "error: Stack underflow!", ""},
    };
    for (const SurfaceRow& row : rows) {
        Restart();
        RecordingSurface rowSurface;
        SurfaceScope scope(drawing, rowSurface);
        EXPECT_EQ(Run(row.program), row.outcome) << "program: " << row.program;
        EXPECT_EQ(rowSurface.log, row.calls) << "program: " << row.program;
    }
}

TEST_F(DrawingWordsTest, SystemColoursStayAsGiven) {
    SurfaceScope scope(drawing, surface);
    EXPECT_EQ(Run("$80000005 !PENCOLOR 2147483650 !BRUSHCOLOR"), "ok");
    EXPECT_EQ(surface.PenColour(), 0x80000005u);
    EXPECT_EQ(surface.BrushColour(), 0x80000002u);
    EXPECT_EQ(Run("@PENCOLOR !BRUSHCOLOR"), "ok");
    EXPECT_EQ(surface.BrushColour(), 0x80000005u);
}

TEST_F(DrawingWordsTest, SurfaceWordsWithoutASurfaceEndTheRun) {
    const std::pair<const char*, const char*> rows[] = {
        {"7 TEXTWIDTH", "TEXTWIDTH"},       {"7 TEXTHEIGHT", "TEXTHEIGHT"},
        {"@PENCOLOR", "@PENCOLOR"},         {"0 !PENCOLOR", "!PENCOLOR"},
        {"@BRUSHCOLOR", "@BRUSHCOLOR"},     {"0 !BRUSHCOLOR", "!BRUSHCOLOR"},
        {"1 2 MOVETO", "MOVETO"},           {"1 2 LINETO", "LINETO"},
        {"1 2 3 PUTPIXEL", "PUTPIXEL"},     {"1 2 GETPIXEL", "GETPIXEL"},
        {"1 2 3 4 RECTANGLE", "RECTANGLE"}, {"1 2 3 4 FILLRECT", "FILLRECT"},
    };
    for (const auto& [program, word] : rows) {
        Restart();
        EXPECT_EQ(Run(program), std::string("error: ") + word +
                                    " needs a drawing surface: it works only while the frame of a window is being "
                                    "drawn, measured or hit-tested")
            << "program: " << program;
    }
}

TEST_F(DrawingWordsTest, CurrentAndElementRectangles) {
    CheckDrawingRows({
        {"10 20 30 40 !RECT RECTWIDTH RECTHEIGHT", "ok 20 20"},
        {"10 20 30 45 !RECT @RECT !RECT @RECT", "ok 10 20 30 45"},
        {"1 2 3 4 !RECT @LEFT @TOP @RIGHT @BOTTOM", "ok 1 2 3 4"},
        {"5 !LEFT 6 !TOP 7 !RIGHT 8 !BOTTOM @RECT", "ok 5 6 7 8"},
        {"1 2 3 4 !RECT @LEFT 5 + !LEFT @RECT RECTWIDTH", "ok 6 2 3 4 -3"},
        {": W 10 20 30 40 !RECT RECTWIDTH ; W", "ok 20"},
        {"1 2 3 !RECT", "error: Stack underflow!"},
        {"1 RECTLEFT 1 RECTTOP 1 RECTRIGHT 1 RECTBOTTOM", "ok 10 20 30 40"},
        {"1 CONSTANT close close RECTLEFT 0 RECTLEFT", "ok 10 1"},
        {"2 RECTLEFT", "error: List index out of bounds (2)"},
        {"-1 RECTBOTTOM", "error: List index out of bounds (-1)"},
    });
    drawing.Host = nullptr;
    CheckDrawingRows({
        {"0 RECTTOP", "error: RECTTOP needs the theme's element list, and none is available here"},
    });
}

TEST_F(DrawingWordsTest, WindowWords) {
    struct Row {
        std::uint32_t style;
        bool active;
        const char* program;
        const char* outcome;
    };
    const Row rows[] = {
        {0x80000000u, false, "WINDOWSTYLE", "ok -2147483648"},
        {0x00CF0000u, false, "WINDOWSTYLE WS_SYSMENU AND", "ok 524288"},
        {0x80080000u, false, "WINDOWSTYLE WS_SYSMENU AND", "ok 524288"},
        {0x00C00000u, false, "WINDOWSTYLE WS_SYSMENU AND", "ok 0"},
        {0xFFF7FFFFu, false, "WINDOWSTYLE WS_SYSMENU AND", "ok 0"},
        {0, true, "WINDOWACTIVE", "ok 1"},
        {0, false, "WINDOWACTIVE", "ok 0"},
    };
    for (const Row& row : rows) {
        Restart();
        drawing.WindowStyle = row.style;
        drawing.IsActive = row.active;
        EXPECT_EQ(Run(row.program), row.outcome) << "program: " << row.program;
    }
}

TEST_F(DrawingWordsTest, WindowTextIsEmptyWithoutAWindowOrHost) {
    EXPECT_EQ(Run("WINDOWTEXT"), "ok \"\"");
    drawing.Window = 7;
    EXPECT_EQ(Run("WINDOWTEXT"), "ok \"\" \"Window 7\"");
    drawing.Window = 9;
    ClearStacks();
    EXPECT_EQ(Run("WINDOWTEXT"), "ok \"" + std::string(255, 'x') + "\"");
    drawing.Host = nullptr;
    ClearStacks();
    EXPECT_EQ(Run("WINDOWTEXT"), "ok \"\"");
}

TEST_F(DrawingWordsTest, StyleConstantsTakeTheElementCodesMasks) {
    CheckDrawingRows({
        {"WS_BORDER WS_CAPTION WS_TITLE", "ok 8388608 12582912 12582912"},
        {"WS_MINIMIZE WS_REDUCE WS_MAXIMIZE WS_ZOOM", "ok 131072 131072 65536 65536"},
        {"WS_SYSMENU WS_CLOSE WS_TOPLEFT WS_ERROR", "ok 524288 524288 262144 0"},
        // Above 2147483647 the compiler makes the number a Real.
        {"WS_CLIENT WS_SHRINKFLIP", "ok 4294967295.0 4294967295.0"},
    });
}

}  // namespace
}  // namespace vt
