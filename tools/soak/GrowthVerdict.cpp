#include "GrowthVerdict.h"

#include <algorithm>
#include <cmath>

namespace vt::soak {
namespace {

std::int64_t Median(std::vector<std::int64_t> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

}  // namespace

GrowthFinding JudgeGrowth(const std::vector<Sample>& samples, const Slack& slack) {
    GrowthFinding finding;
    if (samples.empty()) return finding;
    // Thirds of the time covered, not of the sample count: a program that answered slowly for a
    // while was sampled less often then.
    const double span = samples.back().seconds - samples.front().seconds;
    const double start = samples.front().seconds;
    std::vector<std::int64_t> middle, last;
    for (const Sample& s : samples) {
        const double at = s.seconds - start;
        if (at >= span * 2 / 3) last.push_back(s.value);
        else if (at >= span / 3) middle.push_back(s.value);
    }
    if (middle.size() < kSamplesPerThird || last.size() < kSamplesPerThird) return finding;
    finding.middle = Median(middle);
    finding.last = Median(last);
    const double allowed = double(slack.absolute) + slack.fraction * double(std::max<std::int64_t>(finding.middle, 0));
    finding.growth = double(finding.last - finding.middle) > allowed ? Growth::Growing : Growth::Level;
    return finding;
}

}  // namespace vt::soak
