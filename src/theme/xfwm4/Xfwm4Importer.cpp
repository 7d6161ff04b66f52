#include "theme/xfwm4/Xfwm4Importer.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "common/FileNameCase.h"
#include "common/PathText.h"
#include "graphics/X11Colours.h"
#include "theme/ThemeText.h"
#include "theme/import/ImportedElement.h"
#include "theme/import/ImportedImage.h"
#include "theme/import/ThemercValues.h"
#include "theme/xfwm4/Xfwm4Colours.h"

namespace vt {
namespace {

// The window-style bit of a maximised window (WS_MAXIMIZE): the maximise button shows its
// toggled images while it is set.
constexpr std::uint32_t kMaximizedStyle = 0x01000000;
// Offsets and spacings past this many pixels are no frame a window could have.
constexpr std::int32_t kMaxOffset = 1024;
// xfwm4's own default when a theme says nothing: menu left, title, then shade, hide, maximize
// and close on the right.
constexpr const char* kDefaultLayout = "O|SHMC";

// The button_layout letters we have a button for. Stick (T) has no counterpart in a Windows
// frame: it makes no element and takes no room, as a letter xfwm4 does not know.
struct ButtonKind {
    char letter;
    const char* image;  // base name: IMAGE-active, -inactive, -prelight, -pressed
    std::int32_t hitCode;
};
constexpr std::array<ButtonKind, 5> kButtonKinds = {{
    {'O', "menu", kCodeSysMenu},
    {'S', "shade", kCodeShrinkFlip},
    {'H', "hide", kCodeMinimize},
    {'M', "maximize", kCodeMaximize},
    {'C', "close", kCodeClose},
}};

// Keys only kwm themes use, and keys only xfwm4 themes use (upper-cased).
bool IsKwmKey(const std::string& key) {
    auto starts = [&](const char* p) { return key.rfind(p, 0) == 0; };
    auto ends = [&](const std::string& s) { return key.size() >= s.size() && key.compare(key.size() - s.size(), s.size(), s) == 0; };
    return starts("SHAPEPIXMAP") || starts("TITLEBARPIXMAP") ||
           (key.size() == 7 && starts("BUTTON") && key[6] >= 'A' && key[6] <= 'F') || ends("BUTTON") ||
           ends("BUTTONDOWN") || ends("DOWNBUTTON");
}
bool IsXfwm4Key(const std::string& key) {
    static const char* const kKeys[] = {
        "BUTTON_LAYOUT", "BUTTON_OFFSET", "BUTTON_SPACING", "TITLE_ALIGNMENT", "FULL_WIDTH_TITLE",
        "TITLE_HORIZONTAL_OFFSET", "TITLE_VERTICAL_OFFSET_ACTIVE", "TITLE_VERTICAL_OFFSET_INACTIVE",
        "ACTIVE_TEXT_COLOR", "INACTIVE_TEXT_COLOR", "ACTIVE_TEXT_SHADOW_COLOR", "INACTIVE_TEXT_SHADOW_COLOR",
        "TITLE_SHADOW_ACTIVE", "TITLE_SHADOW_INACTIVE", "FRAME_BORDER_TOP", "MAXIMIZED_OFFSET", "SHOW_APP_ICON",
        "SHADOW_DELTA_HEIGHT", "SHADOW_DELTA_WIDTH", "SHADOW_DELTA_X", "SHADOW_DELTA_Y", "SHADOW_OPACITY",
    };
    for (const char* k : kKeys)
        if (key == k) return true;
    return false;
}
bool HasXfwm4Image(const std::string& folder) {
    for (const char* base : {"top-left-active", "title-1-active", "title-3-active", "close-active", "bottom-active"})
        for (const char* ext : {".xpm", ".png"})
            if (!FindExistingFile(PathInFolder(folder, std::string(base) + ext)).empty()) return true;
    return false;
}

std::string Trimmed(const std::string& text) {
    std::size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32) ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32) --last;
    return text.substr(first, last - first);
}

// A theme folder X (holding xfwm4/themerc) may have siblings X-hdpi and X-xhdpi drawn at 150 % and
// 200 %: their images of the same names are the larger drawings of ours.
std::vector<std::pair<std::string, std::int32_t>> LargerThemeFolders(const std::string& folder) {
    std::vector<std::pair<std::string, std::int32_t>> found;
    const std::string themeFolder = FolderOf(folder);
    if (folder.empty() || themeFolder.empty() || themeFolder == folder) return found;
    const std::string themes = FolderOf(themeFolder), name = FileNameOf(themeFolder), leaf = FileNameOf(folder);
    for (const auto& [suffix, dpi] : {std::pair<const char*, std::int32_t>{"-hdpi", 144}, {"-xhdpi", 192}}) {
        const std::string sibling = PathInFolder(PathInFolder(themes, name + suffix), leaf);
        if (FileExists(PathInFolder(sibling, "themerc"))) found.emplace_back(sibling, dpi);
    }
    return found;
}

class Xfwm4Import {
public:
    Xfwm4Import(const std::vector<std::string>& lines, ThemeState& state, const ThemeErrorSink& sink,
                const std::string& folder)
        : values_(lines), state_(state), sink_(sink), folder_(folder) {}

    void Run();

private:
    // The images of one piece in its states; the active image is the normal one.
    // The image NAME (.xpm with .png over it) and its larger drawings from sibling folders.
    Bitmap* Layered(const std::string& name);
    ElementImages Images(const std::string& base, bool withButtonStates);
    // The maximise button's twin with the -toggled images, shown on maximised windows instead of
    // the button (nothing when the theme has no such images); it takes the button's place once
    // the button is laid out.
    void AddToggledTwin(TUIElement& button, const ButtonKind& kind);
    TUIElement& Piece(const std::string& base, std::uint8_t anchor1, std::uint8_t anchor2, std::int32_t hitCode,
                      std::uint32_t style, std::uint8_t mode);
    TUIElement* Button(char letter);
    std::int32_t Number(const char* key, std::int32_t fallback, std::int32_t low, std::int32_t high);
    void TextColour(const char* key, Font& font);
    void LayOutButtons(const std::string& letters, bool rightSide, int edgeX, int titleHeight, int& end);

    ThemercValues values_;
    ThemeState& state_;
    const ThemeErrorSink& sink_;
    const std::string& folder_;
    std::vector<std::pair<std::string, std::int32_t>> largerFolders_ = LargerThemeFolders(folder_);
    std::int32_t buttonOffset_ = 0;
    std::int32_t buttonSpacing_ = 0;
    bool hasShade_ = false;
    std::vector<std::pair<const TUIElement*, TUIElement*>> twins_;  // a button and its toggled twin
};

Bitmap* Xfwm4Import::Layered(const std::string& name) {
    ThemeColourSymbols* symbols = state_.ColourSymbols.get();
    Bitmap* image = AddLayeredImage(*state_.Theme, folder_, name, sink_, symbols);
    if (image)
        for (const auto& [folder, dpi] : largerFolders_) AttachLargerLayeredImage(*image, folder, name, dpi, sink_, symbols);
    return image;
}

ElementImages Xfwm4Import::Images(const std::string& base, bool withButtonStates) {
    ElementImages images;
    images.normal = Layered(base + "-active");
    if (!images.normal) return images;  // a piece the theme lacks: no other state of it either
    images.inactive = Layered(base + "-inactive");
    if (withButtonStates) {
        images.hover = Layered(base + "-prelight");
        images.down = Layered(base + "-pressed");
    }
    return images;
}

void Xfwm4Import::AddToggledTwin(TUIElement& button, const ButtonKind& kind) {
    const ElementImages images = Images(std::string(kind.image) + "-toggled", true);
    if (!images.normal) return;
    TUIElement& twin = AppendImageElement(*state_.Elements, images, kAnchorTopLeft, kAnchorTopLeft, kind.hitCode,
                                          kMaximizedStyle, 0);
    // The button itself stays for windows that may be maximised and are not.
    button.AbsentStyle = kMaximizedStyle;
    twins_.emplace_back(&button, &twin);
}

TUIElement& Xfwm4Import::Piece(const std::string& base, std::uint8_t anchor1, std::uint8_t anchor2,
                               std::int32_t hitCode, std::uint32_t style, std::uint8_t mode) {
    TUIElement& piece = AppendImageElement(*state_.Elements, Images(base, false), anchor1, anchor2, hitCode, style, mode);
    // A piece the theme lacks keeps its place in the list (and its hit code) but draws nothing:
    // not the mark of a missing bitmap, which even an empty rectangle would show a pixel of.
    piece.NoImage = piece.NormalBitmap == nullptr;
    return piece;
}

TUIElement* Xfwm4Import::Button(char letter) {
    for (const ButtonKind& kind : kButtonKinds) {
        if (kind.letter != letter) continue;
        ElementImages images = Images(kind.image, true);
        if (!images.normal) return nullptr;  // a button the theme has no image for takes no room
        if (kind.hitCode == kCodeShrinkFlip) hasShade_ = true;
        TUIElement& button = AppendImageElement(*state_.Elements, images, kAnchorTopLeft, kAnchorTopLeft,
                                                kind.hitCode, StyleOfHitCode(kind.hitCode), 0);
        if (kind.hitCode == kCodeMaximize) AddToggledTwin(button, kind);
        return &button;
    }
    return nullptr;
}

std::int32_t Xfwm4Import::Number(const char* key, std::int32_t fallback, std::int32_t low, std::int32_t high) {
    const ThemercValue value = values_.Find(key);
    const std::string text = Trimmed(value.text);
    if (text.empty()) return fallback;
    std::int32_t result = fallback;
    GuardThemeLine(value.line, sink_, [&] {
        const std::int32_t n = ParseDecimal(text);
        if (n < low || n > high)
            throw ThemeError(std::string(key) + "=" + text + " is out of range (" + std::to_string(low) + " to " +
                             std::to_string(high) + ")");
        result = n;
    });
    return result;
}

// "#RRGGBB" and the other X forms set the font's colour. GTK's symbolic names
// (active_text_color_2) stand for colours of the desktop's GTK theme, which no Windows process
// has: the font keeps its colour.
void Xfwm4Import::TextColour(const char* key, Font& font) {
    if (std::optional<Colour> colour = ParseHashColour(Trimmed(values_.Find(key).text))) font.colour = *colour;
}

// Places the buttons of one side of the layout, outwards in: left ones from the left border,
// right ones from the right border. `end` becomes the inner edge of the last one placed (0 when
// there is none): a TL x on the left, a TR x (negative) on the right.
void Xfwm4Import::LayOutButtons(const std::string& letters, bool rightSide, int edgeX, int titleHeight, int& end) {
    std::vector<TUIElement*> buttons;
    for (char letter : letters)
        if (TUIElement* button = Button(letter)) buttons.push_back(button);
    if (rightSide) std::reverse(buttons.begin(), buttons.end());  // the last letter sits at the edge
    int x = edgeX + (rightSide ? -buttonOffset_ : buttonOffset_);
    end = 0;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        TUIElement& button = *buttons[i];
        const int w = WidthOf(button.NormalBitmap), h = HeightOf(button.NormalBitmap);
        if (i > 0) x += rightSide ? -buttonSpacing_ : buttonSpacing_;
        const int y = h < titleHeight ? (titleHeight - h) / 2 : 0;
        if (rightSide) {
            button.Anchor1 = button.Anchor2 = kAnchorTopRight;
            button.Corner1 = {x - w, y};
            button.Corner2 = {x, y + h};
            x -= w;
        } else {
            button.Corner1 = {x, y};
            button.Corner2 = {x + w, y + h};
            x += w;
        }
        end = x;
    }
    for (const auto& [button, twin] : twins_) {
        twin->Anchor1 = button->Anchor1;
        twin->Anchor2 = button->Anchor2;
        twin->Corner1 = button->Corner1;
        twin->Corner2 = {button->Corner1.x + WidthOf(twin->NormalBitmap), button->Corner1.y + HeightOf(twin->NormalBitmap)};
    }
}

void Xfwm4Import::Run() {
    state_.AutoExclude = true;  // rounded corners are cut out of the window region
    state_.ThemeLoaded = true;
    // The symbolic colours of the images and the caption's text colours follow the desktop's.
    state_.ColourSymbols = std::make_unique<ThemeColourSymbols>();
    state_.ColourSymbols->definitions = FindXfwm4ColourDefinitions(values_);
    state_.ColourSymbols->captionFonts = true;
    buttonOffset_ = Number("button_offset", 0, -kMaxOffset, kMaxOffset);
    buttonSpacing_ = Number("button_spacing", 0, -kMaxOffset, kMaxOffset);

    // Frame pieces. The corners at the top are as tall as the title bar; the sides are tiled
    // between the corners, as xfwm4 tiles them.
    TUIElement& topLeft = Piece("top-left", kAnchorTopLeft, kAnchorTopLeft, kCodeTopLeft, kStyleThickFrame, 0);
    TUIElement& topRight = Piece("top-right", kAnchorTopRight, kAnchorTopRight, kCodeTopRight, kStyleThickFrame, 0);
    TUIElement& left = Piece("left", kAnchorTopLeft, kAnchorBottomLeft, kCodeLeft, kStyleThickFrame, kAnchorFill);
    TUIElement& right = Piece("right", kAnchorTopRight, kAnchorBottomRight, kCodeRight, kStyleThickFrame, kAnchorFill);
    TUIElement& bottomLeft =
        Piece("bottom-left", kAnchorBottomLeft, kAnchorBottomLeft, kCodeBottomLeft, kStyleThickFrame, 0);
    TUIElement& bottom = Piece("bottom", kAnchorBottomLeft, kAnchorBottomRight, kCodeBottom, kStyleThickFrame, kAnchorFill);
    TUIElement& bottomRight =
        Piece("bottom-right", kAnchorBottomRight, kAnchorBottomRight, kCodeBottomRight, kStyleThickFrame, 0);
    // The title bar: title-3 (the piece under the text) tiled between the top corners, then the
    // other four pieces drawn once over it at the ends of the caption: title-1 and title-2 after
    // the left buttons, title-4 and title-5 before the right ones. The text's own width is not
    // known here, so the part under it is title-3 wherever it is drawn.
    TUIElement& strip = Piece("title-3", kAnchorTopLeft, kAnchorTopRight, kCodeTitle, kStyleCaption, kAnchorFill);
    TUIElement& title1 = Piece("title-1", kAnchorTopLeft, kAnchorTopLeft, kCodeTitle, kStyleCaption, 0);
    TUIElement& title2 = Piece("title-2", kAnchorTopLeft, kAnchorTopLeft, kCodeTitle, kStyleCaption, 0);
    TUIElement& title4 = Piece("title-4", kAnchorTopRight, kAnchorTopRight, kCodeTitle, kStyleCaption, 0);
    TUIElement& title5 = Piece("title-5", kAnchorTopRight, kAnchorTopRight, kCodeTitle, kStyleCaption, 0);

    const int leftWidth = WidthOf(left.NormalBitmap), rightWidth = WidthOf(right.NormalBitmap);
    const int bottomHeight = HeightOf(bottom.NormalBitmap);
    int titleHeight = 0;
    for (const TUIElement* e : {&topLeft, &topRight, &strip, &title1, &title2, &title4, &title5})
        titleHeight = std::max(titleHeight, HeightOf(e->NormalBitmap));

    left.Corner1 = {0, HeightOf(topLeft.NormalBitmap)};
    left.Corner2 = {leftWidth, -HeightOf(bottomLeft.NormalBitmap)};
    right.Corner1 = {-rightWidth, HeightOf(topRight.NormalBitmap)};
    right.Corner2 = {0, -HeightOf(bottomRight.NormalBitmap)};
    bottom.Corner1 = {WidthOf(bottomLeft.NormalBitmap), -bottomHeight};
    bottom.Corner2 = {-WidthOf(bottomRight.NormalBitmap), 0};
    strip.Corner1 = {WidthOf(topLeft.NormalBitmap), 0};
    strip.Corner2 = {-WidthOf(topRight.NormalBitmap), titleHeight};

    // The caption and, when the theme asks for one, the sizing strip along the top edge come
    // before the buttons, so that a click on a button is the button's.
    TUIElement& caption = AppendImageElement(*state_.Elements, {}, kAnchorTopLeft, kAnchorTopRight, kCodeCaption,
                                             kStyleCaption, 0);
    caption.NoImage = true;
    const std::int32_t borderTop = Number("frame_border_top", 0, 0, kMaxOffset);
    if (borderTop > 0) {
        TUIElement& top = AppendImageElement(*state_.Elements, {}, kAnchorTopLeft, kAnchorTopRight, kCodeTop,
                                             kStyleThickFrame, 0);
        top.NoImage = true;
        top.Corner1 = strip.Corner1;
        top.Corner2 = {strip.Corner2.x, std::min(borderTop, titleHeight)};
    }
    TUIElement& client = AppendImageElement(*state_.Elements, {}, kAnchorTopLeft, kAnchorBottomRight, kCodeClient,
                                            kStyleAny, 0);
    client.NoImage = true;
    client.Corner1 = {leftWidth, titleHeight};
    client.Corner2 = {-rightWidth, -bottomHeight};

    std::string layout = Trimmed(values_.Find("button_layout").text);
    if (layout.empty()) layout = kDefaultLayout;
    std::string leftLetters, rightLetters, seen;
    bool afterTitle = false;
    for (char c : layout) {
        const char letter = UpperChar(c);
        if (letter == '|') afterTitle = true;
        if (letter == '|' || seen.find(letter) != std::string::npos) continue;  // each button once
        seen += letter;
        (afterTitle ? rightLetters : leftLetters) += letter;
    }
    int leftEnd = 0, rightEnd = 0;
    LayOutButtons(leftLetters, false, leftWidth, titleHeight, leftEnd);
    LayOutButtons(rightLetters, true, -rightWidth, titleHeight, rightEnd);
    leftEnd = std::max(leftEnd, strip.Corner1.x);
    rightEnd = std::min(rightEnd, strip.Corner2.x);

    auto place = [](TUIElement& piece, int x, bool fromRight) {
        const int w = WidthOf(piece.NormalBitmap), h = HeightOf(piece.NormalBitmap);
        piece.Corner1 = {fromRight ? x - w : x, 0};
        piece.Corner2 = {fromRight ? x : x + w, h};
    };
    place(title1, leftEnd, false);
    place(title2, title1.Corner2.x, false);
    place(title5, rightEnd, true);
    place(title4, title5.Corner1.x, true);

    // The text: between the buttons, moved by the theme's offsets (the horizontal one away from
    // the side the text keeps to: from the right edge for right-aligned text, as in xfwm4).
    const std::int32_t dx = Number("title_horizontal_offset", 0, -kMaxOffset, kMaxOffset);
    const std::int32_t dy = Number("title_vertical_offset_active", 0, -kMaxOffset, kMaxOffset);
    const std::string alignment = Trimmed(values_.Find("title_alignment").text);
    state_.CenterCaption = alignment.empty() || SameText(alignment, "center");  // xfwm4 centres by default
    state_.RightCaption = SameText(alignment, "right");
    caption.Corner1 = {leftEnd + (state_.RightCaption ? 0 : dx), dy};
    caption.Corner2 = {rightEnd - (state_.RightCaption ? dx : 0), titleHeight};
    TextColour("active_text_color", state_.TitleFont);
    TextColour("inactive_text_color", state_.InactiveFont);

    // Shading rolls the window up to its title bar.
    if (hasShade_) {
        state_.ShrinkElement = std::make_unique<TUIElement>();
        state_.ShrinkElement->Anchor1 = kAnchorTopLeft;
        state_.ShrinkElement->Anchor2 = kAnchorTopRight;
        state_.ShrinkElement->Corner2 = {0, titleHeight};
    }

    // As for kwm themes: what the frame adds to each side, and a little more.
    state_.WidthFixup = leftWidth + rightWidth + 4;
    state_.HeightFixup = titleHeight + bottomHeight + 4;
}

}  // namespace

bool LooksLikeXfwm4Theme(const std::vector<std::string>& lines, const std::string& folder) {
    const ThemercValues values(lines);
    if (values.AnyKey(IsKwmKey)) return false;
    return values.AnyKey(IsXfwm4Key) || HasXfwm4Image(folder);
}

void ImportXfwm4Theme(const std::vector<std::string>& lines, ThemeState& state, const ThemeErrorSink& sink,
                      const std::string& folder) {
    if (!state.Elements || !state.Theme) return;
    Xfwm4Import(lines, state, sink, folder).Run();
}

}  // namespace vt
