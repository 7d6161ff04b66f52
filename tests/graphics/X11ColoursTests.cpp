#include <gtest/gtest.h>

#include "graphics/X11Colours.h"

namespace vt {
namespace {

TEST(X11Colours, NamesIgnoreCaseAndBlanks) {
    struct Row {
        const char* name;
        std::optional<Colour> expected;
    };
    const Row rows[] = {
        {"black", MakeColour(0, 0, 0)},
        {"WHITE", MakeColour(255, 255, 255)},
        {"red", MakeColour(255, 0, 0)},
        {"aliceblue", MakeColour(240, 248, 255)},  // first in the table
        {"YellowGreen", MakeColour(154, 205, 50)},  // last in the table
        {"dark slate gray", MakeColour(47, 79, 79)},
        {"DarkSlateGrey", MakeColour(47, 79, 79)},
        {"SlateBlue3", MakeColour(105, 89, 205)},
        {"gray", MakeColour(190, 190, 190)},
        {"Gray0", MakeColour(0, 0, 0)},
        {"gray30", MakeColour(77, 77, 77)},
        {"Gray31", MakeColour(79, 79, 79)},
        {"gray50", MakeColour(127, 127, 127)},
        {"grey90", MakeColour(229, 229, 229)},
        {"GREY100", MakeColour(255, 255, 255)},
        {"gray101", std::nullopt},
        {"gray5x", std::nullopt},
        {"none", std::nullopt},
        {"", std::nullopt},
        {"a name far longer than any colour name the table could ever hold, really", std::nullopt},
    };
    for (const Row& r : rows) EXPECT_EQ(FindX11Colour(r.name), r.expected) << r.name;
}

// IceWM themes write colours in X's rgb: form beside # and names; each component is scaled from
// its own width, not cut to its top bits.
TEST(X11Colours, AnyXFormOfAColour) {
    struct Row {
        const char* text;
        std::optional<Colour> expected;
    };
    const Row rows[] = {
        {"rgb:2A/39/83", MakeColour(0x2A, 0x39, 0x83)},
        {"rgb:c0/c0/c0", MakeColour(0xC0, 0xC0, 0xC0)},
        {"rgb:F/8/0", MakeColour(255, 136, 0)},
        {"rgb:FFFF/8000/0000", MakeColour(255, 128, 0)},
        {"rgb:12/34", std::nullopt},
        {"rgb:12/34/56/78", std::nullopt},
        {"rgb:12345/0/0", std::nullopt},
        {"rgb://", std::nullopt},
        {"rgb:1g/00/00", std::nullopt},
        {"#636488", MakeColour(0x63, 0x64, 0x88)},
        {"gray20", MakeColour(51, 51, 51)},
        {"rgbi:1/1/1", std::nullopt},
    };
    for (const Row& r : rows) EXPECT_EQ(ParseXColour(r.text), r.expected) << r.text;
}

}  // namespace
}  // namespace vt
