#include <gtest/gtest.h>

#include "theme/model/TTheme.h"

namespace vt {
namespace {

TEST(TTheme, LookupIgnoresCaseAndTakesTheFirstEntry) {
    TTheme theme;
    TThemeItem& first = theme.Items().Add();
    first.SetName("Close");
    TThemeItem& second = theme.Items().Add();
    second.SetName("CLOSE");
    EXPECT_EQ(theme.Items().Find("close"), &first);
    EXPECT_EQ(theme.Items().FindBitmap("cLoSe"), &first.Bitmap());
    EXPECT_EQ(theme.Items().FindBitmap("clos"), nullptr);
    EXPECT_EQ(TTheme().Items().FindBitmap("close"), nullptr);
}

TEST(TTheme, BitmapsStayWhereTheyAreWhileEntriesAreAdded) {
    TTheme theme;
    theme.Items().Add().SetName("a");
    Bitmap* a = theme.Items().FindBitmap("a");
    for (int i = 0; i < 100; ++i) theme.Items().Add();
    EXPECT_EQ(theme.Items().FindBitmap("a"), a);
    EXPECT_EQ(theme.Items().FindHolder(a), &theme.Items()[0]);
    EXPECT_EQ(&theme.Items().Owner(), &theme);
}

TEST(TTheme, TransparencyIsTheBitmapsOwn) {
    TTheme theme;
    TThemeItem& item = theme.Items().Add();
    item.SetTransparent(true);
    item.SetTransparentColor(0xFF00FF);
    EXPECT_TRUE(item.Bitmap().Transparent());
    EXPECT_EQ(item.Bitmap().TransparentColor(), 0xFF00FFu);
    Bitmap other;
    other.SetSize(2, 1);
    item.SetBitmap(other);  // copies content and settings; the caller keeps its bitmap
    EXPECT_EQ(item.Bitmap().Width(), 2);
    EXPECT_FALSE(item.Transparent());
    EXPECT_EQ(other.Width(), 2);
}

}  // namespace
}  // namespace vt
