#include "script/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace vt {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips a run of digits; returns how many there were.
std::size_t SkipDigits(const char*& p, const char* end) {
    const char* start = p;
    while (p < end && IsDigit(*p)) ++p;
    return std::size_t(p - start);
}

}  // namespace

bool ParseNumber(const std::string& text, double& result) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && IsBlank(*p)) ++p;
    while (end > p && IsBlank(end[-1])) --end;

    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    const char* number = p;
    std::size_t digits = SkipDigits(p, end);
    if (p < end && *p == '.') {
        ++p;
        digits += SkipDigits(p, end);
    }
    if (digits == 0) return false;
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p < end && (*p == '+' || *p == '-')) ++p;
        if (SkipDigits(p, end) == 0) return false;
    }
    if (p != end) return false;

    double value = 0;
    auto [stop, error] = std::from_chars(number, end, value, std::chars_format::general);
    if (error != std::errc() || stop != end) return false;
    result = negative ? -value : value;
    return true;
}

std::string FormatReal(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc()) return "nan";  // cannot happen with 64 bytes
    std::string text(buffer, end);
    if (text.find('.') == std::string::npos) {
        std::size_t exponent = text.find('e');
        text.insert(exponent == std::string::npos ? text.size() : exponent, ".0");
    }
    return text;
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    double lower = std::floor(value);
    double fraction = value - lower;
    if (fraction > 0.5) return lower + 1;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

}  // namespace vt
