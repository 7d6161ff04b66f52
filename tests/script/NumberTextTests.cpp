#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "script/NumberText.h"

namespace vt {

TEST(NumberText, ParsesWhatAUserWritesAsANumber) {
    struct Row {
        const char* text;
        double value;
    };
    const Row rows[] = {
        {"10", 10},    {" 10 ", 10},   {"\t-3", -3},   {"+4", 4},          {"2.5", 2.5},
        {".5", 0.5},   {"5.", 5},      {"1e3", 1000},  {"2.5E-2", 0.025},  {"-0", 0},
        {"007", 7},    {"-1.0", -1},   {"1e+2 ", 100}, {"2147483648", 2147483648.0},
    };
    for (const Row& row : rows) {
        double value = -999;
        EXPECT_TRUE(ParseNumber(row.text, value)) << "text: [" << row.text << "]";
        EXPECT_EQ(value, row.value) << "text: [" << row.text << "]";
    }
}

TEST(NumberText, RefusesEverythingElse) {
    const char* rows[] = {"",    " ",   "abc", "1,5", "0x10", "$10", "&H10", "1e",  "e5",  ".",
                          "-",   "+-1", "1 2", "inf", "nan",  "1e999", "10abc", "1.2.3", "--1", "1e2.5"};
    for (const char* text : rows) {
        double value = 0;
        EXPECT_FALSE(ParseNumber(text, value)) << "text: [" << text << "]";
    }
}

TEST(NumberText, FormatsTheShortestRealThatReadsBackWithAPoint) {
    struct Row {
        double value;
        const char* text;
    };
    const Row rows[] = {
        {15.0, "15.0"},       {2147483648.0, "2147483648.0"}, {0.5, "0.5"},        {0.1, "0.1"},
        {-2.5, "-2.5"},       {1e300, "1.0e+300"},            {1.5e-7, "1.5e-07"}, {-0.0, "-0.0"},
        {1.0 / 3, "0.3333333333333333"},
        {std::numeric_limits<double>::infinity(), "inf"},
    };
    for (const Row& row : rows) EXPECT_EQ(FormatReal(row.value), row.text) << "value: " << row.value;
    for (double v : {0.1 + 0.2, 1e-300, 123456.789, 4.35, 9007199254740993.0}) {
        double back = 0;
        ASSERT_TRUE(ParseNumber(FormatReal(v), back)) << FormatReal(v);
        EXPECT_EQ(back, v) << FormatReal(v);
    }
}

// The module does without std::to_chars (its tables would double the module's constant data):
// FormatReal must still write exactly what it writes, on the edges of the double range, near
// powers of two and ten, and on random bit patterns.
TEST(NumberText, FormatRealWritesWhatToCharsWrites) {
    auto reference = [](double v) {
        char buffer[64];
        auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, v);
        std::string text(buffer, error == std::errc() ? end : buffer);
        if (text.find('.') == std::string::npos) text.insert(std::min(text.find('e'), text.size()), ".0");
        return text;
    };
    std::vector<double> values = {std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
                                  std::numeric_limits<double>::max(), 9007199254740992.0, 1e21, 1e22, 1e23,
                                  5e-324, 0.3, 123456789012345680000.0, 1234567.0, 100.0, 1e15, 1e16, 1e-5};
    for (int e = -1074; e <= 1023; ++e) {
        values.push_back(std::ldexp(1.0, e));
        values.push_back(std::nextafter(std::ldexp(1.0, e), 0.0));
    }
    for (int e = -323; e <= 308; ++e) values.push_back(std::strtod(("1e" + std::to_string(e)).c_str(), nullptr));
    std::mt19937_64 random(18);
    while (values.size() < 60000) {
        const std::uint64_t bits = random();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v)) values.push_back(v);
        values.push_back(double(random() % 100000000) / 1000.0);
    }
    int mismatches = 0;
    for (double v : values) {
        if (FormatReal(v) != reference(v) && ++mismatches <= 10)
            ADD_FAILURE() << FormatReal(v) << " where to_chars writes " << reference(v);
    }
    EXPECT_EQ(mismatches, 0) << "of " << values.size();
}

TEST(NumberText, RoundsHalfToEven) {
    const double rows[][2] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, -0}, {-1.5, -2}, {-2.5, -2},
                              {2.4999, 2}, {2.5001, 3}, {-7.75, -8}, {1e17 + 1, 1e17 + 1}};
    for (const auto& row : rows) EXPECT_EQ(RoundHalfEven(row[0]), row[1]) << "value: " << row[0];
}

}  // namespace vt
