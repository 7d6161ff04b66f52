#include <gtest/gtest.h>

#include "theme/X11Colours.h"

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

}  // namespace
}  // namespace vt
