#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "theme/ThemeState.h"
#include "theme/controls/ControlList.h"
#include "theme/controls/TvtButton.h"
#include "theme/model/ButtonBitmaps.h"
#include "theme/model/TTheme.h"

namespace vt {
namespace {

class ButtonBitmapsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"btn", "hot", "grey"}) theme_.Items().Add().SetName(name);
    }
    std::string NameOf(const Bitmap* b) const {
        const TThemeItem* item = theme_.Items().FindHolder(b);
        return item ? item->Name() : "-";
    }
    TTheme theme_;
};

TEST_F(ButtonBitmapsTest, LoadLineKeysAndValues) {
    struct Row {
        std::vector<const char*> lines;
        const char *normal, *down, *focused, *disabled;
    } rows[] = {
        {{"normal=btn"}, "btn", "-", "-", "-"},                       // the key is upper-cased
        {{"NORMAL =btn"}, "-", "-", "-", "-"},                        // a blank belongs to the key
        {{"NORMAL= btn"}, "-", "-", "-", "-"},                        // ... and to the value
        {{"NORMAL=btn", "NORMAL=none", "NORMAL="}, "btn", "-", "-", "-"},  // NONE and empty keep it
        {{"NORMAL=btn", "NORMAL=nothere"}, "-", "-", "-", "-"},       // an unknown name clears it
        {{"DOWN=hot", "FOCUSED=HOT", "DISABLED=grey", "HOVER=btn", "no equals"}, "-", "hot", "hot", "grey"},
    };
    for (const Row& row : rows) {
        ButtonBitmaps button;
        for (const char* line : row.lines) button.LoadLine(line, theme_);
        std::string context = row.lines.front();
        EXPECT_EQ(NameOf(button.Normal()), row.normal) << context;
        EXPECT_EQ(NameOf(button.Down()), row.down) << context;
        EXPECT_EQ(NameOf(button.Focused()), row.focused) << context;
        EXPECT_EQ(NameOf(button.Disabled()), row.disabled) << context;
    }
}

TEST_F(ButtonBitmapsTest, StateBitmapsFallBackToNormal) {
    ButtonBitmaps button;
    EXPECT_EQ(button.BitmapFor(true, false), nullptr) << "no NORMAL: the button draws itself";
    button.LoadLine("FOCUSED=hot", theme_);
    EXPECT_EQ(button.BitmapFor(true, true), nullptr) << "no NORMAL switches everything off";
    button.LoadLine("NORMAL=btn", theme_);
    EXPECT_EQ(NameOf(button.BitmapFor(true, false)), "btn");
    EXPECT_EQ(NameOf(button.BitmapFor(true, true)), "hot");
    EXPECT_EQ(NameOf(button.BitmapFor(false, true)), "btn") << "no DISABLED";
    button.LoadLine("DISABLED=grey", theme_);
    EXPECT_EQ(NameOf(button.BitmapFor(false, false)), "grey");
}

TEST(ThemedControls, ListThemselvesAndLoseTheirBitmapsWithTheTheme) {
    ControlList list;
    {
        TvtButton a(list), b(list);
        EXPECT_EQ(list.Count(), 2u);
        EXPECT_EQ(&list.Get(1), &b);
    }
    EXPECT_EQ(list.Count(), 0u);

    ThemeState state;
    CreateThemeStructures(state);
    state.Theme->Items().Add().SetName("btn");
    state.Button.LoadLine("NORMAL=btn", *state.Theme);
    ASSERT_NE(state.Button.Normal(), nullptr);
    ResetThemeSettings(state);
    EXPECT_EQ(state.Button.Normal(), nullptr) << "a load starts without the last theme's button";
    state.Button.LoadLine("NORMAL=btn", *state.Theme);
    ReleaseThemeStructures(state);
    EXPECT_EQ(state.Button.Normal(), nullptr) << "no reference into freed bitmaps";
}

}  // namespace
}  // namespace vt
