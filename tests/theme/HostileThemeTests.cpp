// Themes written to freeze a host program: each load must end within a second, with the
// offending line reported.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "ThemeTestSupport.h"
#include "script/Limits.h"
#include "script/ScriptEngine.h"
#include "theme/ThemeInspector.h"
#include "theme/ThemeState.h"

namespace vt {
namespace {

using test::TempFolder;
using test::WriteFile;

double LoadSeconds(ThemeInspector& inspector, const std::string& path) {
    const auto start = std::chrono::steady_clock::now();
    inspector.Load(path);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Names that are not regular files, as an [IMAGES] entry and as the theme itself: opening a
// FIFO (or, on Windows, a device) would wait for ever.
// A theme needs a frame element to be one.
constexpr const char* kOneElement = "[LAYOUT]\nCLIENT TL:0,0 BR:0,0 NONE NONE NONE NONE\n";

TEST(HostileTheme, OnlyRegularFilesAreOpened) {
    TempFolder folder;
    struct Row {
        const char* name;   // in the folder; a FIFO, a folder or a device
        const char* message;
    };
    std::vector<Row> rows = {{"folder.bmp", "not a regular file"}};
#ifdef _WIN32
    rows.push_back({"NUL", ""});   // a device: refused one way or another, at once
#else
    rows.push_back({"fifo.bmp", "not a regular file"});
    ASSERT_EQ(mkfifo((folder / "fifo.bmp").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo((folder / "fifo.theme").c_str(), 0600), 0);
#endif
    std::filesystem::create_directory(folder / "folder.bmp");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string theme = folder / "t.theme";
        WriteFile(theme, std::string("[IMAGES]\npiece ") + row.name + "\n" + kOneElement);
        ThemeState state;
        ThemeInspector inspector(state);
        EXPECT_LT(LoadSeconds(inspector, theme), 1.0);
        ASSERT_EQ(inspector.Errors().size(), 1u);
        EXPECT_EQ(inspector.Errors()[0].line, 2);
        EXPECT_NE(inspector.Errors()[0].message.find(row.message), std::string::npos) << inspector.Errors()[0].message;
    }
#ifndef _WIN32
    ThemeState state;
    ThemeInspector inspector(state);
    EXPECT_LT(LoadSeconds(inspector, folder / "fifo.theme"), 1.0);
    EXPECT_EQ(inspector.CheckReport(), folder / "fifo.theme" + ":0: \"" + folder / "fifo.theme" + "\" is not a regular file\n");
#endif
}

// One [CODE] line of 400,000 pairs (2.8 MB) loads in a fraction of a second.
TEST(HostileTheme, LongCodeLineLoadsInLinearTime) {
    TempFolder folder;
    std::string code = "[CODE]\n";
    for (int i = 0; i < 400'000; ++i) code += "1 DROP ";
    WriteFile(folder / "long.theme", code + "\n" + kOneElement);
    ThemeState state;
    ThemeInspector inspector(state);
    EXPECT_LT(LoadSeconds(inspector, folder / "long.theme"), 1.0);
    EXPECT_EQ(inspector.CheckReport(), "");
}

// Lines that each run to the per-run step limit share one budget for the whole load, so a theme
// cannot hold every starting program up for as long as it has lines; each line past it is
// reported.
TEST(HostileTheme, CodeLinesShareOneLoadBudget) {
    TempFolder folder;
    std::string code = "[CODE]\n: spin BEGIN 0 UNTIL ;\n";
    for (int i = 0; i < 8; ++i) code += "spin\n";
    WriteFile(folder / "spin.theme", code + kOneElement);
    ThemeState state;
    ThemeInspector inspector(state);
    inspector.Load(folder / "spin.theme");
    EXPECT_LE(state.Scripts->StepsSpent(), kLoadStepBudget);
    ASSERT_EQ(inspector.Errors().size(), 8u);
    EXPECT_EQ(inspector.Errors()[7].line, 10);
    EXPECT_EQ(state.Scripts->StepBudget(), kStepBudget);   // event words keep their own budget per run
}

}  // namespace
}  // namespace vt
