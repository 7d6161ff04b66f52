// vtctl as a user runs it: a child process of the test, from a private folder with the module
// beside it, its output read back from files and every run bounded by a timeout. The probe
// window (vtprobe) stands for the user's programs.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "ControllerConfig.h"
#include "ExitCode.h"
#include "FrameTestSupport.h"
#include "HookTestSupport.h"
#include "ProbeProcess.h"
#include "VtctlRun.h"
#include "common/win32/SharedArea.h"
#include "common/win32/UniqueHandle.h"
#include "frame/ThemesConfig.h"
#include "hook/ExclusionLists.h"
#include "theme/TextLines.h"

namespace vt {
namespace {

constexpr DWORD kWaitMs = 8000;

using test::Contains;
using test::NoCr;
using test::ReadFileText;
using test::Result;
using test::VtctlRun;
using test::WaitFor;

struct FindTraits {
    using Handle = HANDLE;
    static Handle None() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { FindClose(handle); }
};

class VtctlTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::TakeClosedBoxes();
        ASSERT_TRUE(copy_.Ok());
        exe_ = copy_.Folder() + "vtctl.exe";
        ASSERT_TRUE(CopyFileA((ProgramFolder() + "vtctl.exe").c_str(), exe_.c_str(), FALSE));
        ASSERT_NE(area_.Open(), nullptr);
        savedEnabled_ = area_.NewWindowsEnabled();
        themeA_ = test::WritePaneTheme();
        themeB_ = test::WritePaneTheme({{"CLIENT TL:4,24 BR:-4,-4", "CLIENT TL:10,30 BR:-10,-10"}});
        ASSERT_TRUE(WriteControllerValue("Theme", themeA_));
    }
    void TearDown() override {
        if (resident_) {
            Vtctl("stop");
            resident_->Wait(15000);
            resident_.reset();
        }
        area_.SetNewWindowsEnabled(savedEnabled_);
        for (const char* name : {"vtctl.exe", "themes.cfg", "exclude.cfg"}) DeleteFileA((copy_.Folder() + name).c_str());
        EXPECT_TRUE(test::TakeClosedBoxes().empty()) << "no message box may appear";
    }

    Result Vtctl(const std::string& args) {
        return test::RunToEnd(exe_, args);
    }
    // `vtctl start ARGS`, resident until the test stops it; true once status says it runs.
    bool StartResident(const std::string& args = "") {
        resident_ = std::make_unique<VtctlRun>(exe_, "start " + args);
        return WaitFor([&] { return Contains(resident_->Out(), "vtctl stop"); }) && resident_->Running();
    }
    std::string ProbePath() const { return ProgramFolder() + "vtprobe.exe"; }

    ControllerValueRestorer restoreEnabled_{"Enabled"};
    ControllerValueRestorer restoreTheme_{"Theme"};
    test::ModuleFolderCopy copy_;
    SharedArea area_;
    bool savedEnabled_ = true;
    std::string exe_, themeA_, themeB_;
    std::unique_ptr<VtctlRun> resident_;
};

bool Has(LRESULT state, LRESULT bits) { return state >= 0 && (state & bits) == bits; }

TEST_F(VtctlTest, EveryErrorPathExitsNonZeroWithAMessage) {
    const std::string missing = copy_.Folder() + "no-such.theme";
    struct Row {
        std::string args;
        int code;
        const char* says;
    } rows[] = {
        {"", ctl::kUsage, "no command given"},
        {"frobnicate", ctl::kUsage, "unknown command frobnicate"},
        {"start --tick x", ctl::kUsage, "--tick needs"},
        {"stop", ctl::kNotRunning, "Veltrane is not running"},
        {"theme \"" + missing + "\"", ctl::kThemeRefused, "no such theme file"},
        {"theme --force \"" + missing + "\"", ctl::kThemeRefused, "no such theme file"},
        {"pin NOTEPAD.EXE \"" + missing + "\"", ctl::kThemeRefused, "no such theme file"},
        {"unpin NOTEPAD.EXE", ctl::kNothingToRemove, "NOTEPAD.EXE is not pinned"},
        {"include --module calc.exe", ctl::kNothingToRemove, "is not in [MODULES]"},
        {"identify 0x7FFF0001", ctl::kNoAnswer, "is no window"},
        {"exclude --class #32770", ctl::kUsage, "would read it as a comment"},
    };
    for (const Row& row : rows) {
        Result result = Vtctl(row.args);
        EXPECT_EQ(result.code, row.code) << "vtctl " << row.args << "\n" << result.err;
        EXPECT_EQ(result.err.rfind("vtctl: ", 0), 0u) << "vtctl " << row.args << ": " << result.err;
        EXPECT_TRUE(Contains(result.err, row.says)) << "vtctl " << row.args << ": " << result.err;
    }
    Result help = Vtctl("--help");
    EXPECT_EQ(help.code, ctl::kDone);
    EXPECT_TRUE(Contains(help.out, "usage: vtctl")) << help.out;

    // A window that nobody hooked does not answer.
    ProbeProcess probe;
    ASSERT_TRUE(probe.Start(ProbePath(), probe::kStyleFrame));
    char handle[32];
    std::snprintf(handle, sizeof handle, "0x%llX", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(probe.Window())));
    Result silent = Vtctl(std::string("identify ") + handle);
    EXPECT_EQ(silent.code, ctl::kNoAnswer) << silent.out << silent.err;
    EXPECT_TRUE(Contains(silent.err, "did not answer")) << silent.err;
    EXPECT_EQ(probe.Close(), 0);

    // Without the module beside it, start says so and changes nothing.
    ASSERT_TRUE(DeleteFileA(copy_.ModulePath().c_str()));
    Result noModule = Vtctl("start");
    EXPECT_EQ(noModule.code, ctl::kModuleMissing);
    EXPECT_TRUE(Contains(noModule.err, "vtctl: no module at " + copy_.ModulePath())) << noModule.err;
}

TEST_F(VtctlTest, StartSkinsStatusReportsSecondStartRefusedStopRestoresRestartSkinsOpenPrograms) {
    ASSERT_TRUE(StartResident("--tick 100")) << resident_->Err();
    EXPECT_TRUE(Contains(resident_->Out(), "Veltrane started: " + std::to_string(sizeof(void*) * 8) + "-bit module " +
                                               copy_.ModulePath()))
        << resident_->Out();

    Result status = Vtctl("status");
    EXPECT_EQ(status.code, ctl::kDone);
    const std::string bits = std::to_string(sizeof(void*) * 8) + "-bit";
    for (const std::string& line : {"running: yes (" + bits + " controller)", std::string("enabled: yes"),
                                    "theme: " + themeA_, "module: " + copy_.ModulePath() + " (" + bits + ")"}) {
        EXPECT_TRUE(Contains(status.out, line)) << "wanted \"" << line << "\" in\n" << status.out;
    }

    Result second = Vtctl("start");
    EXPECT_EQ(second.code, ctl::kAlreadyRunning);
    EXPECT_TRUE(Contains(second.err, "vtctl: Veltrane is already running")) << second.err;
    EXPECT_TRUE(resident_->Running()) << "the first one goes on";

    ProbeProcess probe;
    ASSERT_TRUE(probe.Start(ProbePath(), probe::kStyleFrame));
    EXPECT_TRUE(Has(probe.WaitForState([](LRESULT s) { return Has(s, probe::kProcedureInVeltrane); }, kWaitMs),
                    probe::kProcedureInVeltrane))
        << "a program started while vtctl runs is subclassed";
    EXPECT_TRUE(test::WaitForClientAt(probe.Window(), 4, 24)) << "and skinned with the theme";

    char handle[32];
    std::snprintf(handle, sizeof handle, "0x%llX", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(probe.Window())));
    RECT outer{};
    GetWindowRect(probe.Window(), &outer);
    SetForegroundWindow(probe.Window());
    for (const std::string& args : {std::string("identify ") + handle,
                                    "identify --at " + std::to_string(outer.left + 40) + "," + std::to_string(outer.top + 60)}) {
        Result who = Vtctl(args);
        EXPECT_EQ(who.code, ctl::kDone) << args << ": " << who.err;
        EXPECT_EQ(_stricmp(who.out.substr(0, who.out.find_first_of("\r\n")).c_str(), ProbePath().c_str()), 0)
            << args << ": " << who.out;
    }

    Result stop = Vtctl("stop");
    EXPECT_EQ(stop.code, ctl::kDone) << stop.err;
    EXPECT_TRUE(Contains(stop.out, "Veltrane stopped")) << stop.out;
    EXPECT_EQ(resident_->Wait(10000), ctl::kDone) << "the resident controller ends on its own";
    EXPECT_TRUE(Contains(resident_->Out(), "Veltrane stopped")) << resident_->Out();
    resident_.reset();
    EXPECT_TRUE(Has(probe.WaitForState([](LRESULT s) { return Has(s, probe::kProcedureIsOwn); }, kWaitMs),
                    probe::kProcedureIsOwn))
        << "the probe has its own procedure back";
    EXPECT_TRUE(WaitFor([&] { return test::ClientInWindow(probe.Window()).top != 24; })) << "and its own frame";
    EXPECT_TRUE(Contains(Vtctl("status").out, "running: no"));

    // Started again: the program open all along is skinned at once.
    ASSERT_TRUE(StartResident()) << resident_->Err();
    EXPECT_TRUE(Has(probe.WaitForState([](LRESULT s) { return Has(s, probe::kProcedureInVeltrane); }, kWaitMs),
                    probe::kProcedureInVeltrane))
        << "a program open before the start is subclassed";
    EXPECT_TRUE(test::WaitForClientAt(probe.Window(), 4, 24)) << "and skinned with the theme";
    EXPECT_EQ(Vtctl("stop").code, ctl::kDone);
    EXPECT_EQ(resident_->Wait(10000), ctl::kDone);
    resident_.reset();
    EXPECT_TRUE(WaitFor([&] { return test::ClientInWindow(probe.Window()).top != 24; })) << "its own frame again";
    EXPECT_EQ(probe.Close(), 0);
}

TEST_F(VtctlTest, LogoffEndsTheControllerCleanly) {
    ASSERT_TRUE(StartResident()) << resident_->Err();
    ProbeProcess probe;
    ASSERT_TRUE(probe.Start(ProbePath(), probe::kStyleFrame));
    ASSERT_TRUE(Has(probe.WaitForState([](LRESULT s) { return Has(s, probe::kProcedureInVeltrane); }, kWaitMs),
                    probe::kProcedureInVeltrane));
    HWND controller = FindWindowA("VeltraneControllerWindow", nullptr);
    ASSERT_NE(controller, nullptr);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(controller, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &ignored);
    SendMessageTimeoutA(controller, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &ignored);
    EXPECT_EQ(resident_->Wait(10000), ctl::kDone);
    resident_.reset();
    EXPECT_TRUE(Has(probe.WaitForState([](LRESULT s) { return Has(s, probe::kProcedureIsOwn); }, kWaitMs),
                    probe::kProcedureIsOwn));
    EXPECT_EQ(probe.Close(), 0);
}

// theme --watch while the theme is edited: the probe, another process, takes each save; a broken
// save is refused with its lines and the probe keeps the last good theme.
TEST_F(VtctlTest, ThemeWatchTakesEachSaveAndKeepsTheLastGoodTheme) {
    ASSERT_TRUE(StartResident()) << resident_->Err();
    const std::string folder = copy_.Folder() + "watched";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string theme = folder + "\\edited.theme";
    ASSERT_TRUE(CopyFileA(themeA_.c_str(), theme.c_str(), FALSE));
    VtctlRun watch(exe_, "theme \"" + theme + "\" --watch");
    auto applied = [&] {
        const std::string out = watch.Out();
        int count = 0;
        for (std::size_t at = out.find("theme: "); at != std::string::npos; at = out.find("theme: ", at + 1)) ++count;
        return count;
    };
    ASSERT_TRUE(WaitFor([&] { return applied() == 1; })) << watch.Err();
    ProbeProcess probe;
    ASSERT_TRUE(probe.Start(ProbePath(), probe::kStyleFrame));
    ASSERT_TRUE(test::WaitForClientAt(probe.Window(), 4, 24))
        << "theme A: " << test::ClientInWindow(probe.Window()).left << "," << test::ClientInWindow(probe.Window()).top
        << " " << watch.Out() << watch.Err();

    ASSERT_TRUE(CopyFileA(themeB_.c_str(), theme.c_str(), FALSE));
    const DWORD saved = GetTickCount();
    // Picked up within a second (watch_tests, vttheme_render_tests); here with the load and the
    // broadcast to every window besides.
    EXPECT_TRUE(WaitFor([&] { return applied() == 2; }, 2000)) << "a save applied: " << watch.Err();
    EXPECT_TRUE(test::WaitForClientAt(probe.Window(), 10, 30)) << "theme B in the probe, after " << GetTickCount() - saved << " ms";

    std::ofstream(theme, std::ios::binary | std::ios::app) << "\r\n[LAYOUT]\r\nBOGUS TL:0,0 TL:1,1 NONE\r\n";
    EXPECT_TRUE(WaitFor([&] { return Contains(watch.Err(), "last good theme"); }, 1500)) << watch.Err();
    EXPECT_TRUE(Contains(watch.Err(), theme + ":")) << "the broken line, as FILE:LINE: " << watch.Err();
    EXPECT_TRUE(Contains(watch.Err(), "Invalid element code")) << watch.Err();
    EXPECT_EQ(applied(), 2);
    EXPECT_TRUE(test::WaitForClientAt(probe.Window(), 10, 30, 500)) << "the probe keeps theme B";
    EXPECT_EQ(ReadControllerValue("Theme").value_or(""), theme);
    EXPECT_EQ(probe.Close(), 0);
    EXPECT_EQ(watch.Wait(0), -1) << "it watches until it is stopped";
    DeleteFileA(theme.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(VtctlTest, ThemeRefusesBrokenThemeWithItsLinesTakesItForcedAndSwitchesLive) {
    const std::string broken = test::WritePaneTheme({{"CAPTION TL:8,2", "NOSUCHPIECE TL:8,2"},
                                                     {"1 100 65280 PUTPIXEL ;", "1 100 NOSUCHWORD ;"}});
    // The lines the two faults are on, counted in the file written.
    auto lineOf = [&](const std::string& text) {
        const std::string content = ReadFileText(broken);
        const std::size_t at = content.find(text);
        return std::to_string(1 + std::count(content.begin(), content.begin() + std::ptrdiff_t(at), '\n'));
    };
    const std::string pieceLine = lineOf("NOSUCHPIECE"), wordLine = lineOf("NOSUCHWORD");
    Result refused = Vtctl("theme \"" + broken + "\"");
    EXPECT_EQ(refused.code, ctl::kThemeRefused);
    EXPECT_TRUE(Contains(refused.err, broken + ":" + pieceLine + ": Invalid element code")) << refused.err;
    EXPECT_TRUE(Contains(refused.err, broken + ":" + wordLine + ": Unknown WORD NOSUCHWORD")) << refused.err;
    EXPECT_TRUE(Contains(refused.err, "vtctl: theme refused: 2 line(s)")) << refused.err;
    EXPECT_EQ(ReadControllerValue("Theme").value_or(""), themeA_) << "a refused theme is not written";

    ASSERT_TRUE(StartResident()) << resident_->Err();
    ProbeProcess probe;
    ASSERT_TRUE(probe.Start(ProbePath(), probe::kStyleFrame));
    ASSERT_TRUE(test::WaitForClientAt(probe.Window(), 4, 24)) << "theme A";

    Result switched = Vtctl("theme \"" + themeB_ + "\"");
    EXPECT_EQ(switched.code, ctl::kDone) << switched.err;
    EXPECT_EQ(ReadControllerValue("Theme").value_or(""), themeB_);
    EXPECT_TRUE(test::WaitForClientAt(probe.Window(), 10, 30)) << "the probe, another process, takes theme B's CLIENT live";

    Result none = Vtctl("theme --none");
    EXPECT_EQ(none.code, ctl::kDone) << none.err;
    EXPECT_FALSE(ReadControllerValue("Theme").has_value());
    EXPECT_TRUE(WaitFor([&] { return test::ClientInWindow(probe.Window()).top < 24; })) << "no theme: its own frame";

    Result forced = Vtctl("theme --force \"" + broken + "\"");
    EXPECT_EQ(forced.code, ctl::kDone) << forced.err;
    EXPECT_TRUE(Contains(forced.err, broken + ":" + pieceLine + ": ")) << "the errors are still printed: " << forced.err;
    EXPECT_EQ(ReadControllerValue("Theme").value_or(""), broken);
    // The module in the probe would now show its load errors in boxes; it is not asked to reload.
    EXPECT_EQ(probe.Close(), 0);
}

TEST_F(VtctlTest, PinExcludeAndTheirUndoEditOnlyTheirLines) {
    const std::string themes = "# pinned programs\r\nCALC.EXE=C:\\themes\\calc.theme\r\n";
    const std::string exclude = "# never skinned\r\n[MODULES]\r\nCALC.EXE\r\n\r\n[WINDOWCLASSES]\r\n# tool tips\r\ntooltips_class32\r\n";
    copy_.WriteFile("themes.cfg", themes);
    copy_.WriteFile("exclude.cfg", exclude);
    const std::string themesPath = copy_.Folder() + "themes.cfg", excludePath = copy_.Folder() + "exclude.cfg";

    Result pin = Vtctl("pin notepad.exe \"" + themeB_ + "\"");
    ASSERT_EQ(pin.code, ctl::kDone) << pin.err;
    EXPECT_EQ(ReadFileText(themesPath), themes + "notepad.exe=" + themeB_ + "\r\n");
    EXPECT_EQ(FindHostTheme(ReadTextLines(themesPath), "NOTEPAD.EXE").value_or(""), themeB_) << "as the module looks it up";
    Result unpin = Vtctl("unpin NOTEPAD.EXE");
    EXPECT_EQ(unpin.code, ctl::kDone) << unpin.err;
    EXPECT_EQ(ReadFileText(themesPath), themes);

    struct Row {
        const char* option;
        const char* name;
        std::vector<std::string> ExclusionLists::*list;
    } rows[] = {
        {"--module", "notepad.exe", &ExclusionLists::excludedModules},
        {"--class", "Edit", &ExclusionLists::excludedClasses},
        {"--nonested", "winemine.exe", &ExclusionLists::noNestedModules},
        {"--nosizefixups", "ComboLBox", &ExclusionLists::noSizeFixupClasses},
    };
    for (const Row& row : rows) {
        const std::string args = std::string(row.option) + " " + row.name;
        Result added = Vtctl("exclude " + args);
        EXPECT_EQ(added.code, ctl::kDone) << args << ": " << added.err;
        ExclusionLists lists;
        lists.LoadExcludeFile(excludePath);
        EXPECT_TRUE(IsListed(lists.*row.list, UpperCaseAscii(row.name))) << args << "\n" << ReadFileText(excludePath);
        EXPECT_EQ(Vtctl("exclude " + args).code, ctl::kDone) << "twice is no error";
        Result removed = Vtctl("include " + args);
        EXPECT_EQ(removed.code, ctl::kDone) << args << ": " << removed.err;
        std::string text = ReadFileText(excludePath);
        if (std::string(row.option) == "--module" || std::string(row.option) == "--class") {
            EXPECT_EQ(text, exclude) << args << ": back as it was";
        } else {
            EXPECT_EQ(text.rfind(exclude, 0), 0u) << args << ": other lines kept\n" << text;
        }
    }
    ExclusionLists lists;
    lists.LoadExcludeFile(excludePath);
    EXPECT_EQ(lists.excludedModules, std::vector<std::string>{"CALC.EXE"});
    EXPECT_EQ(lists.excludedClasses, std::vector<std::string>{"TOOLTIPS_CLASS32"});
    EXPECT_TRUE(lists.noNestedModules.empty());
    EXPECT_TRUE(lists.noSizeFixupClasses.empty());

    WIN32_FIND_DATAA found{};
    UniqueHandle<FindTraits> search(FindFirstFileA((copy_.Folder() + "~*").c_str(), &found));
    EXPECT_FALSE(search) << "no temporary file is left behind: " << found.cFileName;
}

TEST_F(VtctlTest, InfoIsTheThemesInfoSection) {
    Result info = Vtctl("info");
    EXPECT_EQ(info.code, ctl::kDone) << info.err;
    EXPECT_EQ(NoCr(info.out).rfind("Pane: flat colours for the frame engine's pixel tests\n", 0), 0u) << info.out;
    ASSERT_TRUE(DeleteControllerValue("Theme"));
    Result empty = Vtctl("info");
    EXPECT_EQ(empty.code, ctl::kDone);
    EXPECT_EQ(empty.out, "");
    EXPECT_TRUE(Contains(empty.err, "no theme information")) << empty.err;
}

}  // namespace
}  // namespace vt
