// vtctl's portable half: the command line it understands (and the lines it refuses), and its
// edits of themes.cfg and exclude.cfg, which must change only the lines they are about.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandLine.h"
#include "ConfigEdits.h"

namespace vt::ctl {
namespace {

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(' ', at)) != std::string::npos) {
        std::size_t end = line.find(' ', at);
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

TEST(VtctlCommandLine, UnderstoodLines) {
    struct Row {
        const char* line;
        Verb verb;
        std::string theme, program, section, entry;
        bool force, none;
    } rows[] = {
        {"start", Verb::Start, "", "", "", "", false, false},
        {"start --theme C:\\t\\a.theme --force", Verb::Start, "C:\\t\\a.theme", "", "", "", true, false},
        {"theme C:\\t\\a.theme", Verb::Theme, "C:\\t\\a.theme", "", "", "", false, false},
        {"theme --force a.theme", Verb::Theme, "a.theme", "", "", "", true, false},
        {"theme --none", Verb::Theme, "", "", "", "", false, true},
        {"pin NOTEPAD.EXE C:\\t\\a.theme", Verb::Pin, "C:\\t\\a.theme", "NOTEPAD.EXE", "", "", false, false},
        {"unpin notepad.exe", Verb::Unpin, "", "notepad.exe", "", "", false, false},
        {"exclude --module calc.exe", Verb::Exclude, "", "", "MODULES", "calc.exe", false, false},
        {"include --class Edit", Verb::Include, "", "", "WINDOWCLASSES", "Edit", false, false},
        {"exclude --nonested a.exe", Verb::Exclude, "", "", "NONESTED", "a.exe", false, false},
        {"exclude --nosizefixups ComboLBox", Verb::Exclude, "", "", "NOSIZEFIXUPS", "ComboLBox", false, false},
        {"status --help", Verb::Help, "", "", "", "", false, false},
        {"/?", Verb::Help, "", "", "", "", false, false},
    };
    for (const Row& row : rows) {
        Parsed parsed = ParseCommandLine(Words(row.line));
        ASSERT_EQ(parsed.error, "") << row.line;
        EXPECT_EQ(parsed.request.verb, row.verb) << row.line;
        EXPECT_EQ(parsed.request.theme, row.theme) << row.line;
        EXPECT_EQ(parsed.request.program, row.program) << row.line;
        EXPECT_EQ(parsed.request.section, row.section) << row.line;
        EXPECT_EQ(parsed.request.entry, row.entry) << row.line;
        EXPECT_EQ(parsed.request.force, row.force) << row.line;
        EXPECT_EQ(parsed.request.noTheme, row.none) << row.line;
    }
    EXPECT_TRUE(ParseCommandLine(Words("theme a.theme --watch")).request.watch);
    EXPECT_FALSE(ParseCommandLine(Words("theme a.theme")).request.watch);
    Parsed tick = ParseCommandLine(Words("start --tick 250"));
    ASSERT_TRUE(tick.request.tickMs.has_value());
    EXPECT_EQ(*tick.request.tickMs, 250u);
    Parsed hex = ParseCommandLine(Words("identify 0x1A2b"));
    ASSERT_TRUE(hex.request.window.has_value());
    EXPECT_EQ(*hex.request.window, 0x1A2Bu);
    Parsed at = ParseCommandLine(Words("identify --at -5,300"));
    ASSERT_TRUE(at.request.point.has_value());
    EXPECT_EQ(at.request.point->first, -5);
    EXPECT_EQ(at.request.point->second, 300);
}

TEST(VtctlCommandLine, RefusedLinesSayWhy) {
    struct Row {
        std::vector<std::string> args;
        const char* says;
    } rows[] = {
        {{}, "no command"},
        {{"launch"}, "unknown command launch"},
        {{"start", "--tick"}, "--tick needs"},
        {{"start", "--tick", "0"}, "--tick needs"},
        {{"start", "--tick", "-4"}, "--tick needs"},
        {{"start", "--tick", "9x"}, "--tick needs"},
        {{"start", "extra"}, "unexpected argument extra"},
        {{"stop", "--force"}, "unknown option --force"},
        {{"theme"}, "theme needs a theme file"},
        {{"theme", "a", "b"}, "unexpected argument b"},
        {{"theme", "--none", "--force"}, "--force and --watch go with a theme file"},
        {{"theme", "--none", "--watch"}, "--force and --watch go with a theme file"},
        {{"pin", "A.EXE", "a.theme", "--watch"}, "unknown option --watch"},
        {{"pin", "NOTEPAD.EXE"}, "pin needs PROGRAM.EXE"},
        {{"pin", "C:\\x\\NOTEPAD.EXE", "a.theme"}, "without folder"},
        {{"pin", "A=B.EXE", "a.theme"}, "without folder and without '='"},
        {{"unpin"}, "unpin needs PROGRAM.EXE"},
        {{"exclude"}, "needs --module"},
        {{"exclude", "--module"}, "--module needs a name"},
        {{"exclude", "--module", "a", "--class", "b"}, "one of --module"},
        {{"include", "--class", "[X]"}, "as a section"},
        {{"exclude", "--class", "#32770"}, "as a comment"},
        {{"exclude", "--module", "a\nb"}, "fits on one line"},
        {{"identify"}, "a window handle or --at"},
        {{"identify", "0xZZ"}, "not a window handle: 0xZZ"},
        {{"identify", "0"}, "not a window handle"},
        {{"identify", "--at", "12"}, "--at needs a screen point"},
        {{"identify", "--at", "1,b"}, "--at needs a screen point"},
    };
    for (const Row& row : rows) {
        std::string line;
        for (const std::string& a : row.args) line += a + " ";
        Parsed parsed = ParseCommandLine(row.args);
        EXPECT_NE(parsed.error.find(row.says), std::string::npos) << line << "-> \"" << parsed.error << "\"";
    }
}

TEST(VtctlConfigEdits, PinAndUnpinTouchOnlyTheProgramsLines) {
    struct Row {
        const char* name;
        std::string before, program, after;
        bool pin;
        bool changed;
    } rows[] = {
        {"appended, CR LF kept", "# pins\r\nCALC.EXE=C:\\a.theme\r\n", "NOTEPAD.EXE",
         "# pins\r\nCALC.EXE=C:\\a.theme\r\nNOTEPAD.EXE=C:\\b.theme\r\n", true, true},
        {"appended after a last line without a break", "CALC.EXE=x", "NOTEPAD.EXE",
         "CALC.EXE=x\r\nNOTEPAD.EXE=C:\\b.theme\r\n", true, true},
        {"LF file stays LF", "# x\nCALC.EXE=x\n", "A.EXE", "# x\nCALC.EXE=x\nA.EXE=C:\\b.theme\n", true, true},
        {"empty file", "", "A.EXE", "A.EXE=C:\\b.theme\r\n", true, true},
        {"first match replaced in any case, later ones left", "notepad.exe=old\r\n#c\r\nNOTEPAD.EXE=older\r\n",
         "NOTEPAD.EXE", "NOTEPAD.EXE=C:\\b.theme\r\n#c\r\nNOTEPAD.EXE=older\r\n", true, true},
        {"a blank before '=' is another name", "NOTEPAD.EXE =x\n", "NOTEPAD.EXE", "NOTEPAD.EXE =x\nNOTEPAD.EXE=C:\\b.theme\n",
         true, true},
        {"unpin removes every line naming it", "a.exe=1\r\n# keep\r\nB.EXE=2\r\nA.EXE=3", "A.EXE", "# keep\r\nB.EXE=2\r\n",
         false, true},
        {"unpin of a name not there", "B.EXE=2\n# A.EXE=3\n", "A.EXE", "B.EXE=2\n# A.EXE=3\n", false, false},
    };
    for (const Row& row : rows) {
        std::string text = row.before;
        bool changed = true;
        if (row.pin) text = PinProgram(text, row.program, "C:\\b.theme");
        else changed = UnpinProgram(text, row.program);
        EXPECT_EQ(text, row.after) << row.name;
        EXPECT_EQ(changed, row.changed) << row.name;
    }
}

TEST(VtctlConfigEdits, ExclusionsGoToTheirSectionAndComeOutOfEveryBlock) {
    const std::string file = "# kept out\r\n[MODULES]\r\nCALC.EXE\r\n\r\n[windowclasses]\r\n# dialogs\r\nEdit\r\n";
    struct Row {
        const char* name;
        std::string before, section, entry, after;
        bool add;
        bool changed;
    } rows[] = {
        {"after the section's last entry, blank line kept", file, "MODULES", "notepad.exe",
         "# kept out\r\n[MODULES]\r\nCALC.EXE\r\nnotepad.exe\r\n\r\n[windowclasses]\r\n# dialogs\r\nEdit\r\n", true, true},
        {"a lower-case header is the same section", file, "WINDOWCLASSES", "Button", file + "Button\r\n", true, true},
        {"a section not there yet is added at the end", file, "NONESTED", "A.EXE",
         file + "\r\n[NONESTED]\r\nA.EXE\r\n", true, true},
        {"already listed in another case", file, "MODULES", "calc.exe", file, true, false},
        {"the same name in another section is another entry", file, "WINDOWCLASSES", "CALC.EXE",
         file + "CALC.EXE\r\n", true, true},
        {"a header with a trailing blank is no such section", "[MODULES] \nA.EXE\n", "MODULES", "B.EXE",
         "[MODULES] \nA.EXE\n\n[MODULES]\nB.EXE\n", true, true},
        {"into an empty section, right after its header", "[MODULES]\n[NONESTED]\nX\n", "MODULES", "B.EXE",
         "[MODULES]\nB.EXE\n[NONESTED]\nX\n", true, true},
        {"removed from every block, in any case", "[MODULES]\nA.EXE\n[NONESTED]\nA.EXE\n[modules]\na.exe\n#A.EXE\n",
         "MODULES", "A.exe", "[MODULES]\n[NONESTED]\nA.EXE\n[modules]\n#A.EXE\n", false, true},
        {"blanks make it another entry", "[MODULES]\nA.EXE \n", "MODULES", "A.EXE", "[MODULES]\nA.EXE \n", false, false},
        {"lines before any section are no entries", "A.EXE\n[MODULES]\n", "MODULES", "A.EXE", "A.EXE\n[MODULES]\n",
         false, false},
    };
    for (const Row& row : rows) {
        std::string text = row.before;
        bool changed = row.add ? AddExclusion(text, row.section, row.entry) : RemoveExclusion(text, row.section, row.entry);
        EXPECT_EQ(text, row.after) << row.name;
        EXPECT_EQ(changed, row.changed) << row.name;
    }
}

}  // namespace
}  // namespace vt::ctl
