// The zoom animation's path: every rectangle drawn once and erased once, at the same positions,
// with per-side increments rounded to the nearest integer, ties to even.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "frame/ZoomPath.h"

namespace vt {
namespace {

std::vector<ZoomFrame> Path(const Rect& from, const Rect& to, int steps) {
    std::vector<ZoomFrame> frames;
    ForEachZoomFrame(from, to, steps, [&](const ZoomFrame& f) { frames.push_back(f); });
    return frames;
}

TEST(ZoomPath, PointerToWindowInTwentySteps) {
    const Rect from{100, 100, 100, 100}, to{200, 150, 600, 450};
    std::vector<ZoomFrame> frames = Path(from, to, 20);
    ASSERT_EQ(frames.size(), 30u);
    std::vector<Rect> drawn, erased;
    for (const ZoomFrame& f : frames) {
        if (f.draw) drawn.push_back(*f.draw);
        if (f.erase) erased.push_back(*f.erase);
    }
    ASSERT_EQ(drawn.size(), 20u);
    EXPECT_EQ(drawn, erased) << "each rectangle is erased where it was drawn";
    EXPECT_FALSE(frames[9].erase.has_value()) << "the trail starts erasing after half the steps";
    EXPECT_TRUE(frames[10].erase.has_value());
    EXPECT_FALSE(frames[20].draw.has_value()) << "the last ten iterations only erase";
    // left +5, top +2.5 (ties to even: 102, 104), right +25, bottom +17.5 (118, 136)
    EXPECT_EQ(drawn[0], from);
    EXPECT_EQ(drawn[1], (Rect{105, 102, 125, 118}));
    EXPECT_EQ(drawn[2], (Rect{110, 104, 150, 136}));
    EXPECT_EQ(drawn[19].Left, 195) << "the last drawn one lies a step short of the window";
}

TEST(ZoomPath, SmallStepCountsAndStandingStill) {
    const Rect a{10, 10, 20, 20}, b{30, 30, 60, 60};
    std::vector<ZoomFrame> one = Path(a, b, 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(*one[0].draw, a);
    EXPECT_EQ(*one[0].erase, a) << "drawn and erased in the same iteration";

    std::vector<ZoomFrame> two = Path(a, b, 2);
    ASSERT_EQ(two.size(), 3u);
    EXPECT_EQ(*two[0].draw, a);
    EXPECT_FALSE(two[0].erase.has_value());
    EXPECT_EQ(*two[1].draw, (Rect{20, 20, 40, 40}));
    EXPECT_EQ(*two[1].erase, a);
    EXPECT_FALSE(two[2].draw.has_value());
    EXPECT_EQ(*two[2].erase, (Rect{20, 20, 40, 40}));

    for (const ZoomFrame& f : Path(a, a, 20)) {
        EXPECT_EQ(f.draw.value_or(a), a);
        EXPECT_EQ(f.erase.value_or(a), a);
    }
}

TEST(ZoomPath, RefusesStepCountsBelowOneBeforeAnyFrame) {
    for (int steps : {0, -1, -2147483647 - 1}) {
        int frames = 0;
        try {
            ForEachZoomFrame(Rect{}, Rect{0, 0, 10, 10}, steps, [&](const ZoomFrame&) { ++frames; });
            ADD_FAILURE() << steps << " accepted";
        } catch (const std::invalid_argument& e) {
            EXPECT_STREQ(e.what(), "Steps must be a non-zero positive number");
        }
        EXPECT_EQ(frames, 0);
    }
}

}  // namespace
}  // namespace vt
