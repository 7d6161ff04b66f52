#include <gtest/gtest.h>

#include "frame/ThemesConfig.h"

namespace vt {
namespace {

TEST(ThemesConfig, FirstLineOfTheHostWithoutRegardToCase) {
    const std::vector<std::string> lines = {
        "# a comment has no '=' before the name",
        "notepad.exe =C:\\blank.theme",  // a blank before '=' is part of the name
        "NOTEPAD.exe=C:\\themes\\a b.theme ",
        "notepad.exe=C:\\second.theme",
        "regedit.exe=",
    };
    EXPECT_EQ(FindHostTheme(lines, "Notepad.EXE").value_or("-"), "C:\\themes\\a b.theme ");
    EXPECT_EQ(FindHostTheme(lines, "regedit.exe").value_or("-"), "") << "found, empty: the caller goes on";
    EXPECT_FALSE(FindHostTheme(lines, "winemine.exe"));
}

}  // namespace
}  // namespace vt
