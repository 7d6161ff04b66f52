#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "theme/native/LineTokenizer.h"

namespace vt {
namespace {

// Each row reads tokens with the given separator sets in turn.
struct TokenRow {
    const char* line;
    std::vector<std::pair<const char*, const char*>> reads;  // {separators, expected token}
};

TEST(LineTokenizer, SplitsAsTheThemeFormatSays) {
    const TokenRow rows[] = {
        {"  a\tb  c", {{" ", "a"}, {" ", "b"}, {" ", "c"}, {" ", ""}}},               // a blank brings the tab
        {"TR:-22,5;TR:-6,21 x", {{" ;", "TR:-22,5"}, {" ;", "TR:-6,21"}, {" ", "x"}}},
        {"TR:-22,5 ; TR:-6,21", {{" ;", "TR:-22,5"}, {" ;", "TR:-6,21"}}},
        {"'Times New Roman' 12", {{"'", "Times New Roman"}, {" ", "12"}}},
        {"Arial 12", {{"'", "Arial 12"}, {" ", ""}}},                                // no quote: one token
        {"KEY=VAL=2", {{"=", "KEY"}, {" ", "VAL=2"}}},
        {"==KEY=1", {{"=", "KEY"}, {" ", "1"}}},                                     // leading separators go
        {"WIDTHFIXUP = 4", {{"=", "WIDTHFIXUP "}, {" ", "4"}}},
        {"a\tb", {{";", "a\tb"}}},                                                   // tab only with a blank
        {"", {{" ", ""}, {" ", ""}}},
    };
    for (const TokenRow& row : rows) {
        LineTokenizer t(row.line);
        for (const auto& read : row.reads) EXPECT_EQ(t.Next(read.first), read.second) << "line '" << row.line << "'";
    }
}

TEST(LineTokenizer, ATokenRunningToTheEndLeavesNothing) {
    LineTokenizer t("name");
    EXPECT_EQ(t.Next(" "), "name");
    EXPECT_TRUE(t.AtEnd());
}

}  // namespace
}  // namespace vt
