#pragma once
// Whether a figure sampled over a long run (objects, memory) levels off. Caches, a theme's bitmaps
// and the first dialogs make the start of a run grow; what counts is the run's later part. The
// middle third and the last third are compared by their medians (a dialog open for a few samples
// moves neither): growth from one to the other beyond the slack is growth that does not level off.
#include <cstdint>
#include <string>
#include <vector>

namespace vt::soak {

struct Sample {
    double seconds;  // since the program's first sample
    std::int64_t value;
};

struct Slack {
    std::int64_t absolute;  // growth always allowed (a theme with more images than the last)
    double fraction;        // and this share of the middle third's median
};

enum class Growth { TooShort, Level, Growing };

struct GrowthFinding {
    Growth growth = Growth::TooShort;
    std::int64_t middle = 0;  // the middle third's median
    std::int64_t last = 0;    // the last third's median
};

// Each third needs at least this many samples to be judged.
constexpr std::size_t kSamplesPerThird = 3;

GrowthFinding JudgeGrowth(const std::vector<Sample>& samples, const Slack& slack);

}  // namespace vt::soak
