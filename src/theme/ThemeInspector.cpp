#include "theme/ThemeInspector.h"

#include <cstdio>

#include "theme/FrameElementsCheck.h"
#include "theme/ThemeLoader.h"

namespace vt {
namespace {

std::string Hex(std::uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, unsigned(value));
    return text;
}

std::string Flag(bool on) { return on ? "1" : "0"; }

std::string OrDash(const std::string& text) { return text.empty() ? "-" : text; }

std::string Point(const CornerPoint& p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

std::string Corners(const TUIElement& e) {
    return "c1=" + Point(e.Corner1) + " a1=" + Hex(e.Anchor1, 2) + " c2=" + Point(e.Corner2) +
           " a2=" + Hex(e.Anchor2, 2);
}

// One record per line: carriage returns and line feeds inside a message are written escaped.
std::string Escaped(const std::string& message) {
    std::string out;
    for (char c : message) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

std::string FontRecord(const char* which, const Font& font) {
    return std::string("font ") + which + " face=" + font.face + " size=" + std::to_string(font.size) +
           " color=" + Hex(font.colour, 8) + " bold=" + Flag(font.bold) + " italic=" + Flag(font.italic) +
           " underline=" + Flag(font.underline) + "\n";
}

}  // namespace

ThemeInspector::ThemeInspector(ThemeState& state) : state_(state) {}

ThemeInspector::~ThemeInspector() { ReleaseThemeStructures(state_); }

void ThemeInspector::Load(const std::string& path, const std::vector<WordRegistration>& extraWords,
                          const SystemColourTable* systemColours) {
    path_ = path;
    errors_.clear();
    try {
        ThemeLoadSteps steps;
        steps.words = extraWords;
        steps.sink = [this](const ThemeLoadError& error) { errors_.push_back(error); };
        steps.systemColours = systemColours;
        steps.requireFrame = true;
        LoadThemeState(path, state_, steps);
    } catch (const std::exception& e) {
        errors_.push_back({0, e.what(), 0});
    }
}

std::string FormatCheckReport(const std::string& path, const std::vector<ThemeLoadError>& errors) {
    std::string out;
    for (const ThemeLoadError& error : errors)
        out += path + ":" + std::to_string(error.line) + ": " + Escaped(error.message) + "\n";
    return out;
}

std::string ThemeInspector::CheckReport() const { return FormatCheckReport(path_, errors_); }

std::string ThemeInspector::Dump() const { return DumpThemeState(state_) + CheckReport(); }

std::string DumpThemeState(const ThemeState& state) {
    std::string out;
    const TThemeItems* items = state.Theme ? &state.Theme->Items() : nullptr;
    auto bitmapName = [items](const Bitmap* bitmap) {
        const TThemeItem* holder = items ? items->FindHolder(bitmap) : nullptr;
        return holder ? OrDash(holder->Name()) : std::string("-");
    };
    if (items) {
        for (std::size_t i = 0; i < items->Count(); ++i) {
            const TThemeItem& item = (*items)[i];
            out += "bitmap " + std::to_string(i) + " name=" + OrDash(item.Name()) + " file=" + OrDash(item.FileName()) +
                   " size=" + std::to_string(item.Bitmap().Width()) + "x" + std::to_string(item.Bitmap().Height()) +
                   " transparent=" + Flag(item.Transparent()) + " key=" + Hex(item.TransparentColor(), 6) + "\n";
        }
    }
    std::size_t count = state.Elements ? state.Elements->Count() : 0;
    for (std::size_t i = 0; i < count; ++i) {
        const TUIElement& e = state.Elements->At(std::ptrdiff_t(i));
        out += "element " + std::to_string(i) + " code=" + std::to_string(e.HitCode) + " style=" + Hex(e.StyleMask, 8) +
               " inverted=" + Flag(e.Inverted) + " " + Corners(e) + " noimage=" + Flag(e.NoImage) +
               " normal=" + bitmapName(e.NormalBitmap) + " down=" + bitmapName(e.DownBitmap) +
               " inactive=" + bitmapName(e.InactiveBitmap) + " hover=" + bitmapName(e.HoverBitmap) +
               " name=" + OrDash(e.Name) + (e.AbsentStyle ? " absent=" + Hex(e.AbsentStyle, 8) : std::string()) +
               "\n";
        std::string events;
        for (const EventSlot& slot : kEventSlots)
            if (e.*slot.word) events += (events.empty() ? "" : ",") + std::string(slot.name);
        if (!events.empty()) out += "events " + std::to_string(i) + " " + events + "\n";
    }
    if (state.ShrinkElement) out += "shrink " + Corners(*state.ShrinkElement) + "\n";
    out += "settings widthfixup=" + std::to_string(state.WidthFixup) +
           " heightfixup=" + std::to_string(state.HeightFixup) + " menufixup=" + std::to_string(state.MenuFixup) +
           " tilemenu=" + Flag(state.TileMenu) + " autoexclude=" + Flag(state.AutoExclude) +
           " windowzoom=" + Flag(state.WindowZoom) + " centercaption=" + Flag(state.CenterCaption) +
           " solidcaption=" + Flag(state.SolidCaption) + " titlecolor=" + Hex(state.TitleColor, 8) +
           " inactivecolor=" + Hex(state.InactiveColor, 8) + " loaded=" + Flag(state.ThemeLoaded) +
           (state.RightCaption ? " rightcaption=1" : "") + "\n";
    out += FontRecord("title", state.TitleFont);
    out += FontRecord("menu", state.MenuFont);
    out += FontRecord("inactive", state.InactiveFont);
    const ButtonBitmaps& button = state.Button;
    out += "button normal=" + bitmapName(button.Normal()) + " down=" + bitmapName(button.Down()) +
           " focused=" + bitmapName(button.Focused()) + " disabled=" + bitmapName(button.Disabled()) + "\n";
    for (const std::string& line : state.ThemeInfo) out += "info " + line + "\n";
    return out;
}

}  // namespace vt
