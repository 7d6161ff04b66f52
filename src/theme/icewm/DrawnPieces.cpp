#include "theme/icewm/DrawnPieces.h"

#include <algorithm>

namespace vt {
namespace {

constexpr Colour kBlack = 0x000000;

void FillRect(Bitmap& b, int x, int y, int w, int h, Colour c) {
    for (int row = y; row < y + h; ++row)
        for (int col = x; col < x + w; ++col) b.SetPixel(col, row, c);
}
void HLine(Bitmap& b, int x1, int x2, int y, Colour c) { FillRect(b, x1, y, x2 - x1 + 1, 1, c); }
void VLine(Bitmap& b, int x, int y1, int y2, Colour c) { FillRect(b, x, y1, 1, y2 - y1 + 1, c); }

// IceWM's Windows-style border around (x, y) .. (x + w, y + h), both ends inside.
void BorderW(Bitmap& b, int x, int y, int w, int h, Colour back, bool raised) {
    const Colour bright = Brighter(back), dark = Darker(back);
    if (raised) {
        HLine(b, x, x + w - 1, y, bright);
        VLine(b, x, y, y + h - 1, bright);
        HLine(b, x, x + w, y + h, kBlack);
        VLine(b, x + w, y, y + h, kBlack);
        HLine(b, x + 1, x + w - 1, y + h - 1, dark);
        VLine(b, x + w - 1, y + 1, y + h - 1, dark);
    } else {
        HLine(b, x + 1, x + w, y + h, bright);
        VLine(b, x + w, y + 1, y + h, bright);
        HLine(b, x, x + w, y, kBlack);
        VLine(b, x, y, y + h, kBlack);
        HLine(b, x + 1, x + w - 1, y + 1, dark);
        VLine(b, x + 1, y + 1, y + h - 1, dark);
    }
}

// IceWM's one-line 3D rectangle around (x, y) .. (x + w, y + h).
void Rect3D(Bitmap& b, int x, int y, int w, int h, Colour back, bool raised) {
    const Colour top = raised ? Brighter(back) : Darker(back), bottom = raised ? Darker(back) : Brighter(back);
    HLine(b, x, x + w, y, top);
    VLine(b, x, y, y + h, top);
    HLine(b, x, x + w, y + h, bottom);
    VLine(b, x + w, y, y + h, bottom);
    b.SetPixel(x + w, y, back);
    b.SetPixel(x, y + h, back);
}

Bitmap Part(const Bitmap& source, int x, int y, int w, int h) {
    Bitmap part;
    part.SetSize(w, h);
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col) part.SetPixel(col, row, source.GetPixel(x + col, y + row));
    return part;
}

void DrawImage(Bitmap& target, const Bitmap& image, int x, int y) {
    const bool keyed = image.Transparent();
    const Colour key = image.TransparentColor();
    for (int row = 0; row < image.Height(); ++row)
        for (int col = 0; col < image.Width(); ++col) {
            const Colour c = image.GetPixel(col, row);
            if (!keyed || c != key) target.SetPixel(x + col, y + row, c);
        }
}

void DrawGlyph(Bitmap& b, int x, int y, int size, Glyph glyph, Colour ink) {
    const int s = size, last = s - 1;
    switch (glyph) {
    case Glyph::Close:
        for (int i = 0; i < s; ++i) {
            FillRect(b, x + i, y + i, std::min(2, s - i), 1, ink);
            FillRect(b, x + last - i - 1, y + i, 2, 1, ink);
        }
        break;
    case Glyph::Maximize:
        FillRect(b, x, y, s, 2, ink);
        VLine(b, x, y, y + last, ink);
        VLine(b, x + last, y, y + last, ink);
        HLine(b, x, x + last, y + last, ink);
        break;
    case Glyph::Minimize: FillRect(b, x + 1, y + last - 1, std::max(1, s - 2), 2, ink); break;
    case Glyph::Hide: FillRect(b, x + s / 4, y + s / 2 - 1, std::max(1, s - 2 * (s / 4)), 2, ink); break;
    case Glyph::RollUp:
        for (int row = 0; row <= s / 2; ++row) HLine(b, x + s / 2 - row, x + last - s / 2 + row, y + s / 4 + row, ink);
        break;
    case Glyph::Depth: {
        const int box = std::max(2, s * 2 / 3);
        for (int offset : {0, s - box}) {
            HLine(b, x + offset, x + offset + box - 1, y + offset, ink);
            HLine(b, x + offset, x + offset + box - 1, y + offset + box - 1, ink);
            VLine(b, x + offset, y + offset, y + offset + box - 1, ink);
            VLine(b, x + offset + box - 1, y + offset, y + offset + box - 1, ink);
        }
        break;
    }
    case Glyph::Menu: FillRect(b, x, y + s / 2 - 1, s, 2, ink); break;
    }
}

}  // namespace

Colour Brighter(Colour c) {
    auto up = [](unsigned v) { return std::min(255u, v * 4 / 3); };
    return MakeColour(up(RedOf(c)), up(GreenOf(c)), up(BlueOf(c)));
}

Colour Darker(Colour c) { return MakeColour(RedOf(c) * 2 / 3, GreenOf(c) * 2 / 3, BlueOf(c) * 2 / 3); }

DrawnFrame DrawFrame(int bx, int by, Colour colour, Bevel bevel) {
    bx = std::max(bx, 1);
    by = std::max(by, 1);
    // The whole frame of the smallest window with a 1-pixel middle, then cut into its pieces.
    const int W = 2 * bx + 1, H = 2 * by + 1;
    Bitmap canvas;
    canvas.SetSize(W, H);
    FillRect(canvas, 0, 0, W, H, colour);
    if (bevel == Bevel::Windows) {
        BorderW(canvas, 0, 0, W - 1, H - 1, colour, true);
    } else if (bevel == Bevel::Motif) {
        Rect3D(canvas, 0, 0, W - 1, H - 1, colour, true);
        Rect3D(canvas, bx - 1, by - 1, W - 2 * bx + 1, H - 2 * by + 1, colour, false);
    }
    DrawnFrame frame;
    frame.topLeft = Part(canvas, 0, 0, bx, by);
    frame.top = Part(canvas, bx, 0, 1, by);
    frame.topRight = Part(canvas, bx + 1, 0, bx, by);
    frame.left = Part(canvas, 0, by, bx, 1);
    frame.right = Part(canvas, bx + 1, by, bx, 1);
    frame.bottomLeft = Part(canvas, 0, by + 1, bx, by);
    frame.bottom = Part(canvas, bx, by + 1, 1, by);
    frame.bottomRight = Part(canvas, bx + 1, by + 1, bx, by);
    return frame;
}

Bitmap DrawTitleStrip(int h, Colour colour, bool edges) {
    Bitmap strip;
    strip.SetSize(1, std::max(h, 1));
    FillRect(strip, 0, 0, 1, strip.Height(), colour);
    if (edges && strip.Height() > 2) {
        strip.SetPixel(0, 0, Brighter(colour));
        strip.SetPixel(0, strip.Height() - 1, Darker(colour));
    }
    return strip;
}

Bitmap DrawButton(int w, int h, const ButtonLook& look, const Bitmap* image, Glyph glyph) {
    Bitmap b;
    b.SetSize(std::max(w, 1), std::max(h, 1));
    w = b.Width();
    h = b.Height();
    FillRect(b, 0, 0, w, h, look.face);
    int inset = 1;  // the room the face's edge takes
    switch (look.bevel) {
    case Bevel::Windows: BorderW(b, 0, 0, w - 1, h - 1, look.face, !look.pressed); inset = 2; break;
    case Bevel::Motif: Rect3D(b, 0, 0, w - 1, h - 1, look.face, !look.pressed); break;
    case Bevel::Flat: {
        const Colour inner = look.pressed ? Darker(look.face) : look.hover ? Brighter(look.face) : look.face;
        FillRect(b, 1, 1, w - 2, h - 3, inner);
        break;
    }
    }
    const int shift = look.pressed && look.bevel != Bevel::Flat ? 1 : 0;
    if (image && !image->Empty()) {
        DrawImage(b, *image, (w - image->Width()) / 2 + shift, (h - image->Height()) / 2 + shift);
    } else {
        const int size = std::max(2, std::min(w, h) - 2 * inset - 6);
        DrawGlyph(b, (w - size) / 2 + shift, (h - size) / 2 + shift, size, glyph, look.ink);
    }
    return b;
}

}  // namespace vt
