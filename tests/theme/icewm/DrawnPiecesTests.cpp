#include <gtest/gtest.h>

#include "theme/icewm/DrawnPieces.h"

namespace vt {
namespace {

constexpr Colour kFace = MakeColour(0xC0, 0xC0, 0xC0), kLight = MakeColour(0xFF, 0xFF, 0xFF),
                 kDark = MakeColour(0x80, 0x80, 0x80), kBlack = 0;

// The pieces of a 3 x 2 border cut from one bevelled frame: each edge line ends up in the piece
// the window shows it in.
TEST(DrawnPieces, FramePiecesCarryTheBevelTheyShow) {
    struct Row {
        const char* what;
        Bevel bevel;
        const Bitmap DrawnFrame::*piece;
        int x, y;
        Colour expected;
    };
    const Row rows[] = {
        {"windows: light outer top-left", Bevel::Windows, &DrawnFrame::topLeft, 0, 0, kLight},
        {"windows: face inside the top-left", Bevel::Windows, &DrawnFrame::topLeft, 2, 1, kFace},
        {"windows: light top line tiled", Bevel::Windows, &DrawnFrame::top, 0, 0, kLight},
        {"windows: black outer right", Bevel::Windows, &DrawnFrame::right, 2, 0, kBlack},
        {"windows: dark inner right", Bevel::Windows, &DrawnFrame::right, 1, 0, kDark},
        {"windows: black outer bottom", Bevel::Windows, &DrawnFrame::bottom, 0, 1, kBlack},
        {"windows: dark inner bottom", Bevel::Windows, &DrawnFrame::bottom, 0, 0, kDark},
        {"windows: black corner", Bevel::Windows, &DrawnFrame::bottomRight, 2, 1, kBlack},
        {"motif: light outer left", Bevel::Motif, &DrawnFrame::left, 0, 0, kLight},
        {"motif: dark sunken inner left", Bevel::Motif, &DrawnFrame::left, 2, 0, kDark},
        {"motif: light sunken inner right", Bevel::Motif, &DrawnFrame::right, 0, 0, kLight},
        {"motif: dark outer right", Bevel::Motif, &DrawnFrame::right, 2, 0, kDark},
        {"flat: face everywhere", Bevel::Flat, &DrawnFrame::topRight, 2, 0, kFace},
    };
    for (const Row& row : rows) {
        const DrawnFrame frame = DrawFrame(3, 2, kFace, row.bevel);
        EXPECT_EQ(frame.topLeft.Width(), 3);
        EXPECT_EQ(frame.top.Width(), 1);
        EXPECT_EQ(frame.left.Height(), 1);
        EXPECT_EQ((frame.*row.piece).GetPixel(row.x, row.y), row.expected) << row.what;
    }
}

// The theme's image sits in the middle of the face with its see-through pixels left out, one
// pixel down and right when pressed; without one our glyph is drawn in the ink.
TEST(DrawnPieces, ButtonsShowTheImageOrOurGlyph) {
    Bitmap image;
    image.SetSize(2, 2);
    image.SetPixel(0, 0, MakeColour(255, 0, 0));
    image.SetPixel(1, 1, MakeColour(255, 0, 255));
    image.SetTransparent(true);
    image.SetTransparentColor(MakeColour(255, 0, 255));
    ButtonLook look;
    look.face = kFace;
    const Bitmap up = DrawButton(8, 8, look, &image, Glyph::Close);
    EXPECT_EQ(up.GetPixel(3, 3), MakeColour(255, 0, 0));
    EXPECT_EQ(up.GetPixel(4, 4), kFace) << "a see-through pixel shows the face";
    EXPECT_EQ(up.GetPixel(0, 0), kLight) << "raised";
    look.pressed = true;
    const Bitmap down = DrawButton(8, 8, look, &image, Glyph::Close);
    EXPECT_EQ(down.GetPixel(4, 4), MakeColour(255, 0, 0));
    EXPECT_EQ(down.GetPixel(0, 0), kBlack) << "sunken";

    look.pressed = false;
    look.ink = MakeColour(0, 0, 255);
    const Bitmap glyph = DrawButton(16, 16, look, nullptr, Glyph::Close);
    int inked = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) inked += glyph.GetPixel(x, y) == look.ink;
    EXPECT_GT(inked, 4);
    EXPECT_EQ(glyph.GetPixel(8, 7), look.ink) << "the cross meets in the middle";
}

}  // namespace
}  // namespace vt
