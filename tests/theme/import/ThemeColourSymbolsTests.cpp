#include <gtest/gtest.h>

#include <map>
#include <string>

#include "theme/ThemeLoader.h"
#include "theme/ThemeTestSupport.h"
#include "theme/import/ThemeColourSymbols.h"
#include "theme/xfwm4/GtkShade.h"

namespace vt {
namespace {

struct Scheme : SystemColourTable {
    std::map<SystemColour, Colour> colours;
    Colour Get(SystemColour which) const override { return colours.at(which); }
};

// Two colour schemes with nothing in common: Wine's standard colours and a loud one.
Scheme Standard() {
    Scheme s;
    s.colours = {{SystemColour::ActiveCaption, MakeColour(10, 36, 106)},
                 {SystemColour::InactiveCaption, MakeColour(128, 128, 128)},
                 {SystemColour::WindowFrame, MakeColour(0, 0, 0)},
                 {SystemColour::CaptionText, MakeColour(255, 255, 255)},
                 {SystemColour::ButtonFace, MakeColour(212, 208, 200)},
                 {SystemColour::ButtonText, MakeColour(0, 0, 0)},
                 {SystemColour::InactiveCaptionText, MakeColour(212, 208, 200)}};
    return s;
}
Scheme Loud() {
    Scheme s;
    s.colours = {{SystemColour::ActiveCaption, MakeColour(200, 40, 90)},
                 {SystemColour::InactiveCaption, MakeColour(30, 120, 60)},
                 {SystemColour::WindowFrame, MakeColour(250, 250, 0)},
                 {SystemColour::CaptionText, MakeColour(0, 255, 255)},
                 {SystemColour::ButtonFace, MakeColour(90, 60, 150)},
                 {SystemColour::ButtonText, MakeColour(7, 7, 7)},
                 {SystemColour::InactiveCaptionText, MakeColour(170, 0, 0)}};
    return s;
}

constexpr Colour kFixed = MakeColour(0x20, 0x30, 0x40);      // a colour line without a name
constexpr Colour kGlowFallback = MakeColour(0x12, 0x34, 0x56);  // frame_glow_color: no xfwm4 name

unsigned Blend(unsigned over, unsigned under, unsigned alpha) { return (over * alpha + under * (255 - alpha) + 127) / 255; }

class ThemeColourSymbolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<ThemeLoadError> errors;
        LoadThemeFile(std::string(VT_SOURCE_DIR) + "/tests/theme/data/xfwm4/marram/themerc", fresh.state,
                      [&](const ThemeLoadError& e) { errors.push_back(e); });
        ASSERT_TRUE(errors.empty());
    }
    Colour Pixel(const char* bitmap, int x, int y) {
        const Bitmap* b = fresh.state.Theme->Items().FindBitmap(bitmap);
        return b ? b->GetPixel(x, y) : 0xFFFFFFFFu;
    }
    test::FreshTheme fresh;
};

// Marram's XPMs name their colours; each scheme's colours appear where they do, the XPM's own
// everywhere else, and a name xfwm4 does not know keeps the XPM's colour.
TEST_F(ThemeColourSymbolsTest, SymbolicPixelsTakeTheSchemesColoursAndNoOthers) {
    for (const Scheme& scheme : {Standard(), Loud()}) {
        const Colour caption = scheme.Get(SystemColour::ActiveCaption);
        const Colour face = scheme.Get(SystemColour::ButtonFace);
        EXPECT_FALSE(ApplySystemColours(fresh.state, scheme).empty());
        struct Probe {
            const char* bitmap;
            int x, y;
            Colour expected;
        } probes[] = {
            {"title-3-active", 0, 0, kFixed},
            {"title-3-active", 0, 1, LightColour(caption)},
            {"title-3-active", 2, 5, caption},
            {"title-3-active", 0, 18, MidColour(caption)},
            {"title-3-active", 0, 19, DarkColour(caption)},
            {"title-3-inactive", 1, 7, scheme.Get(SystemColour::InactiveCaption)},
            {"top-left-active", 0, 5, scheme.Get(SystemColour::WindowFrame)},  // active_border_color
            {"left-active", 1, 0, LightColour(face)},
            {"left-active", 2, 0, face},
            {"left-active", 3, 0, MakeColour(0x10, 0x20, 0x30)},  // the themerc's active_shadow_2
            {"bottom-active", 0, 0, MidColour(face)},
            {"close-active", 0, 0, kGlowFallback},
            {"close-active", 15, 0, kFixed},
            {"close-active", 4, 4, scheme.Get(SystemColour::CaptionText)},
            {"close-active", 8, 6, caption},
            // A half-transparent white PNG over the face is blended again over the new colour.
            {"close-active", 5, 1, MakeColour(Blend(255, RedOf(caption), 128), Blend(255, GreenOf(caption), 128),
                                              Blend(255, BlueOf(caption), 128))},
            {"close-inactive", 4, 4, LightColour(face)},  // inactive_text_color=active_hilight_2
            {"close-inactive", 0, 0, kGlowFallback},
        };
        for (const Probe& p : probes)
            EXPECT_EQ(Pixel(p.bitmap, p.x, p.y), p.expected) << p.bitmap << " at " << p.x << "," << p.y;
        EXPECT_EQ(fresh.state.TitleFont.colour, scheme.Get(SystemColour::CaptionText));
        EXPECT_EQ(fresh.state.InactiveFont.colour, LightColour(face));
        EXPECT_EQ(Pixel("title-3-active", 0, 0), kFixed);
    }
}

TEST_F(ThemeColourSymbolsTest, TheSameColoursAgainChangeNothing) {
    const std::size_t changed = ApplySystemColours(fresh.state, Standard()).size();
    EXPECT_GE(changed, 20u);
    EXPECT_TRUE(ApplySystemColours(fresh.state, Standard()).empty()) << "every window hears the change: work once";
    Scheme onlyText = Standard();
    onlyText.colours[SystemColour::ButtonText] = MakeColour(1, 1, 1);  // no image of Marram uses it
    EXPECT_TRUE(ApplySystemColours(fresh.state, onlyText).empty());
    EXPECT_EQ(ApplySystemColours(fresh.state, Loud()).size(), changed);
}

TEST_F(ThemeColourSymbolsTest, TheTransparentColourNeverCutsAHole) {
    Scheme magenta = Standard();
    magenta.colours[SystemColour::ActiveCaption] = 0xFF00FF;
    ApplySystemColours(fresh.state, magenta);
    const Bitmap& title = *fresh.state.Theme->Items().FindBitmap("title-3-active");
    ASSERT_TRUE(title.Transparent());
    EXPECT_NE(title.GetPixel(2, 5), title.TransparentColor());
    EXPECT_EQ(title.GetPixel(2, 5), 0xFF00FEu) << "one step of red off";
}

}  // namespace
}  // namespace vt
