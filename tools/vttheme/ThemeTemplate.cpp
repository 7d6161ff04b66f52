#include "ThemeTemplate.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>

#include "graphics/BmpWriter.h"

namespace vt {
namespace {
namespace fs = std::filesystem;

struct Rgb {
    int r, g, b;
};

constexpr Rgb kSeeThrough{255, 0, 255};  // the transparent colour of the corner images

// Two looks of every frame piece: the active window's and the inactive one's.
struct Palette {
    Rgb titleTop, titleBottom, edge, outline, text;
};
constexpr Palette kActive{{46, 92, 150}, {82, 136, 196}, {64, 112, 172}, {22, 48, 86}, {255, 255, 255}};
constexpr Palette kInactive{{150, 150, 156}, {182, 182, 188}, {166, 166, 172}, {96, 96, 104}, {230, 230, 230}};

constexpr int kEdge = 4;    // the border's thickness
constexpr int kBand = 28;   // the top border and the title bar
constexpr int kCorner = 8;  // the corner pieces' width
constexpr int kButton = 18;

RgbaImage Image(int width, int height, const std::function<Rgb(int x, int y)>& pixel) {
    RgbaImage image;
    image.width = width;
    image.height = height;
    image.rgba.resize(std::size_t(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgb c = pixel(x, y);
            std::uint8_t* p = image.rgba.data() + (std::size_t(y) * width + x) * 4;
            p[0] = std::uint8_t(c.r), p[1] = std::uint8_t(c.g), p[2] = std::uint8_t(c.b), p[3] = 255;
        }
    return image;
}

Rgb Mix(Rgb a, Rgb b, int step, int steps) {
    return {a.r + (b.r - a.r) * step / steps, a.g + (b.g - a.g) * step / steps, a.b + (b.b - a.b) * step / steps};
}

Rgb Shade(Rgb c, int by) {
    auto clamp = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
    return {clamp(c.r + by), clamp(c.g + by), clamp(c.b + by)};
}

// The title band's colour in row y: the outline on top, then a gradient.
Rgb BandRow(const Palette& p, int y) { return y == 0 ? p.outline : Mix(p.titleTop, p.titleBottom, y, kBand - 1); }

// A top corner: the band, rounded at the outer corner (radius 6); `left` mirrors it.
RgbaImage TopCorner(const Palette& p, bool left) {
    return Image(kCorner, kBand, [&](int x, int y) {
        const int dx = left ? x : kCorner - 1 - x;  // distance from the window's outer side
        constexpr int r = 6;
        if (dx < r && y < r) {
            const int cx = r - dx, cy = r - y, d = cx * cx + cy * cy;
            if (d > r * r) return kSeeThrough;
            if (d > (r - 1) * (r - 1)) return p.outline;
        }
        if (dx == 0) return p.outline;
        return BandRow(p, y);
    });
}

// A side of the border: the outline outside, the edge colour inside. `vertical`: left or right.
RgbaImage Side(const Palette& p, int width, int height, bool outlineFirst, bool vertical) {
    return Image(width, height, [&](int x, int y) {
        const int across = vertical ? x : y, thickness = vertical ? width : height;
        const bool outer = outlineFirst ? across == 0 : across == thickness - 1;
        return outer ? p.outline : across == (outlineFirst ? thickness - 1 : 0) ? Shade(p.edge, -24) : p.edge;
    });
}

// A bottom corner: the outline along the bottom and the outer side.
RgbaImage BottomCorner(const Palette& p, bool left) {
    return Image(kCorner, kEdge, [&](int x, int y) {
        const int dx = left ? x : kCorner - 1 - x;
        return dx == 0 || y == kEdge - 1 ? p.outline : p.edge;
    });
}

// The glyphs of the buttons, drawn into an 18x18 face.
enum class Glyph { Close, Maximize, Minimize };

bool GlyphPixel(Glyph glyph, int x, int y) {
    switch (glyph) {
        case Glyph::Close: return x >= 5 && x <= 12 && (x - y == 0 || x - y == 1 || x + y == 17 || x + y == 18) && y >= 5 && y <= 12;
        case Glyph::Maximize: return x >= 5 && x <= 12 && y >= 5 && y <= 12 && (x == 5 || x == 12 || y <= 6 || y == 12);
        case Glyph::Minimize: return x >= 5 && x <= 12 && y >= 11 && y <= 12;
    }
    return false;
}

enum class Look { Normal, Down, Inactive, Hover };

RgbaImage Button(Glyph glyph, Look look) {
    const Rgb face = look == Look::Inactive ? Rgb{170, 170, 176}
                     : look == Look::Hover  ? (glyph == Glyph::Close ? Rgb{236, 104, 88} : Rgb{124, 182, 240})
                     : look == Look::Down   ? Rgb{36, 72, 120}
                                            : (glyph == Glyph::Close ? Rgb{184, 60, 52} : Rgb{74, 124, 186});
    const Rgb ink = look == Look::Inactive ? Rgb{110, 110, 118} : Rgb{255, 255, 255};
    const int shift = look == Look::Down ? 1 : 0;  // a pressed face moves its glyph down and right
    return Image(kButton, kButton, [&](int x, int y) {
        if (x == 0 || y == 0 || x == kButton - 1 || y == kButton - 1) return Shade(face, look == Look::Down ? -30 : -45);
        if (GlyphPixel(glyph, x - shift, y - shift)) return ink;
        return Mix(Shade(face, 24), face, y, kButton);
    });
}

// A push button's face, stretched to each button: a raised edge, or a sunken one when pressed.
RgbaImage PushButton(Rgb face, bool sunken, bool focusRing) {
    constexpr int w = 24, h = 16;
    return Image(w, h, [&](int x, int y) {
        const bool rim = x == 0 || y == 0 || x == w - 1 || y == h - 1;
        if (rim) return Rgb{40, 60, 90};
        if (focusRing && (x == 2 || y == 2 || x == w - 3 || y == h - 3)) return Rgb{82, 136, 196};
        const bool light = x == 1 || y == 1, dark = x == w - 2 || y == h - 2;
        if (light || dark) return Shade(face, (light != sunken) ? 40 : -40);
        return face;
    });
}

const char* const kThemeText = R"(# @NAME@: a native theme made by `vttheme new`, to change as you like.
# Lines starting with # are comments. See docs/writing-themes.md for every section and key.
# Check it with `vttheme check @NAME@.theme`; preview it with
# `vttheme render @NAME@.theme out.png --watch` while you edit.

[INFO]
@NAME@
A blue frame with rounded top corners; grey when the window is inactive.

[IMAGES]
# NAME FILE [TRANSPARENT COLOUR]: the name the layout uses, the file (relative to this
# file), and for images with see-through pixels their colour (BBGGRR, magenta here).
tl tl.bmp FF00FF
top top.bmp
tr tr.bmp FF00FF
left left.bmp
right right.bmp
bl bl.bmp
bottom bottom.bmp
br br.bmp
tloff tloff.bmp FF00FF
topoff topoff.bmp
troff troff.bmp FF00FF
leftoff leftoff.bmp
rightoff rightoff.bmp
bloff bloff.bmp
bottomoff bottomoff.bmp
broff broff.bmp
close close.bmp
closedown closedown.bmp
closeoff closeoff.bmp
closehot closehot.bmp
max max.bmp
maxdown maxdown.bmp
maxoff maxoff.bmp
maxhot maxhot.bmp
min min.bmp
mindown mindown.bmp
minoff minoff.bmp
minhot minhot.bmp
# The menu strip's background is the image named MenuBar.
MenuBar menubar.bmp
button button.bmp
buttondown buttondown.bmp
buttonfocus buttonfocus.bmp
buttonoff buttonoff.bmp

[LAYOUT]
# CODE CORNER1 CORNER2 NORMAL DOWN INACTIVE HOVER NAME
# A corner is the window corner it counts from (TL TR BL BR), S to stretch or F to tile
# the image (on the first corner), then :X,Y. Later lines draw over earlier ones.
#
# The frame: a 4-pixel border and a 28-pixel band for the top border and title bar.
# BORDER pieces draw on every framed window, dialogs too; TITLE drags the window.
BORDER TL:0,0 TL:8,28 tl tl tloff
TITLE TLS:8,0 TR:-8,28 top top topoff NONE titlebar
BORDER TR:-8,0 TR:0,28 tr tr troff
BORDER TLS:0,28 BL:4,-4 left left leftoff
BORDER TRS:-4,28 BR:0,-4 right right rightoff
BORDER BL:0,-4 BL:8,0 bl bl bloff
BORDER BLS:8,-4 BR:-8,0 bottom bottom bottomoff
BORDER BR:-8,-4 BR:0,0 br br broff
# Where a sizable window is sized from: no image, only a place to grab.
TOP TL:8,0 TR:-8,3 NONE
LEFT TL:0,8 BL:4,-8 NONE
RIGHT TR:-4,8 BR:0,-8 NONE
BOTTOM BL:8,-4 BR:-8,0 NONE
TOPLEFT TL:0,0 TL:8,8 NONE
TOPRIGHT TR:-8,0 TR:0,8 NONE
BOTTOMLEFT BL:0,-8 BL:8,0 NONE
BOTTOMRIGHT BR:-8,-8 BR:0,0 NONE
# The title bar: the window's icon (a click opens the window menu), the caption's text,
# and the buttons with their pressed, inactive and hover images.
ICON TL:8,6 TL:24,22 NONE
CAPTION TL:30,4 TR:-74,26 NONE
CLOSE TR:-26,5 TR:-8,23 close closedown closeoff closehot
MAXIMIZE TR:-48,5 TR:-30,23 max maxdown maxoff maxhot
MINIMIZE TR:-70,5 TR:-52,23 min mindown minoff minhot
# The program's own area (its menu bar, when it has one, is drawn at its top).
CLIENT TL:4,28 BR:-4,-4

[TITLE FONT]
# 'FACE' SIZE COLOUR [BOLD] [ITALIC] [UNDERLINE] [CENTER] [SOLID BACKGROUND]
'Tahoma' 9 FFFFFF BOLD

[INACTIVE FONT]
'Tahoma' 9 E6E6E6 BOLD

[MENU FONT]
'Tahoma' 8 201810

[MISC]
# The see-through pixels of the corners are cut out of the window's shape.
AUTOEXCLUDE=1
# The MenuBar image is stretched across the strip (1 tiles it).
TILEMENU=0

[BUTTON]
# The program's push buttons, drawn with these images stretched to each button.
NORMAL=button
DOWN=buttondown
FOCUSED=buttonfocus
DISABLED=buttonoff

[CODE]
# Scripts: a named element's words run at its events. This one draws a light line along the
# bottom of the active window's title bar, over its image (see titlebar in [LAYOUT]).
: titlebar::OnPaint
  WINDOWACTIVE IF
    14406860 !PENCOLOR
    titlebar RECTLEFT titlebar RECTBOTTOM 1 - MOVETO
    titlebar RECTRIGHT titlebar RECTBOTTOM 1 - LINETO
  THEN ;
)";

std::string ThemeText(const std::string& name) {
    std::string text = kThemeText;
    for (std::size_t at; (at = text.find("@NAME@")) != std::string::npos;) text.replace(at, 6, name);
    return text;
}

void RequireEmptyFolder(const fs::path& folder) {
    std::error_code error;
    if (!fs::exists(folder, error)) {
        if (!fs::create_directories(folder, error))
            throw std::runtime_error(folder.string() + ": cannot make the folder (" + error.message() + ")");
        return;
    }
    if (!fs::is_directory(folder, error)) throw std::runtime_error(folder.string() + " exists and is not a folder");
    if (!fs::is_empty(folder, error))
        throw std::runtime_error(folder.string() +
                                 " is not empty: a new theme goes into a new or empty folder, so that no file of "
                                 "yours is overwritten");
}

}  // namespace

std::string WriteThemeTemplate(const std::string& name, const std::string& folder) {
    if (name.empty() || name.find_first_of("\\/:*?\"<>|") != std::string::npos || name[0] == '.')
        throw std::runtime_error("\"" + name + "\" cannot be a theme's file name");
    const fs::path dir(folder);
    RequireEmptyFolder(dir);
    auto save = [&](const char* file, const RgbaImage& image) { SaveBmpFile((dir / file).string(), image); };

    for (const auto& [suffix, p] : {std::pair<const char*, const Palette*>{"", &kActive}, {"off", &kInactive}}) {
        const std::string s = suffix;
        save(("tl" + s + ".bmp").c_str(), TopCorner(*p, true));
        save(("tr" + s + ".bmp").c_str(), TopCorner(*p, false));
        save(("top" + s + ".bmp").c_str(), Image(kCorner, kBand, [p](int, int y) { return BandRow(*p, y); }));
        save(("left" + s + ".bmp").c_str(), Side(*p, kEdge, kCorner, true, true));
        save(("right" + s + ".bmp").c_str(), Side(*p, kEdge, kCorner, false, true));
        save(("bottom" + s + ".bmp").c_str(), Side(*p, kCorner, kEdge, false, false));
        save(("bl" + s + ".bmp").c_str(), BottomCorner(*p, true));
        save(("br" + s + ".bmp").c_str(), BottomCorner(*p, false));
    }
    const std::pair<const char*, Glyph> buttons[] = {{"close", Glyph::Close}, {"max", Glyph::Maximize}, {"min", Glyph::Minimize}};
    const std::pair<const char*, Look> looks[] = {{"", Look::Normal}, {"down", Look::Down}, {"off", Look::Inactive}, {"hot", Look::Hover}};
    for (const auto& [button, glyph] : buttons)
        for (const auto& [suffix, look] : looks) save((std::string(button) + suffix + ".bmp").c_str(), Button(glyph, look));
    save("menubar.bmp", Image(8, 20, [](int, int y) { return y == 19 ? Rgb{180, 186, 196} : Mix({250, 250, 252}, {226, 230, 238}, y, 19); }));
    save("button.bmp", PushButton({228, 232, 240}, false, false));
    save("buttondown.bmp", PushButton({200, 208, 222}, true, false));
    save("buttonfocus.bmp", PushButton({228, 232, 240}, false, true));
    save("buttonoff.bmp", PushButton({214, 214, 214}, false, false));

    const fs::path theme = dir / (name + ".theme");
    std::ofstream file(theme, std::ios::binary);
    const std::string text = ThemeText(name);
    if (!file.write(text.data(), std::streamsize(text.size())) || !file.flush())
        throw std::runtime_error(theme.string() + ": cannot write the theme");
    return theme.string();
}

}  // namespace vt
