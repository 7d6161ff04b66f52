#include "theme/kwm/KwmImporter.h"

#include <array>
#include <cstdlib>

#include "common/AsciiText.h"
#include "theme/import/ImportedElement.h"
#include "theme/import/ImportedImage.h"
#include "theme/import/ThemercValues.h"

namespace vt {
namespace {

struct ButtonKind {
    const char* kind;         // the upper-cased value of ButtonA .. ButtonF
    const char* imageKey;
    const char* defaultImage;
    const char* downKey;
    const char* kdeDownKey;   // KDE 1 themes spell the pressed image this way; downKey wins
    std::int32_t hitCode;
};

// Sticky buttons and Off slots are not among these: they make no element and take no room.
constexpr std::array<ButtonKind, 4> kButtonKinds = {{
    {"MENU", "MenuButton", "MENU.XPM", "MenuButtonDown", "MenuDownButton", kCodeSysMenu},
    {"MAXIMIZE", "MaximizeButton", "MAXIMIZE.XPM", "MaximizeButtonDown", "MaximizeDownButton", kCodeMaximize},
    {"ICONIFY", "MinimizeButton", "ICONIFY.XPM", "MinimizeButtonDown", "MinimizeDownButton", kCodeMinimize},
    {"CLOSE", "CloseButton", "CLOSE.XPM", "CloseButtonDown", "CloseDownButton", kCodeClose},
}};

class KwmImport {
public:
    KwmImport(const std::vector<std::string>& lines, ThemeState& state, const ThemeErrorSink& sink,
              const std::string& folder)
        : values_(lines), state_(state), sink_(sink), folder_(folder) {}

    void Run();

private:
    TUIElement& ElementFromImages(const ThemercValue& normal, const ThemercValue& pressed, const ThemercValue& inactive,
                                  std::uint8_t anchor1, std::uint8_t anchor2, std::int32_t hitCode,
                                  std::uint32_t style, std::uint8_t mode);
    TUIElement* MakeButton(const std::string& slotKey);
    TUIElement& FramePiece(const char* key, const char* fallback, std::uint8_t anchor1, std::uint8_t anchor2,
                           std::int32_t hitCode, std::uint8_t mode);

    ThemercValues values_;
    ThemeState& state_;
    const ThemeErrorSink& sink_;
    const std::string& folder_;
};

TUIElement& KwmImport::ElementFromImages(const ThemercValue& normal, const ThemercValue& pressed,
                                         const ThemercValue& inactive, std::uint8_t anchor1, std::uint8_t anchor2,
                                         std::int32_t hitCode, std::uint32_t style, std::uint8_t mode) {
    ElementImages images;
    images.normal = AddXpmImage(*state_.Theme, folder_, normal, sink_);
    images.down = AddXpmImage(*state_.Theme, folder_, pressed, sink_);
    images.inactive = AddXpmImage(*state_.Theme, folder_, inactive, sink_);
    return AppendImageElement(*state_.Elements, images, anchor1, anchor2, hitCode, style, mode);
}

TUIElement& KwmImport::FramePiece(const char* key, const char* fallback, std::uint8_t anchor1, std::uint8_t anchor2,
                                  std::int32_t hitCode, std::uint8_t mode) {
    return ElementFromImages(values_.FindOr(key, fallback), {}, {}, anchor1, anchor2, hitCode, kStyleThickFrame, mode);
}

TUIElement* KwmImport::MakeButton(const std::string& slotKey) {
    std::string kind = UpperCase(values_.Find(slotKey).text);
    for (const ButtonKind& button : kButtonKinds) {
        if (kind != button.kind) continue;
        ThemercValue pressed = values_.Find(button.downKey);
        if (pressed.text.empty()) pressed = values_.Find(button.kdeDownKey);
        return &ElementFromImages(values_.FindOr(button.imageKey, button.defaultImage), pressed, {}, kAnchorTopLeft,
                                  kAnchorTopLeft, button.hitCode, StyleOfHitCode(button.hitCode), 0);
    }
    return nullptr;
}

void KwmImport::Run() {
    state_.AutoExclude = true;
    state_.ThemeLoaded = true;

    TUIElement& topLeft = FramePiece("shapePixmapTopLeft", "wm_topleft.xpm", kAnchorTopLeft, kAnchorTopLeft, kCodeTopLeft, 0);
    TUIElement& top = FramePiece("shapePixmapTop", "wm_top.xpm", kAnchorTopLeft, kAnchorTopRight, kCodeTop, kAnchorStretch);
    TUIElement& topRight =
        FramePiece("shapePixmapTopRight", "wm_topright.xpm", kAnchorTopRight, kAnchorTopRight, kCodeTopRight, 0);
    TUIElement& right =
        FramePiece("shapePixmapRight", "wm_right.xpm", kAnchorTopRight, kAnchorBottomRight, kCodeRight, kAnchorStretch);
    TUIElement& bottomRight =
        FramePiece("shapePixmapBottomRight", "wm_bottomright.xpm", kAnchorBottomRight, kAnchorBottomRight, kCodeBottomRight, 0);
    TUIElement& bottom =
        FramePiece("shapePixmapBottom", "wm_bottom.xpm", kAnchorBottomLeft, kAnchorBottomRight, kCodeBottom, kAnchorStretch);
    TUIElement& bottomLeft =
        FramePiece("shapePixmapBottomLeft", "wm_bottomleft.xpm", kAnchorBottomLeft, kAnchorBottomLeft, kCodeBottomLeft, 0);
    TUIElement& left = FramePiece("shapePixmapLeft", "wm_left.xpm", kAnchorTopLeft, kAnchorBottomLeft, kCodeLeft, kAnchorStretch);
    TUIElement& title = ElementFromImages(values_.FindOr("TitlebarPixmapActive", "activetitlebar.xpm"), {},
                                          values_.FindOr("TitlebarPixmapInactive", "inactivetitlebar.xpm"),
                                          kAnchorTopLeft, kAnchorTopRight, kCodeTitle, kStyleCaption, kAnchorFill);
    TUIElement& caption = ElementFromImages({}, {}, {}, kAnchorTopLeft, kAnchorTopRight, kCodeCaption, kStyleCaption, 0);
    caption.NoImage = true;
    TUIElement& client = ElementFromImages({}, {}, {}, kAnchorTopLeft, kAnchorBottomRight, kCodeClient, kStyleAny, 0);
    client.NoImage = true;

    // The edges run between the corner pieces.
    top.Corner1.x = topLeft.Corner2.x;
    top.Corner2.x = topRight.Corner1.x;
    right.Corner1.y = topRight.Corner2.y;
    right.Corner2.y = bottomRight.Corner1.y;
    bottom.Corner1.x = bottomLeft.Corner2.x;
    bottom.Corner2.x = bottomRight.Corner1.x;
    left.Corner1.y = topLeft.Corner2.y;
    left.Corner2.y = bottomLeft.Corner1.y;
    OffsetElement(left, -1, 0);
    OffsetElement(right, 1, 0);
    OffsetElement(bottom, 0, 1);

    // The title bar sits inside the frame, under the top edge.
    title.Corner1 = {left.Corner2.x, top.Corner2.y};
    title.Corner2.x = right.Corner1.x;
    title.Corner2.y += top.Corner2.y;
    int titleHeight = title.Corner2.y - title.Corner1.y;
    int tallestButton = 0;

    std::array<TUIElement*, 6> buttons{};
    int leftOffset = 0;
    const char* leftKeys[] = {"ButtonA", "ButtonB", "ButtonC"};
    for (int i = 0; i < 3; ++i) {
        TUIElement* button = buttons[std::size_t(i)] = MakeButton(leftKeys[i]);
        if (!button) continue;
        int w = WidthOf(button->NormalBitmap), h = HeightOf(button->NormalBitmap);
        button->Corner1 = {left.Corner2.x + leftOffset, top.Corner2.y};
        button->Corner2 = {button->Corner1.x + w, button->Corner1.y + h};
        leftOffset += w;
        if (button->NormalBitmap && h > tallestButton) tallestButton = h;
    }
    int rightOffset = 0;
    const char* rightKeys[] = {"ButtonD", "ButtonE", "ButtonF"};
    for (int i = 0; i < 3; ++i) {
        TUIElement* button = buttons[std::size_t(3 + i)] = MakeButton(rightKeys[i]);
        if (!button) continue;
        int w = WidthOf(button->NormalBitmap), h = HeightOf(button->NormalBitmap);
        button->Anchor1 = button->Anchor2 = kAnchorTopRight;
        button->Corner1 = {right.Corner1.x + rightOffset - w, top.Corner2.y};
        button->Corner2 = {right.Corner1.x + rightOffset, h + top.Corner2.y};
        rightOffset -= w;
        if (button->NormalBitmap && h > tallestButton) tallestButton = h;
    }
    // Buttons lower than the title bar are centred in it; taller ones keep their place.
    if (tallestButton > 0 && tallestButton < titleHeight) {
        for (TUIElement* button : buttons) {
            if (!button) continue;
            int d = (titleHeight - (button->Corner2.y - button->Corner1.y)) / 2;
            OffsetElement(*button, 0, d);
        }
    }

    caption.Corner1 = {title.Corner1.x + leftOffset, title.Corner1.y};
    caption.Corner2 = {title.Corner2.x + rightOffset, title.Corner2.y};
    client.Corner1 = {left.Corner2.x, title.Corner2.y};
    client.Corner2 = {right.Corner1.x, bottom.Corner1.y};

    state_.WidthFixup = std::abs(right.Corner1.x) + left.Corner2.x + 4;
    state_.HeightFixup = std::abs(bottom.Corner1.y) + title.Corner2.y + 4;
}

}  // namespace

void ImportKwmTheme(const std::vector<std::string>& lines, ThemeState& state, const ThemeErrorSink& sink,
                    const std::string& folder) {
    if (!state.Elements || !state.Theme) return;
    KwmImport(lines, state, sink, folder).Run();
}

}  // namespace vt
