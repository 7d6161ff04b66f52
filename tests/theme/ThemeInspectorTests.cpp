#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "ThemeTestSupport.h"
#include "CurrentDirectoryGuard.h"
#include "theme/ThemeInspector.h"

namespace vt {
namespace {

std::string DataPath(const std::string& relative) { return std::string(VT_SOURCE_DIR) + "/tests/theme/data/" + relative; }

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Replaced(std::string text, const std::string& what, const std::string& with) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

struct DumpCase {
    const char* theme;     // under tests/theme/data
    const char* expected;  // the dump, errors naming the theme as THEME
    bool clean;
};

// The themes of our own making, dumped as vttheme prints them. The dump format is what theme
// authors' scripts read: a change here is a change for them.
const DumpCase kDumpCases[] = {
    {"native/slate/slate.theme", "native/slate/slate.dump", true},
    {"native/broken/broken.theme", "native/broken/broken.dump", false},
    // KDE 1 layout: grouped keys, Off and Sticky slots, the DownButton spelling beside the
    // ButtonDown one, upper-case default names of lower-case files, XPM colour forms of KDE 1.
    {"kwm/kde1/themerc", "kwm/kde1/themerc.dump", true},
    // xfwm4 layout, told from kwm by its content: PNGs over XPMs and a PNG alone, a partial
    // button set around the title (stick and hide without images), shade as roll-up, text colours
    // given as a colour and as a GTK name.
    {"xfwm4/juniper/themerc", "xfwm4/juniper/themerc.dump", true},
    // xfwm4 with symbolic colours (dumped as the files give them), the maximise button's toggled
    // twin for maximised windows, right-aligned title text.
    {"xfwm4/marram/themerc", "xfwm4/marram/themerc.dump", true},
    // IceWM layout, told from ours by its Key=value lines: frame, dialog frame and title pieces,
    // buttons left and right with a blank, stacked states, a rollover image, a PNG button, an
    // inactive image under its other name, a depth button that takes no room.
    {"icewm/alder/default.theme", "icewm/alder/default.theme.dump", true},
};

TEST(ThemeInspector, DumpsOurThemesAsExpected) {
    for (const DumpCase& row : kDumpCases) {
        SCOPED_TRACE(row.theme);
        std::string path = DataPath(row.theme);
        std::string before = CurrentDirectory();
        ThemeState state;  // MENUFIXUP and [INFO] lines outlive a load; each row starts clean
        ThemeInspector inspector(state);
        inspector.Load(path);
        EXPECT_EQ(Replaced(inspector.Dump(), path, "THEME"), ReadAll(DataPath(row.expected)));
        EXPECT_EQ(inspector.Errors().empty(), row.clean);
        EXPECT_EQ(CurrentDirectory(), before);
    }
}

TEST(ThemeInspector, CheckWritesOneLinePerErrorWithCarriageReturnsEscaped) {
    std::vector<ThemeLoadError> errors = {{12, "Invalid element code", 5}, {3, "two\rlines\nhere", 0}};
    EXPECT_EQ(FormatCheckReport("a/b.theme", errors),
              "a/b.theme:12: Invalid element code\n"
              "a/b.theme:3: two\\rlines\\nhere\n");
}

TEST(ThemeInspector, AThemeFileThatCannotBeReadIsAnErrorOfTheWholeFile) {
    test::TempFolder folder;
    ThemeState theme;
    ThemeInspector inspector(theme);
    inspector.Load(folder / "nothere.theme");
    ASSERT_EQ(inspector.Errors().size(), 1u);
    EXPECT_EQ(inspector.Errors()[0].line, 0);
    EXPECT_NE(inspector.CheckReport().find("nothere.theme:0: "), std::string::npos) << inspector.CheckReport();
}

TEST(ThemeInspector, ReloadingForgetsThePreviousTheme) {
    test::TempFolder folder;
    test::WriteFile(folder / "a.theme", "[LAYOUT]\nCLOSE TL:0,0 TL:1,1 NONE NONE NONE NONE close\n[CODE]\n: close::OnPaint ;\n[MISC]\nWIDTHFIXUP=3\nMENUFIXUP=7\n");
    test::WriteFile(folder / "b.theme", "[LAYOUT]\nCLOSE TL:0,0 TL:1,1 NONE NONE NONE NONE close\n");
    ThemeState theme;
    ThemeInspector inspector(theme);
    inspector.Load(folder / "a.theme");
    inspector.Load(folder / "b.theme");
    EXPECT_TRUE(test::HasRecords(inspector.Dump(), {"element 0 name=close", "!events 0", "!element 1",
                                                    "settings widthfixup=0 menufixup=7"}));
}

}  // namespace
}  // namespace vt
