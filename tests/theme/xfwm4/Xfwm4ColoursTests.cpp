#include <gtest/gtest.h>

#include <map>
#include <string>

#include "theme/xfwm4/GtkShade.h"
#include "theme/xfwm4/Xfwm4Colours.h"

namespace vt {
namespace {

struct Scheme : SystemColourTable {
    std::map<SystemColour, Colour> colours;
    Colour Get(SystemColour which) const override { return colours.at(which); }
};

Scheme AnotherScheme() {
    Scheme s;
    s.colours = {{SystemColour::ActiveCaption, MakeColour(200, 40, 90)},
                 {SystemColour::InactiveCaption, MakeColour(128, 128, 128)},
                 {SystemColour::WindowFrame, MakeColour(1, 2, 3)},
                 {SystemColour::CaptionText, MakeColour(255, 255, 0)},
                 {SystemColour::ButtonFace, MakeColour(212, 208, 200)},
                 {SystemColour::ButtonText, MakeColour(4, 5, 6)},
                 {SystemColour::InactiveCaptionText, MakeColour(10, 36, 106)}};
    return s;
}

// Expected values from an independent HLS implementation (Python's colorsys) with GTK's factors.
TEST(GtkShade, LightDarkAndMidAsGtkDerivesThem) {
    struct Row {
        Colour base, light, dark, mid;
    } rows[] = {
        {MakeColour(10, 36, 106), MakeColour(0, 40, 150), MakeColour(17, 29, 64), MakeColour(8, 35, 107)},
        {MakeColour(212, 208, 200), MakeColour(255, 255, 255), MakeColour(153, 147, 134), MakeColour(204, 201, 194)},
        {MakeColour(128, 128, 128), MakeColour(166, 166, 166), MakeColour(89, 89, 89), MakeColour(128, 128, 128)},
        {MakeColour(255, 255, 255), MakeColour(255, 255, 255), MakeColour(178, 178, 178), MakeColour(216, 216, 216)},
        {MakeColour(200, 40, 90), MakeColour(241, 70, 123), MakeColour(123, 44, 69), MakeColour(182, 57, 96)},
        {0, 0, 0, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(LightColour(row.base), row.light) << std::hex << row.base;
        EXPECT_EQ(DarkColour(row.base), row.dark) << std::hex << row.base;
        EXPECT_EQ(MidColour(row.base), row.mid) << std::hex << row.base;
    }
}

TEST(Xfwm4Colours, NamesTakeTheSystemColoursOrTheThemesOwn) {
    const Scheme scheme = AnotherScheme();
    const ThemeColourDefinitions definitions = {
        {"active_shadow_2", "#102030"},          // a colour of the theme's own
        {"inactive_text_color", "active_mid_1"},  // another name
        {"inactive_color_2", "Red"},              // an X11 colour name
        {"active_text_color_2", "inactive_color_2"},  // a name the theme gives a colour
        {"inactive_hilight_1", "no such colour"},     // neither: the desktop's
    };
    const Xfwm4Colours colours(definitions, scheme);
    struct Row {
        const char* name;
        std::optional<Colour> expected;
    } rows[] = {
        {"active_color_1", MakeColour(200, 40, 90)},
        {"ACTIVE_HILIGHT_1", MakeColour(241, 70, 123)},  // names ignore case
        {"active_shadow_1", MakeColour(123, 44, 69)},
        {"active_mid_1", MakeColour(182, 57, 96)},
        {"active_text_shadow_color", MakeColour(123, 44, 69)},
        {"inactive_color_1", MakeColour(128, 128, 128)},
        {"inactive_shadow_1", MakeColour(89, 89, 89)},
        {"inactive_hilight_1", MakeColour(166, 166, 166)},
        {"active_color_2", MakeColour(212, 208, 200)},
        {"active_hilight_2", MakeColour(255, 255, 255)},
        {"active_mid_2", MakeColour(204, 201, 194)},
        {"inactive_shadow_2", MakeColour(153, 147, 134)},
        {"active_shadow_2", MakeColour(0x10, 0x20, 0x30)},
        {"inactive_color_2", MakeColour(255, 0, 0)},
        {"active_text_color", MakeColour(255, 255, 0)},
        {"inactive_text_color", MakeColour(182, 57, 96)},
        {"active_text_color_2", MakeColour(255, 0, 0)},
        {"inactive_text_color_2", MakeColour(10, 36, 106)},
        {"active_border_color", MakeColour(1, 2, 3)},
        {"inactive_border_color", MakeColour(1, 2, 3)},
        {"frame_glow_color", std::nullopt},
        {"", std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(colours.Find(row.name), row.expected) << row.name;
}

TEST(Xfwm4Colours, ThemercDefinitionsAreTheNamesThatHaveAValue) {
    const ThemercValues values({"active_color_1= #102030 ", "inactive_mid_2=", "button_layout=|C", "Active_Text_Color=white"});
    EXPECT_EQ(FindXfwm4ColourDefinitions(values),
              (ThemeColourDefinitions{{"active_text_color", "white"}, {"active_color_1", "#102030"}}));
}

}  // namespace
}  // namespace vt
