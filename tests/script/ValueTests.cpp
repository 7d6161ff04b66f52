#include <gtest/gtest.h>

#include <string>

#include "script/Engine.h"
#include "script/Value.h"
#include "script/ValueListing.h"

namespace vt {
namespace {

Value I(int n) { return Value::FromInt(n); }
Value R(double r) { return Value::FromReal(r); }
Value S(const char* s) { return Value::FromString(s); }
Value B(bool b) { return Value::FromBool(b); }

// The message of the ScriptError `f` raises, or "no error".
template <class F>
std::string ErrorOf(F f) {
    try {
        f();
    } catch (const ScriptError& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace

TEST(Value, ComparesByTheKindsOfBothOperands) {
    struct Row {
        Value a, b;
        int order;
    };
    const Row rows[] = {
        {I(1), I(2), -1},        {I(2), R(1.5), 1},      {I(10), S("9"), 1},     {I(-1), B(true), 0},
        {R(-1), B(true), 0},     {R(2), S(" 2 "), 0},    {S("10"), S("9"), -1},  {S("B"), S("a"), -1},
        {S("ab"), S("abc"), -1}, {S("\xff"), S("a"), 1}, {S("true"), B(true), 0}, {S("0"), B(false), 0},
        {B(false), B(true), -1}, {B(true), I(0), -1},    {B(false), R(0.5), -1}, {S(""), S(""), 0},
    };
    for (const Row& row : rows) {
        int order = Compare(row.a, row.b);
        EXPECT_EQ((order > 0) - (order < 0), row.order) << ListValue(row.a) << " vs " << ListValue(row.b);
    }
    EXPECT_EQ(ErrorOf([] { Compare(Value(), I(0)); }), "Invalid variant operation");
    EXPECT_EQ(ErrorOf([] { Compare(I(0), Value()); }), "Invalid variant operation");
    EXPECT_EQ(ErrorOf([] { Compare(S("x"), I(0)); }), "Invalid variant type conversion");
}

TEST(Value, IsFalseExactlyWhenEqualToIntegerZero) {
    struct Row {
        Value v;
        bool truth;
    };
    const Row rows[] = {{I(0), false}, {R(0.0), false}, {B(false), false}, {S("0"), false}, {S(" 0.0 "), false},
                        {I(-1), true}, {B(true), true},   {S("1"), true},    {R(0.25), true}, {I(7), true}};
    for (const Row& row : rows) EXPECT_EQ(row.v.IsTrue(), row.truth) << ListValue(row.v);
    EXPECT_EQ(ErrorOf([] { S("yes").IsTrue(); }), "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf([] { Value().IsTrue(); }), "Invalid variant operation");
}

TEST(Value, ConvertsToIntegerRoundingTiesToEven) {
    struct Row {
        Value v;
        int n;
    };
    const Row rows[] = {{R(2.5), 2},  {R(3.5), 4},  {R(-2.5), -2},     {R(2.6), 3},   {B(true), -1},
                        {B(false), 0}, {S("7"), 7}, {S(" 1.5"), 2},    {I(-9), -9},   {R(2147483647.4), 2147483647},
                        {R(-2147483648.0), -2147483647 - 1}};
    for (const Row& row : rows) EXPECT_EQ(row.v.ToInteger(), row.n) << ListValue(row.v);
    EXPECT_EQ(ErrorOf([] { R(2147483648.0).ToInteger(); }), "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf([] { S("").ToInteger(); }), "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf([] { Value().ToInteger(); }), "Invalid variant operation");
}

TEST(Value, TextForDisplay) {
    EXPECT_EQ(I(-12).ToText(), "-12");
    EXPECT_EQ(R(15).ToText(), "15.0");
    EXPECT_EQ(S("as is").ToText(), "as is");
    EXPECT_EQ(B(true).ToText(), "True");
    EXPECT_EQ(B(false).ToText(), "False");
    EXPECT_EQ(Value().ToText(), "");
}

TEST(Value, StringsAreSharedAndSurviveEveryCopyAndMove) {
    Value a = S("shared");
    Value b = a;
    Value c;
    c = b;
    Value d = std::move(b);
    EXPECT_TRUE(b.IsEmpty());
    a = I(1);
    c = c;
    EXPECT_EQ(c.text(), "shared");
    EXPECT_EQ(d.text(), "shared");
    d = std::move(c);
    EXPECT_EQ(d.text(), "shared");
    EXPECT_EQ(Add(d, S("!")).text(), "shared!");
}

TEST(Value, ConcatenationIsBounded) {
    Value big = S(std::string(kMaxStringLength / 2 + 1, 'x').c_str());
    EXPECT_EQ(ErrorOf([&] { Add(big, big); }), "String too long!");
}

}  // namespace vt
