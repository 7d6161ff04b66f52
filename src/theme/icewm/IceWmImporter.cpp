#include "theme/icewm/IceWmImporter.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "common/FileNameCase.h"
#include "common/PathText.h"
#include "graphics/X11Colours.h"
#include "theme/ThemeText.h"
#include "theme/icewm/DrawnPieces.h"
#include "theme/icewm/IceWmValues.h"
#include "theme/import/ImportedElement.h"
#include "theme/import/ImportedImage.h"

namespace vt {
namespace {

enum HitCodes : std::int32_t {
    kCodeClient = 1, kCodeCaption = 2, kCodeSysMenu = 3, kCodeLeft = 10, kCodeRight = 11, kCodeTop = 12,
    kCodeTopLeft = 13, kCodeTopRight = 14, kCodeBottom = 15, kCodeBottomLeft = 16, kCodeBottomRight = 17,
    kCodeBorder = 18, kCodeClose = 256, kCodeMinimize = 257, kCodeMaximize = 258, kCodeTitle = 266, kCodeIcon = 267,
    kCodeShrinkFlip = 270,
};
constexpr std::uint32_t kSysMenuStyle = 0x00080000;

// The looks of IceWM: four draw the frame from pixmaps, the others with IceWM's own code.
enum class Look { Win95, Motif, Warp3, Warp4, Nice, Pixmap, Metal, Gtk, Flat };
struct LookName {
    const char* name;
    Look look;
};
constexpr std::array<LookName, 9> kLooks = {{
    {"win95", Look::Win95}, {"motif", Look::Motif}, {"warp3", Look::Warp3}, {"warp4", Look::Warp4},
    {"nice", Look::Nice}, {"pixmap", Look::Pixmap}, {"metal", Look::Metal}, {"gtk", Look::Gtk},
    {"flat", Look::Flat},
}};
bool DrawsPixmaps(Look look) {
    return look == Look::Pixmap || look == Look::Metal || look == Look::Gtk || look == Look::Flat;
}

// The title button letters we have a button for. Depth (d: raise or lower) has no counterpart
// in a Windows frame: it makes no element and takes no room.
struct ButtonKind {
    char letter;
    const char* image;  // IMAGEA (active), IMAGEI or IMAGE (inactive), IMAGEO (rollover)
    std::int32_t hitCode;
    Glyph glyph;
};
constexpr std::array<ButtonKind, 6> kButtonKinds = {{
    {'x', "close", kCodeClose, Glyph::Close},
    {'m', "maximize", kCodeMaximize, Glyph::Maximize},
    {'i', "minimize", kCodeMinimize, Glyph::Minimize},
    {'h', "hide", kCodeMinimize, Glyph::Hide},
    {'r', "rollup", kCodeShrinkFlip, Glyph::RollUp},
    {'s', "menuButton", kCodeSysMenu, Glyph::Menu},
}};

// The frame pieces in element order: where each sits and what it sizes.
struct PieceKind {
    const char* suffix;
    std::uint8_t anchor1, anchor2, mode;
    std::int32_t hitCode;
};
constexpr std::array<PieceKind, 8> kFramePieces = {{
    {"TL", kAnchorTopLeft, kAnchorTopLeft, 0, kCodeTopLeft},
    {"T", kAnchorTopLeft, kAnchorTopRight, kAnchorFill, kCodeTop},
    {"TR", kAnchorTopRight, kAnchorTopRight, 0, kCodeTopRight},
    {"L", kAnchorTopLeft, kAnchorBottomLeft, kAnchorFill, kCodeLeft},
    {"R", kAnchorTopRight, kAnchorBottomRight, kAnchorFill, kCodeRight},
    {"BL", kAnchorBottomLeft, kAnchorBottomLeft, 0, kCodeBottomLeft},
    {"B", kAnchorBottomLeft, kAnchorBottomRight, kAnchorFill, kCodeBottom},
    {"BR", kAnchorBottomRight, kAnchorBottomRight, 0, kCodeBottomRight},
}};

// Keys that IceWM themes set for their frames; one of them makes a file an IceWM theme.
bool IsIceWmFrameKey(const std::string& key) {
    static const char* const kKeys[] = {
        "Look", "TitleBarHeight", "BorderSizeX", "BorderSizeY", "DlgBorderSizeX", "DlgBorderSizeY", "CornerSizeX",
        "CornerSizeY", "TitleBarJustify", "TitleBarHorzOffset", "TitleBarVertOffset", "TitleButtonsLeft",
        "TitleButtonsRight", "TitleButtonsSupported", "RolloverButtonsSupported", "ColorActiveTitleBar",
        "ColorNormalTitleBar", "ColorActiveTitleBarText", "ColorNormalTitleBarText", "ColorActiveBorder",
        "ColorNormalBorder", "TitleFontName", "TitleFontNameXft", "ThemeDescription",
    };
    for (const char* k : kKeys)
        if (key == k) return true;
    return false;
}

void Place(TUIElement& e, int x1, int y1, int x2, int y2) {
    e.Corner1 = {x1, y1};
    e.Corner2 = {x2, y2};
}

// Font faces of X and fontconfig by the Windows face that looks most like them; other names are
// kept (Windows substitutes a face it lacks).
std::string WindowsFace(const std::string& family, const std::string& fallback) {
    static const std::array<std::pair<const char*, const char*>, 9> kFaces = {{
        {"sans-serif", ""}, {"sans", ""}, {"*", ""}, {"helvetica", "Arial"}, {"serif", "Times New Roman"},
        {"times", "Times New Roman"}, {"monospace", "Courier New"}, {"mono", "Courier New"}, {"courier", "Courier New"},
    }};
    for (const auto& face : kFaces)
        if (SameText(family, face.first)) return *face.second ? face.second : fallback;
    return family.empty() ? fallback : family;
}

class IceWmImport {
public:
    IceWmImport(const std::vector<std::string>& lines, ThemeState& state, const ThemeErrorSink& sink,
                const std::string& folder)
        : values_(lines), state_(state), sink_(sink), files_(PathInFolder(folder, "")) {}

    void Run();

private:
    std::int32_t Number(const char* key, std::int32_t fallback, std::int32_t low, std::int32_t high);
    Colour ColourOf(const char* key, Colour fallback);
    void ReadLook();
    void ReadFont();
    // IMAGE.xpm, else IMAGE.png; false when neither exists or it cannot be read.
    bool ReadImage(const std::string& base, Bitmap& out, std::string& file);
    Bitmap* AddImage(const std::string& base);
    Bitmap* AddDrawn(const std::string& name, Bitmap&& bitmap);
    void Frame(const std::string& prefix, int bx, int by, bool dialog);
    void CornerZones();
    TUIElement* TitlePiece(const std::string& suffix, std::uint8_t mode = 0);
    std::uint8_t SideMode(const std::string& base, std::uint8_t mode) const;
    int ButtonWidth(const Bitmap* inactive) const;
    TUIElement& Button(const ButtonKind& kind);
    void TitleBar();

    IceWmValues values_;
    ThemeState& state_;
    const ThemeErrorSink& sink_;
    FolderFiles files_;
    Look look_ = Look::Nice;
    int bx_ = 6, by_ = 6, titleHeight_ = 20;
    bool rollover_ = false;
    bool frameIcon_ = true;  // the program's icon over the menu button
    bool hasRollUp_ = false;
    Colour titleBar_[2] = {}, border_[2] = {};  // inactive, active
    Colour buttonFace_ = 0, buttonInk_ = 0;
};

std::int32_t IceWmImport::Number(const char* key, std::int32_t fallback, std::int32_t low, std::int32_t high) {
    const IceWmValue value = values_.Find(key);
    if (value.text.empty()) return fallback;
    std::int32_t result = fallback;
    GuardThemeLine(value.line, sink_, [&] {
        const std::int32_t n = ParseDecimal(value.text);
        if (n < low || n > high)
            throw ThemeError(std::string(key) + "=" + value.text + " is out of range (" + std::to_string(low) +
                             " to " + std::to_string(high) + ")");
        result = n;
    });
    return result;
}

Colour IceWmImport::ColourOf(const char* key, Colour fallback) {
    const IceWmValue value = values_.Find(key);
    if (value.text.empty()) return fallback;
    Colour result = fallback;
    GuardThemeLine(value.line, sink_, [&] {
        const std::optional<Colour> colour = ParseXColour(value.text);
        if (!colour)
            throw ThemeError(std::string(key) + "=" + value.text +
                             " is not a colour (rgb:RR/GG/BB, #RRGGBB or a name)");
        result = *colour;
    });
    return result;
}

void IceWmImport::ReadLook() {
    const IceWmValue value = values_.Find("Look");
    if (value.text.empty()) return;
    GuardThemeLine(value.line, sink_, [&] {
        for (const LookName& look : kLooks) {
            if (SameText(value.text, look.name)) {
                look_ = look.look;
                return;
            }
        }
        throw ThemeError("Look=" + value.text + " is not one of IceWM's looks (win95, motif, warp3, warp4, nice, "
                         "pixmap, metal, gtk, flat)");
    });
}

// TitleFontNameXft ("family:size=N:bold", the first of a comma list) or else the X logical font
// name of TitleFontName (-foundry-family-weight-slant-...-pixels-...). A size outside 1 to 72
// points is left as it was.
void IceWmImport::ReadFont() {
    Font& font = state_.TitleFont;
    const std::string xft = values_.Find("TitleFontNameXft").text;
    const std::string xlfd = values_.Find("TitleFontName").text;
    int size = 0;
    if (!xft.empty()) {
        const std::string first = xft.substr(0, xft.find(','));
        std::vector<std::string> parts;
        for (std::size_t at = 0;;) {
            const std::size_t colon = first.find(':', at);
            parts.push_back(first.substr(at, colon == std::string::npos ? std::string::npos : colon - at));
            if (colon == std::string::npos) break;
            at = colon + 1;
        }
        font.face = WindowsFace(parts[0], font.face);
        for (std::size_t i = 1; i < parts.size(); ++i) {
            const std::string& part = parts[i];
            int n = 0;
            if (part.rfind("size=", 0) == 0 && TryParseDecimal(part.substr(5, part.find('.') - 5), n)) size = n;
            else if (part.rfind("pixelsize=", 0) == 0 && TryParseDecimal(part.substr(10), n)) size = (n * 72 + 48) / 96;
            else if (SameText(part, "bold") || SameText(part, "weight=bold")) font.bold = true;
            else if (SameText(part, "italic") || SameText(part, "slant=italic")) font.italic = true;
        }
    } else if (!xlfd.empty() && xlfd[0] == '-') {
        std::vector<std::string> fields;
        for (std::size_t at = 1;;) {
            const std::size_t dash = xlfd.find('-', at);
            fields.push_back(xlfd.substr(at, dash == std::string::npos ? std::string::npos : dash - at));
            if (dash == std::string::npos) break;
            at = dash + 1;
        }
        if (fields.size() > 1) font.face = WindowsFace(fields[1], font.face);
        if (fields.size() > 2) font.bold = SameText(fields[2], "bold") || SameText(fields[2], "demibold");
        if (fields.size() > 3) font.italic = SameText(fields[3], "i") || SameText(fields[3], "o");
        int pixels = 0;
        if (fields.size() > 6 && TryParseDecimal(fields[6], pixels)) size = (pixels * 72 + 48) / 96;
    }
    if (size >= 1 && size <= 72) font.size = size;
}

bool IceWmImport::ReadImage(const std::string& base, Bitmap& out, std::string& file) {
    std::string path = files_.Find(base + ".xpm");
    if (path.empty()) path = files_.Find(base + ".png");
    if (path.empty()) return false;
    // Named as the theme names it (its folder's files), read where it lies.
    const std::size_t slash = path.find_last_of("/\\");
    file = slash == std::string::npos ? path : path.substr(slash + 1);
    return ReadImportedImage(path, out, 0, sink_);
}

Bitmap* IceWmImport::AddImage(const std::string& base) {
    Bitmap bitmap;
    std::string file;
    if (!ReadImage(base, bitmap, file)) return nullptr;
    return AddImageEntry(*state_.Theme, base, file, std::move(bitmap));
}

Bitmap* IceWmImport::AddDrawn(const std::string& name, Bitmap&& bitmap) {
    return AddImageEntry(*state_.Theme, "drawn-" + name, "", std::move(bitmap));
}

// The eight pieces of the frame of sizable windows ("frame") or of dialogs ("dframe"), from the
// theme's images when a pixmap look has all eight active ones (as IceWM needs), else drawn in
// the border colours. They sit where IceWM draws them: corners and the top and left sides at
// their images' sizes, the right and bottom sides from the inner edge of the border outwards.
void IceWmImport::Frame(const std::string& prefix, int bx, int by, bool dialog) {
    std::array<Bitmap*, 8> active{}, inactive{};
    bool complete = DrawsPixmaps(look_);
    for (std::size_t i = 0; complete && i < kFramePieces.size(); ++i)
        complete = !files_.Find(prefix + "A" + kFramePieces[i].suffix + ".xpm").empty() ||
                   !files_.Find(prefix + "A" + kFramePieces[i].suffix + ".png").empty();
    if (complete) {
        for (std::size_t i = 0; i < kFramePieces.size(); ++i) {
            active[i] = AddImage(prefix + "A" + kFramePieces[i].suffix);
            inactive[i] = AddImage(prefix + "I" + kFramePieces[i].suffix);
        }
    }
    if (!complete || std::find(active.begin(), active.end(), nullptr) != active.end()) {
        const Bevel bevel = (look_ == Look::Motif || look_ == Look::Warp3) ? Bevel::Motif : Bevel::Windows;
        for (int state = 1; state >= 0; --state) {
            DrawnFrame drawn = DrawFrame(bx, by, border_[state], bevel);
            Bitmap* pieces[8] = {};
            Bitmap* parts[8] = {&drawn.topLeft, &drawn.top, &drawn.topRight, &drawn.left,
                                &drawn.right, &drawn.bottomLeft, &drawn.bottom, &drawn.bottomRight};
            for (std::size_t i = 0; i < 8; ++i)
                pieces[i] = AddDrawn(prefix + (state ? "A" : "I") + kFramePieces[i].suffix, std::move(*parts[i]));
            std::copy(std::begin(pieces), std::end(pieces), (state ? active : inactive).begin());
        }
    }
    std::array<TUIElement*, 8> e{};
    for (std::size_t i = 0; i < kFramePieces.size(); ++i) {
        const PieceKind& kind = kFramePieces[i];
        ElementImages images;
        images.normal = active[i];
        images.inactive = inactive[i];
        e[i] = &AppendImageElement(*state_.Elements, images, kind.anchor1, kind.anchor2,
                                   dialog ? kCodeBorder : kind.hitCode, kStyleThickFrame,
                                   SideMode(prefix + "A" + kind.suffix, kind.mode));
        e[i]->Inverted = dialog;  // dialogs: the windows without a sizing frame
    }
    auto w = [&](std::size_t i) { return WidthOf(active[i]); };
    auto h = [&](std::size_t i) { return HeightOf(active[i]); };
    Place(*e[1], w(0), 0, -w(2), h(1));
    Place(*e[3], 0, h(0), w(3), -h(5));
    Place(*e[4], -bx, h(2), -bx + w(4), -h(7));
    Place(*e[6], w(5), -by, -w(7), -by + h(6));
}

// IceWM sizes from the corners along CornerSizeX and CornerSizeY of the border, wider than the
// corner images of most themes: each corner gets an L of two image-less strips.
void IceWmImport::CornerZones() {
    const int cx = Number("CornerSizeX", 24, 0, 64), cy = Number("CornerSizeY", 24, 0, 64);
    struct Zone {
        std::int32_t hitCode;
        std::uint8_t anchor;
        int sx, sy;  // the corner's direction: +1 from the left or top edge, -1 from the right or bottom
    };
    const Zone zones[] = {{kCodeTopLeft, kAnchorTopLeft, 1, 1}, {kCodeTopRight, kAnchorTopRight, -1, 1},
                          {kCodeBottomLeft, kAnchorBottomLeft, 1, -1}, {kCodeBottomRight, kAnchorBottomRight, -1, -1}};
    for (const Zone& zone : zones) {
        for (const auto& [zw, zh] : {std::pair<int, int>{cx, by_}, std::pair<int, int>{bx_, cy}}) {
            if (zw <= 0 || zh <= 0) continue;
            TUIElement& e = AppendImageElement(*state_.Elements, {}, zone.anchor, zone.anchor, zone.hitCode,
                                               kStyleThickFrame, 0);
            e.NoImage = true;
            Place(e, std::min(0, zone.sx * zw), std::min(0, zone.sy * zh), std::max(0, zone.sx * zw),
                  std::max(0, zone.sy * zh));
        }
    }
}

// A piece of the title bar from its images; none (no element) when the theme lacks its active one.
TUIElement* IceWmImport::TitlePiece(const std::string& suffix, std::uint8_t mode) {
    ElementImages images;
    images.normal = AddImage("titleA" + suffix);
    if (!images.normal) return nullptr;
    images.inactive = AddImage("titleI" + suffix);
    return &AppendImageElement(*state_.Elements, images, kAnchorTopLeft, kAnchorTopLeft, kCodeTitle, kStyleCaption,
                               SideMode("titleA" + suffix, mode));
}

// A tiled piece that the theme lists in Gradients is stretched instead, as IceWM scales its
// gradients over the room they fill.
std::uint8_t IceWmImport::SideMode(const std::string& base, std::uint8_t mode) const {
    if (mode != kAnchorFill) return mode;
    const std::string& gradients = values_.Find("Gradients").text;
    for (std::size_t at = 0; (at = gradients.find(base + ".xpm", at)) != std::string::npos; at += base.size()) {
        const std::size_t end = at + base.size() + 4;
        const bool wordStart = at == 0 || gradients[at - 1] == ' ';
        if (wordStart && (end == gradients.size() || gradients[end] == ' ')) return kAnchorStretch;
    }
    return mode;
}

// A button's width as IceWM gives it: a pixmap look's inactive image (else its active one, else
// the title bar's height), win95 three pixels under the title bar's height, the others square.
int IceWmImport::ButtonWidth(const Bitmap* inactive) const {
    if (DrawsPixmaps(look_)) return inactive && !inactive->Empty() ? inactive->Width() : titleHeight_;
    return look_ == Look::Win95 ? std::max(1, titleHeight_ - 3) : titleHeight_;
}

// The button of one letter with its states, corners (0,0)-(w,h) for the layout to move. A pixmap
// look's images hold two states stacked (normal over pressed, each half the image); the rollover
// image (when the theme supports rollover) is the hover state and its lower half the pressed
// one. Without an active image, or in the looks IceWM draws, the button is drawn: its face in
// the title button colour with the theme's image (else our glyph) in the middle.
TUIElement& IceWmImport::Button(const ButtonKind& kind) {
    TTheme& theme = *state_.Theme;
    const std::string base = kind.image;
    ElementImages images;
    Bitmap inactiveImage;
    std::string inactiveFile;
    bool hasInactive = ReadImage(base + "I", inactiveImage, inactiveFile);
    if (!hasInactive && kind.letter != 's') hasInactive = ReadImage(base, inactiveImage, inactiveFile);
    int width = ButtonWidth(hasInactive ? &inactiveImage : nullptr);
    int height = titleHeight_;

    // Two stacked states, or an error naming the file and no image.
    auto states = [&](Bitmap& image, const std::string& file, const std::string& name, Bitmap*& normal,
                      Bitmap** pressed) {
        if (image.Height() % 2 != 0) {
            ReportThemeLoadError(0, file + ": a height of " + std::to_string(image.Height()) +
                                        " pixels is not two stacked states (normal over pressed)", sink_);
            return false;
        }
        const int half = image.Height() / 2;
        normal = AddImageEntry(theme, name, file, SliceRows(image, 0, half));
        if (pressed) *pressed = AddImageEntry(theme, name + "-down", file, SliceRows(image, half, half));
        return true;
    };
    if (DrawsPixmaps(look_)) {
        Bitmap active;
        std::string file;
        if (ReadImage(base + "A", active, file) && states(active, file, base + "A", images.normal, &images.down)) {
            if (!hasInactive) width = active.Width();
            height = std::min(height, active.Height() / 2);
            if (hasInactive) states(inactiveImage, inactiveFile, base + "I", images.inactive, nullptr);
            Bitmap over;
            Bitmap* overDown = nullptr;
            if (rollover_ && ReadImage(base + "O", over, file) &&
                states(over, file, base + "O", images.hover, &overDown))
                images.down = overDown;  // a pressed button is under the pointer: IceWM shows the rollover one
        }
    }
    // A menu button that shows the program's icon is square in the looks that draw the icon on it.
    if (kind.letter == 's' && frameIcon_ && (DrawsPixmaps(look_) || look_ == Look::Motif)) width = titleHeight_;
    if (!images.normal) {
        ButtonLook look;
        look.face = buttonFace_;
        look.ink = buttonInk_;
        look.bevel = DrawsPixmaps(look_) || look_ == Look::Warp4 ? Bevel::Flat
                     : look_ == Look::Win95                     ? Bevel::Windows
                                                                : Bevel::Motif;
        const Bitmap* glyph = hasInactive ? &inactiveImage : nullptr;
        images.normal = AddDrawn(base, DrawButton(width, height, look, glyph, kind.glyph));
        look.pressed = true;
        images.down = AddDrawn(base + "-down", DrawButton(width, height, look, glyph, kind.glyph));
        if (rollover_ && look.bevel == Bevel::Flat) {
            look.pressed = false;
            look.hover = true;
            images.hover = AddDrawn(base + "-hover", DrawButton(width, height, look, glyph, kind.glyph));
        }
        images.inactive = nullptr;
    }
    if (kind.hitCode == kCodeShrinkFlip) hasRollUp_ = true;
    TUIElement& button = AppendImageElement(*state_.Elements, images, kAnchorTopLeft, kAnchorTopLeft, kind.hitCode,
                                            StyleOfHitCode(kind.hitCode), 0);
    Place(button, 0, 0, width, height);
    return button;
}

// The title bar at the inner edge of the sizing border: the pieces titleJ and titleQ at its ends,
// the buttons inwards from them, titleL and titleR next to the buttons, then the room for the
// text between titleP and titleM, tiled with titleT (else titleS, titleB, or the title colour).
// The text's own width is not known here, so titleS and titleB (either side of the text in
// IceWM) only stand in for a missing titleT.
void IceWmImport::TitleBar() {
    const int y = by_, th = titleHeight_;
    const bool pixmaps = DrawsPixmaps(look_);
    auto piece = [&](const char* suffix) { return pixmaps ? TitlePiece(suffix) : nullptr; };
    auto width = [](const TUIElement* e) { return e ? WidthOf(e->NormalBitmap) : 0; };
    auto height = [th](const TUIElement* e) { return e ? std::min(th, HeightOf(e->NormalBitmap)) : 0; };

    // The strip under everything, then the pieces drawn once over it.
    TUIElement* middle = nullptr;
    for (const char* suffix : {"T", "S", "B"})
        if (pixmaps && !middle) middle = TitlePiece(suffix, kAnchorFill);
    if (!middle) {
        const bool edges = look_ == Look::Motif || look_ == Look::Warp3;
        ElementImages images;
        images.normal = AddDrawn("titleAT", DrawTitleStrip(th, titleBar_[1], edges));
        images.inactive = AddDrawn("titleIT", DrawTitleStrip(th, titleBar_[0], edges));
        middle = &AppendImageElement(*state_.Elements, images, kAnchorTopLeft, kAnchorTopRight, kCodeTitle,
                                     kStyleCaption, kAnchorFill);
    }
    TUIElement* j = piece("J");
    TUIElement* q = piece("Q");
    TUIElement* l = piece("L");
    TUIElement* r = piece("R");
    TUIElement* p = piece("P");
    TUIElement* m = piece("M");
    TUIElement& caption = AppendImageElement(*state_.Elements, {}, kAnchorTopLeft, kAnchorTopRight, kCodeCaption,
                                             kStyleCaption, 0);
    caption.NoImage = true;

    // Buttons: a letter on the right is placed there only, each letter once, only those the
    // theme supports; a blank leaves a pixel.
    auto letters = [this](const char* key, const char* fallback) {
        return values_.Has(key) ? values_.Find(key).text : std::string(fallback);
    };
    const std::string supported = letters("TitleButtonsSupported", "xmis");
    const std::string leftLetters = letters("TitleButtonsLeft", "s");
    const std::string rightLetters = letters("TitleButtonsRight", "xmir");
    std::string placed;
    auto kindOf = [&](char letter, bool rightSide) -> const ButtonKind* {
        if (supported.find(letter) == std::string::npos || placed.find(letter) != std::string::npos) return nullptr;
        if (!rightSide && rightLetters.find(letter) != std::string::npos) return nullptr;
        for (const ButtonKind& kind : kButtonKinds)
            if (kind.letter == letter) return &kind;
        return nullptr;
    };
    auto iconOver = [&](const TUIElement& button) {
        // The program's icon over the menu button, as IceWM shows it there; a click on it opens
        // the system menu too.
        const int size = std::min({16, th, button.Corner2.x - button.Corner1.x});
        TUIElement& icon = AppendImageElement(*state_.Elements, {}, button.Anchor1, button.Anchor2, kCodeIcon,
                                              kSysMenuStyle, 0);
        const int x = button.Corner1.x + (button.Corner2.x - button.Corner1.x - size) / 2;
        Place(icon, x, y + (th - size) / 2, x + size, y + (th - size) / 2 + size);
    };
    int left = bx_ + width(j);
    for (char letter : leftLetters) {
        if (letter == ' ') {
            ++left;
            continue;
        }
        const ButtonKind* kind = kindOf(letter, false);
        if (!kind) continue;
        TUIElement* button = &Button(*kind);
        placed += letter;
        const int w = button->Corner2.x, h = button->Corner2.y;
        Place(*button, left, y, left + w, y + h);
        left += w;
        if (letter == 's' && frameIcon_) iconOver(*button);
    }
    int right = -bx_ - width(q);
    for (char letter : rightLetters) {
        if (letter == ' ') {
            --right;
            continue;
        }
        const ButtonKind* kind = kindOf(letter, true);
        if (!kind) continue;
        TUIElement* button = &Button(*kind);
        placed += letter;
        const int w = button->Corner2.x, h = button->Corner2.y;
        button->Anchor1 = button->Anchor2 = kAnchorTopRight;
        Place(*button, right - w, y, right, y + h);
        right -= w;
        if (letter == 's' && frameIcon_) iconOver(*button);
    }

    if (j) Place(*j, bx_, y, bx_ + width(j), y + height(j));
    if (q) {
        q->Anchor1 = q->Anchor2 = kAnchorTopRight;
        Place(*q, -bx_ - width(q), y, -bx_, y + height(q));
    }
    if (l) Place(*l, left, y, left + width(l), y + height(l));
    left += width(l);
    if (r) {
        r->Anchor1 = r->Anchor2 = kAnchorTopRight;
        Place(*r, right - width(r), y, right, y + height(r));
    }
    right -= width(r);
    if (p) Place(*p, left, y, left + width(p), y + height(p));
    if (m) {
        m->Anchor1 = m->Anchor2 = kAnchorTopRight;
        Place(*m, right - width(m), y, right, y + height(m));
    }
    middle->Anchor2 = kAnchorTopRight;
    Place(*middle, bx_, y, -bx_, y + th);

    // The text between titleP and titleM, justified and offset as the theme says; our caption
    // is left-aligned or centred, so justifications up to 25 % are drawn at the left.
    const int justify = values_.Has("TitleBarJustify") ? Number("TitleBarJustify", 0, 0, 100)
                                                        : (Number("TitleBarCentered", 0, 0, 1) ? 50 : 0);
    state_.CenterCaption = justify > 25;
    const int dx = Number("TitleBarHorzOffset", 0, -128, 128), dy = Number("TitleBarVertOffset", 0, -128, 128);
    const int textHeight = -state_.TitleFont.Height() + 2;
    Place(caption, left + width(p) + dx, y + std::max(0, (th - textHeight) / 2) + dy, right - width(m), y + th);
}

void IceWmImport::Run() {
    state_.AutoExclude = true;  // shaped corners of pixmap frames are cut out of the window region
    state_.ThemeLoaded = true;
    ReadLook();
    bx_ = Number("BorderSizeX", 6, 0, 128);
    by_ = Number("BorderSizeY", 6, 0, 128);
    const int dbx = Number("DlgBorderSizeX", 2, 0, 128), dby = Number("DlgBorderSizeY", 2, 0, 128);
    titleHeight_ = Number("TitleBarHeight", 20, 0, 128);
    rollover_ = Number("RolloverButtonsSupported", 0, 0, 1) != 0;
    frameIcon_ = Number("ShowMenuButtonIcon", 1, 0, 1) != 0;
    titleBar_[1] = ColourOf("ColorActiveTitleBar", MakeColour(0x00, 0x00, 0xA0));
    titleBar_[0] = ColourOf("ColorNormalTitleBar", MakeColour(0x80, 0x80, 0x80));
    border_[1] = ColourOf("ColorActiveBorder", MakeColour(0xC0, 0xC0, 0xC0));
    border_[0] = ColourOf("ColorNormalBorder", MakeColour(0xC0, 0xC0, 0xC0));
    buttonFace_ = ColourOf("ColorNormalTitleButton", MakeColour(0xC0, 0xC0, 0xC0));
    buttonInk_ = ColourOf("ColorNormalTitleButtonText", MakeColour(0x00, 0x00, 0x00));
    ReadFont();
    state_.TitleFont.colour = ColourOf("ColorActiveTitleBarText", MakeColour(0xFF, 0xFF, 0xFF));
    state_.InactiveFont = state_.TitleFont;
    state_.InactiveFont.colour = ColourOf("ColorNormalTitleBarText", MakeColour(0x00, 0x00, 0x00));
    state_.TitleColor = titleBar_[1];
    state_.InactiveColor = titleBar_[0];
    state_.ThemeInfo.clear();
    for (const char* key : {"ThemeDescription", "ThemeAuthor"})
        if (values_.Has(key)) state_.ThemeInfo.push_back(std::string(key) + "=" + values_.Find(key).text);

    Frame("frame", bx_, by_, false);
    CornerZones();
    if (dbx != bx_ || dby != by_) {
        // Dialogs keep the title bar where sizable windows have it: the border between their
        // thinner frame and the title bar and client area is the border colour.
        ElementImages fill;
        Bitmap solid[2];
        for (int state = 0; state < 2; ++state) {
            solid[state].SetSize(1, 1);
            solid[state].SetPixel(0, 0, border_[state]);
        }
        fill.normal = AddDrawn("dframeA", std::move(solid[1]));
        fill.inactive = AddDrawn("dframeI", std::move(solid[0]));
        TUIElement& e = AppendImageElement(*state_.Elements, fill, kAnchorTopLeft, kAnchorBottomRight, kCodeBorder,
                                           kStyleThickFrame, kAnchorStretch);
        e.Inverted = true;
        Place(e, 0, 0, 0, 0);
    }
    Frame("dframe", dbx, dby, true);
    TitleBar();
    TUIElement& client = AppendImageElement(*state_.Elements, {}, kAnchorTopLeft, kAnchorBottomRight, kCodeClient,
                                            kStyleAny, 0);
    client.NoImage = true;
    Place(client, bx_, by_ + titleHeight_, -bx_, -by_);

    if (hasRollUp_) {
        state_.ShrinkElement = std::make_unique<TUIElement>();
        state_.ShrinkElement->Anchor1 = kAnchorTopLeft;
        state_.ShrinkElement->Anchor2 = kAnchorTopRight;
        state_.ShrinkElement->Corner2 = {0, by_ + titleHeight_};
    }
    // As for kwm and xfwm4 themes: what the frame adds to each side, and a little more.
    state_.WidthFixup = 2 * bx_ + 4;
    state_.HeightFixup = 2 * by_ + titleHeight_ + 4;
}

}  // namespace

bool LooksLikeIceWmTheme(const std::vector<std::string>& lines) {
    // Native themes, the usual case, are told at their first section header, before any value is read.
    for (const std::string& line : lines)
        if (IsSectionHeaderLine(line)) return false;
    return IceWmValues(lines).AnyKey(IsIceWmFrameKey);
}

void ImportIceWmTheme(const std::vector<std::string>& lines, ThemeState& state, const ThemeErrorSink& sink,
                      const std::string& folder) {
    if (!state.Elements || !state.Theme) return;
    IceWmImport(lines, state, sink, folder).Run();
}

}  // namespace vt
