#include "theme/xfwm4/Xfwm4Colours.h"

#include <array>

#include "common/AsciiText.h"
#include "graphics/X11Colours.h"
#include "theme/xfwm4/GtkShade.h"

namespace vt {
namespace {

// Which of a GTK state's colours a name is.
enum class Part { Background, Light, Dark, Mid, Text };

struct NameRow {
    const char* name;
    Part part;
    SystemColour source;  // the background of the state, or its text colour for Part::Text
};

// xfwm4's list of names, in its order, with the GTK colour it gives each (src/settings.c): the
// text colours are "fg" of selected / insensitive, their shadows "dark" of the same; the _1 sets
// are bg/light/dark/mid of selected (active) and insensitive (inactive), the _2 sets those of
// normal. The borders are "fg" of normal, the dark line around a frame: the window frame colour.
constexpr std::array<NameRow, 24> kNames = {{
    {"active_text_color", Part::Text, SystemColour::CaptionText},
    {"inactive_text_color", Part::Text, SystemColour::InactiveCaptionText},
    {"active_text_shadow_color", Part::Dark, SystemColour::ActiveCaption},
    {"inactive_text_shadow_color", Part::Dark, SystemColour::InactiveCaption},
    {"active_border_color", Part::Text, SystemColour::WindowFrame},
    {"inactive_border_color", Part::Text, SystemColour::WindowFrame},
    {"active_color_1", Part::Background, SystemColour::ActiveCaption},
    {"active_hilight_1", Part::Light, SystemColour::ActiveCaption},
    {"active_shadow_1", Part::Dark, SystemColour::ActiveCaption},
    {"active_mid_1", Part::Mid, SystemColour::ActiveCaption},
    {"active_text_color_2", Part::Text, SystemColour::ButtonText},
    {"active_color_2", Part::Background, SystemColour::ButtonFace},
    {"active_hilight_2", Part::Light, SystemColour::ButtonFace},
    {"active_shadow_2", Part::Dark, SystemColour::ButtonFace},
    {"active_mid_2", Part::Mid, SystemColour::ButtonFace},
    {"inactive_color_1", Part::Background, SystemColour::InactiveCaption},
    {"inactive_hilight_1", Part::Light, SystemColour::InactiveCaption},
    {"inactive_shadow_1", Part::Dark, SystemColour::InactiveCaption},
    {"inactive_mid_1", Part::Mid, SystemColour::InactiveCaption},
    {"inactive_text_color_2", Part::Text, SystemColour::InactiveCaptionText},
    {"inactive_color_2", Part::Background, SystemColour::ButtonFace},
    {"inactive_hilight_2", Part::Light, SystemColour::ButtonFace},
    {"inactive_shadow_2", Part::Dark, SystemColour::ButtonFace},
    {"inactive_mid_2", Part::Mid, SystemColour::ButtonFace},
}};

int FindRow(const std::string& name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (SameText(name, kNames[i].name)) return int(i);
    return -1;
}

std::optional<Colour> ParseColourValue(const std::string& text) {
    if (!text.empty() && text[0] == '#') return ParseHashColour(text);
    return FindX11Colour(text);
}

std::string Trimmed(const std::string& text) {
    std::size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32) ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32) --last;
    return text.substr(first, last - first);
}

}  // namespace

ThemeColourDefinitions FindXfwm4ColourDefinitions(const ThemercValues& values) {
    ThemeColourDefinitions out;
    for (const NameRow& row : kNames) {
        std::string value = Trimmed(values.Find(row.name).text);
        if (!value.empty()) out.emplace_back(row.name, std::move(value));
    }
    return out;
}

const std::string* Xfwm4Colours::Definition(int row) const {
    for (const auto& definition : definitions_)
        if (SameText(definition.first, kNames[std::size_t(row)].name)) return &definition.second;
    return nullptr;
}

Colour Xfwm4Colours::FromDesktop(int row) const {
    const NameRow& r = kNames[std::size_t(row)];
    const Colour base = system_.Get(r.source) & 0xFFFFFF;
    switch (r.part) {
    case Part::Light: return LightColour(base);
    case Part::Dark: return DarkColour(base);
    case Part::Mid: return MidColour(base);
    default: return base;
    }
}

std::optional<Colour> Xfwm4Colours::Find(const std::string& name) const {
    const int row = FindRow(name);
    if (row < 0) return std::nullopt;
    // The theme's own value first: a colour, or another name (active_text_color=active_hilight_2)
    // whose colour is the theme's or the desktop's, one step as in xfwm4. A value that is neither
    // leaves the desktop's colour.
    if (const std::string* value = Definition(row)) {
        if (std::optional<Colour> colour = ParseColourValue(*value)) return colour;
        const int other = FindRow(*value);
        if (other >= 0) {
            if (const std::string* otherValue = Definition(other))
                if (std::optional<Colour> colour = ParseColourValue(*otherValue)) return colour;
            return FromDesktop(other);
        }
    }
    return FromDesktop(row);
}

}  // namespace vt
