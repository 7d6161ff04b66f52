#include <gtest/gtest.h>

#include <string>

#include "script/ValueStack.h"

namespace vt {

TEST(ValueStack, GrowsKeepingItsValuesAndStopsAtItsMaximumDepth) {
    ValueStack stack(300);
    for (int i = 0; i < 300; ++i) {
        ASSERT_TRUE(i % 3 ? stack.Push(Value::FromInt(i)) : stack.Push(Value::FromString(std::to_string(i))));
    }
    EXPECT_FALSE(stack.Push(Value::FromInt(300)));
    EXPECT_EQ(stack.Size(), 300u);
    EXPECT_EQ(stack.At(0).text(), "0");
    EXPECT_EQ(stack.At(297).text(), "297");
    EXPECT_EQ(stack.At(299).integer(), 299);
    // A copy of a String on the stack itself, pushed while the block is full.
    ValueStack copies(2);
    copies.Push(Value::FromString("s"));
    EXPECT_TRUE(copies.Push(copies.Top()));
    EXPECT_EQ(copies.Pop().text(), "s");
    EXPECT_EQ(copies.Pop().text(), "s");
}

TEST(ValueStack, TheTwoCellsBelowTheBottomReadAsEmpty) {
    ValueStack stack(10);
    EXPECT_TRUE(stack.FromTop(0).IsEmpty());
    EXPECT_TRUE(stack.FromTop(1).IsEmpty());
    stack.Push(Value::FromInt(1));
    EXPECT_TRUE(stack.FromTop(1).IsEmpty());
    for (int i = 0; i < 200; ++i) stack.Push(Value::FromInt(i));   // past the first block
    stack.ClearAndShrink();
    EXPECT_TRUE(stack.Empty());
    EXPECT_TRUE(stack.FromTop(0).IsEmpty());
    EXPECT_TRUE(stack.FromTop(1).IsEmpty());
}

}  // namespace vt
