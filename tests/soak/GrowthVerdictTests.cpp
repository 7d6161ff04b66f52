// The rule that tells a leak from a cache: the middle and last thirds of a run compared.
#include "GrowthVerdict.h"

#include <gtest/gtest.h>

#include <functional>

namespace vt::soak {
namespace {

// `count` samples one second apart, valued by `at(second)`.
std::vector<Sample> Series(int count, const std::function<std::int64_t(int)>& at) {
    std::vector<Sample> samples;
    for (int s = 0; s < count; ++s) samples.push_back({double(s), at(s)});
    return samples;
}

TEST(GrowthVerdict, TellsALeakFromACacheAndFromPassingPeaks) {
    const Slack slack{20, 0.1};
    struct Row {
        const char* what;
        std::vector<Sample> samples;
        Growth expected;
    } rows[] = {
        {"flat", Series(30, [](int) { return 100; }), Growth::Level},
        {"a cache filled in the first third, then flat", Series(30, [](int s) { return s < 10 ? 100 + 20 * s : 300; }),
         Growth::Level},
        {"one object a second to the end", Series(30, [](int s) { return 100 + s * 5; }), Growth::Growing},
        {"growth within the slack", Series(30, [](int s) { return 100 + s; }), Growth::Level},
        {"dialogs open now and then (peaks in both thirds)",
         Series(30, [](int s) { return s % 7 == 0 ? 400 : 100; }), Growth::Level},
        {"a peak at the very end", Series(30, [](int s) { return s == 29 ? 900 : 100; }), Growth::Level},
        {"a step up that stays in the last third", Series(30, [](int s) { return s < 21 ? 100 : 200; }), Growth::Growing},
        {"too few samples to judge", Series(6, [](int s) { return s * 1000; }), Growth::TooShort},
        {"nothing sampled", {}, Growth::TooShort},
    };
    for (const Row& row : rows) EXPECT_EQ(JudgeGrowth(row.samples, slack).growth, row.expected) << row.what;
}

TEST(GrowthVerdict, ThirdsAreOfTimeNotOfSamples) {
    // Sampled densely at first and sparsely later: by count the middle third would be early samples.
    std::vector<Sample> samples;
    for (int i = 0; i < 60; ++i) samples.push_back({i * 0.1, 100});
    for (int s = 6; s <= 30; ++s) samples.push_back({double(s), s < 20 ? 100 : 400});
    const GrowthFinding f = JudgeGrowth(samples, Slack{20, 0.1});
    EXPECT_EQ(f.growth, Growth::Growing);
    EXPECT_EQ(f.middle, 100);
    EXPECT_EQ(f.last, 400);
}

}  // namespace
}  // namespace vt::soak
