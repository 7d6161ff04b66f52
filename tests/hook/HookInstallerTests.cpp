// The copy GetThemeInfo makes into the caller's buffer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hook/HookInstaller.h"

namespace vt {
namespace {

struct CopyRow {
    const char* name;
    std::vector<std::string> lines;
    std::uint32_t size;
    std::string expected;  // the whole buffer of `size` bytes
};

TEST(ThemeInfo, CopiesIntoTheCallersBuffer) {
    const std::vector<std::string> info = {"Name=Slate", "Author=Us"};
    const CopyRow rows[] = {
        {"fits, rest zero-filled", info, 28, std::string("Name=Slate\r\nAuthor=Us\r\n") + std::string(5, '\0')},
        {"cut to size - 1 and terminated", info, 8, std::string("Name=Sl") + '\0'},
        {"one byte holds the terminator only", info, 1, std::string(1, '\0')},
        {"no information gives an empty string", {}, 4, std::string(4, '\0')},
        {"only the low 16 bits of the size count", info, 0x10000 + 5, std::string("Name") + '\0'},
    };
    for (const CopyRow& row : rows) {
        std::string buffer(row.expected.size() + 4, 'x');  // past the size must stay untouched
        CopyThemeInfo(row.lines, &buffer[0], row.size);
        EXPECT_EQ(buffer, row.expected + "xxxx") << row.name;
    }
}

TEST(ThemeInfo, SizeZeroWritesNothing) {
    std::string buffer = "abc";
    CopyThemeInfo({"Name=Slate"}, &buffer[0], 0);
    EXPECT_EQ(buffer, "abc");
    CopyThemeInfo({"Name=Slate"}, nullptr, 10);  // and a null buffer is no crash
}

}  // namespace
}  // namespace vt
