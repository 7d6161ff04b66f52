#include "script/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
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

namespace {

// A positive double's digits: value = 0.D x 10^(exponent + 1), that is D[0].D[1..] x 10^exponent.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// The value correctly rounded to `precision` significant digits, as the C library prints it.
// The decimal point it prints is the locale's: only the digits are taken.
Decimal Rounded(double value, int precision) {
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
    Decimal d;
    int i = 0;
    for (; i < length && buffer[i] != 'e'; ++i)
        if (IsDigit(buffer[i])) d.digits += buffer[i];
    d.exponent = i < length ? std::atoi(buffer + i + 1) : 0;
    return d;
}

// The neighbour one unit up or down in the last digit, with as many digits.
Decimal Step(Decimal d, int direction) {
    std::string& s = d.digits;
    int i = int(s.size()) - 1;
    if (direction > 0) {
        while (i >= 0 && s[i] == '9') s[i--] = '0';
        if (i >= 0) {
            ++s[i];
        } else {  // 99 -> 100: one more power of ten, as many digits
            s.insert(s.begin(), '1');
            s.pop_back();
            ++d.exponent;
        }
    } else {
        while (i >= 0 && s[i] == '0') s[i--] = '9';
        if (i < 0) return {};
        --s[i];
        if (s[0] == '0') {  // 100 -> 099: one power of ten less, as many digits
            if (s.size() == 1) return {};
            s.erase(s.begin());
            s += '9';
            --d.exponent;
        }
    }
    return d;
}

bool ReadsBackAs(const Decimal& d, double value) {
    if (d.digits.empty()) return false;
    const std::string text = d.digits.substr(0, 1) + "." + d.digits.substr(1) + "e" + std::to_string(d.exponent);
    double back = 0;
    auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), back, std::chars_format::general);
    return error == std::errc() && back == value;
}

// The fewest digits that read back as the value; among candidates of that length the correctly
// rounded one, else its neighbour (near a power of two the gap below a double is half the gap
// above it, so the nearest decimal may fall out while the next one up still reads back).
Decimal Shortest(double value) {
    for (int precision = 1; precision < 17; ++precision) {
        const Decimal rounded = Rounded(value, precision);
        if (ReadsBackAs(rounded, value)) return rounded;
        for (int direction : {1, -1}) {
            const Decimal next = Step(rounded, direction);
            if (ReadsBackAs(next, value)) return next;
        }
    }
    return Rounded(value, 17);  // 17 significant digits always read back
}

}  // namespace

std::string FormatReal(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    const std::string sign = std::signbit(value) ? "-" : "";
    if (value == 0) return sign + "0.0";
    Decimal d = Shortest(std::fabs(value));
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    const std::string& D = d.digits;
    const int n = int(D.size()), e = d.exponent;
    // Of the fixed and the scientific form, the shorter one (the fixed one when they tie), as
    // std::to_chars writes the shortest representation.
    std::string fixed;
    if (e >= n - 1) fixed = D + std::string(std::size_t(e - (n - 1)), '0');
    else if (e >= 0) fixed = D.substr(0, std::size_t(e + 1)) + "." + D.substr(std::size_t(e + 1));
    else fixed = "0." + std::string(std::size_t(-e - 1), '0') + D;
    const int magnitude = e < 0 ? -e : e;
    std::string scientific = D.substr(0, 1) + (n > 1 ? "." + D.substr(1) : "") + (e < 0 ? "e-" : "e+") +
                             (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    std::string text = fixed.size() <= scientific.size() ? fixed : scientific;
    if (e >= n - 1 && text == fixed) {
        // A whole number written in full shows its exact digits, not the shortest ones padded
        // with zeros (the length is the same).
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.0f", std::fabs(value));
        text = buffer;
    }
    if (text.find('.') == std::string::npos) {
        std::size_t exponent = text.find('e');
        text.insert(exponent == std::string::npos ? text.size() : exponent, ".0");
    }
    return sign + text;
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
