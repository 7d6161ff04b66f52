// exclude.cfg's line rules and the eligibility they give.
#include <gtest/gtest.h>

#include "hook/Eligibility.h"
#include "hook/ExclusionLists.h"
#include "hook/SubclassNode.h"
#include "theme/TextLines.h"

namespace vt {
namespace {

using Lines = std::vector<std::string>;

struct ParseRow {
    const char* name;
    const char* text;
    Lines modules, classes, noNested, noSizeFixups;
};

TEST(ExclusionLists, LineRules) {
    const ParseRow rows[] = {
        {"one entry per section", "[MODULES]\nedit.exe\n[WINDOWCLASSES]\nNotepad\n[NONESTED]\nx.exe\n[NOSIZEFIXUPS]\nDialog\n",
         {"EDIT.EXE"}, {"NOTEPAD"}, {"X.EXE"}, {"DIALOG"}},
        {"lines before any section are ignored", "edit.exe\nNotepad\n[MODULES]\nlate.exe", {"LATE.EXE"}, {}, {}, {}},
        {"section names ignore case", "[modules]\na.exe\n[WindowClasses]\nb", {"A.EXE"}, {"B"}, {}, {}},
        {"blanks stay part of an entry", "[MODULES]\n edit.exe\nedit.exe \n", {" EDIT.EXE", "EDIT.EXE "}, {}, {}, {}},
        {"empty lines and comments are skipped", "[MODULES]\n\n#edit.exe\na.exe\r\n\r\n", {"A.EXE"}, {}, {}, {}},
        {"a header with a trailing blank names no section", "[MODULES] \na.exe\n[MODULES]\nb.exe", {"B.EXE"}, {}, {}, {}},
        {"the last character goes whatever it is", "[MODULESX\na.exe", {"A.EXE"}, {}, {}, {}},
        {"a lone bracket is an unknown section", "[MODULES]\na.exe\n[\nb.exe", {"A.EXE"}, {}, {}, {}},
        {"an unknown section's lines are ignored", "[OTHER]\na.exe\n[MODULES]\nb.exe", {"B.EXE"}, {}, {}, {}},
        {"duplicates stay, order kept", "[MODULES]\nb.exe\na.exe\nb.exe", {"B.EXE", "A.EXE", "B.EXE"}, {}, {}, {}},
        {"only ASCII letters are upper-cased", "[WINDOWCLASSES]\nk\xe4se", {}, {"K\xe4SE"}, {}, {}},
    };
    for (const ParseRow& row : rows) {
        ExclusionLists lists;
        lists.AddLines(SplitLines(row.text));
        EXPECT_EQ(lists.excludedModules, row.modules) << row.name;
        EXPECT_EQ(lists.excludedClasses, row.classes) << row.name;
        EXPECT_EQ(lists.noNestedModules, row.noNested) << row.name;
        EXPECT_EQ(lists.noSizeFixupClasses, row.noSizeFixups) << row.name;
    }
}

struct EligibilityRow {
    const char* name;
    const char* module;
    const char* windowClass;
    bool nested;
    bool eligible;
    std::uint32_t extraFlags;
};

TEST(Eligibility, ByModuleAndClass) {
    ExclusionLists lists;
    lists.AddLines(SplitLines("[MODULES]\nBANNED.EXE\n[WINDOWCLASSES]\nSECRET\n[NONESTED]\nFLAT.EXE\n"
                              "[NOSIZEFIXUPS]\nFIXED\n"));
    const std::uint32_t noFixup = SubclassNode::NoSizeFixup;
    const EligibilityRow rows[] = {
        {"unlisted", "EDIT.EXE", "FRAME", false, true, 0},
        {"excluded module, themed", "BANNED.EXE", "FRAME", false, false, 0},
        {"excluded module, nested", "BANNED.EXE", "FRAME", true, false, 0},
        {"excluded module stops before the class rules", "BANNED.EXE", "FIXED", false, false, 0},
        {"excluded class", "EDIT.EXE", "SECRET", false, false, 0},
        {"no-nested module, themed", "FLAT.EXE", "FRAME", false, true, 0},
        {"no-nested module, nested", "FLAT.EXE", "FRAME", true, false, 0},
        {"no-size-fixup class", "EDIT.EXE", "FIXED", false, true, noFixup},
        {"no-size-fixup class, otherwise not eligible", "FLAT.EXE", "FIXED", true, false, noFixup},
    };
    for (const EligibilityRow& row : rows) {
        Eligibility result = IsEligibleByName(row.module, row.windowClass, row.nested, lists);
        EXPECT_EQ(result.eligible, row.eligible) << row.name;
        EXPECT_EQ(result.extraFlags, row.extraFlags) << row.name;
    }
}

TEST(Eligibility, ModuleBaseName) {
    EXPECT_EQ(ModuleBaseName("C:\\Program Files\\Edit\\Edit.exe"), "EDIT.EXE");
    EXPECT_EQ(ModuleBaseName("plain.dll"), "PLAIN.DLL");
    EXPECT_EQ(ModuleBaseName("C:\\dir\\"), "");
}

}  // namespace
}  // namespace vt
