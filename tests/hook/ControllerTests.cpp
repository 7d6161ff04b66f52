// The real veltrane.dll, driven as a controller drives it: loaded from a private copy of its
// folder, switched on in the registry and the shared area, and watched through probe windows in
// processes of their own and through windows of this process (the hook reaches both).
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ControllerConfig.h"
#include "HookLibrary.h"
#include "HookTestSupport.h"
#include "ProbeProcess.h"
#include "hook/Eligibility.h"
#include "common/win32/HookMessages.h"
#include "common/win32/ModuleInstance.h"
#include "common/win32/SharedArea.h"
#include "common/win32/UniqueHandle.h"

namespace vt {
namespace {

using test::RecordingWindow;

constexpr DWORD kWaitMs = 5000;

class ControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::TakeClosedBoxes();  // starts the watchdog; nothing from before counts
        ASSERT_TRUE(copy_.Ok()) << "cannot copy veltrane.dll to " << copy_.Folder();
        ASSERT_NE(area_.Open(), nullptr);
        savedEnabled_ = area_.NewWindowsEnabled();
        area_.SetNewWindowsEnabled(true);
        ASSERT_TRUE(WriteControllerValue("Theme", ""));  // no theme: every message passes through
        messages_.RegisterHookMessages();
    }
    void TearDown() override {
        if (library_.Loaded()) {
            library_.RemoveHook();
            library_.Unload();
        }
        test::PumpMessages();  // the posted "Veltrane Unhook" and anything else still queued
        area_.SetNewWindowsEnabled(savedEnabled_);
        std::vector<std::string> boxes = test::TakeClosedBoxes();
        EXPECT_TRUE(boxes.empty()) << "a message box appeared: " << (boxes.empty() ? "" : boxes.front());
    }

    // Loads the copy (with `excludeCfg` beside it when given), sets `Enabled` and installs.
    void Install(const std::optional<std::string>& enabled = std::string("1"),
                 const std::optional<std::string>& excludeCfg = std::nullopt) {
        if (excludeCfg) copy_.WriteFile("exclude.cfg", *excludeCfg);
        ASSERT_TRUE(SetControllerValue("Enabled", enabled));
        ASSERT_TRUE(library_.Load(copy_.ModulePath())) << library_.Error();
        library_.InstallHook();
    }
    bool Subclassed(HWND window) const { return test::ProcedureInside(window, library_.Module()); }
    std::string ProbePath() const { return ProgramFolder() + "vtprobe.exe"; }
    std::string InstancePath() {
        const unsigned char* bytes = area_.Open();
        return std::string(reinterpret_cast<const char*>(bytes + shared_layout::kInstancePath),
                           bytes[shared_layout::kInstancePathLength]);
    }

    ControllerValueRestorer restoreEnabled_{"Enabled"};
    ControllerValueRestorer restoreTheme_{"Theme"};
    test::ModuleFolderCopy copy_;
    SharedArea area_;
    bool savedEnabled_ = true;
    HookMessages messages_;
    HookLibrary library_;
};

std::string ToLower(std::string text) {
    for (char& c : text) c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    return text;
}

bool Has(LRESULT state, LRESULT bits) { return state >= 0 && (state & bits) == bits; }

TEST_F(ControllerTest, ExportsAreTheThreeByName) {
    ASSERT_TRUE(library_.Load(copy_.ModulePath())) << library_.Error();
    EXPECT_EQ(library_.ThemeInfo(), "") << "no theme, no information";
}

TEST_F(ControllerTest, ProbeWindowInAnotherProcessIsSubclassedPassesMessagesAndCloses) {
    Install();
    ProbeProcess probe;
    ASSERT_TRUE(probe.Start(ProbePath(), probe::kStyleFrame));
    LRESULT state = probe.WaitForState([](LRESULT s) { return Has(s, probe::kProcedureInVeltrane); }, kWaitMs);
    EXPECT_TRUE(Has(state, probe::kVeltraneLoaded | probe::kProcedureInVeltrane)) << "state " << state;

    LRESULT echoed = 0;
    EXPECT_TRUE(probe.Send(probe::kEcho, 0, 41, echoed));
    EXPECT_EQ(echoed, 42) << "a message reaches the window's own procedure";
    char title[64] = {};
    SendMessageTimeoutA(probe.Window(), WM_GETTEXT, sizeof title, reinterpret_cast<LPARAM>(title), SMTO_NORMAL,
                        kWaitMs, nullptr);
    EXPECT_STREQ(title, "Veltrane probe");
    EXPECT_EQ(probe.Close(), 0) << "closing goes through the own procedure's WM_CLOSE and WM_DESTROY";
}

TEST_F(ControllerTest, SystemMenuOnlyWindowIsSubclassedToo) {
    Install();
    ProbeProcess probe;
    ASSERT_TRUE(probe.Start(ProbePath(), probe::kStyleSysMenu));
    EXPECT_TRUE(Has(probe.WaitForState([](LRESULT s) { return Has(s, probe::kProcedureInVeltrane); }, kWaitMs),
                    probe::kProcedureInVeltrane));
    EXPECT_EQ(probe.Close(), 0);
}

TEST_F(ControllerTest, RemoveHookGivesWindowsTheirProceduresBack) {
    Install();
    ProbeProcess probe;
    ASSERT_TRUE(probe.Start(ProbePath(), probe::kStyleFrame));
    ASSERT_TRUE(Has(probe.WaitForState([](LRESULT s) { return Has(s, probe::kProcedureInVeltrane); }, kWaitMs),
                    probe::kProcedureInVeltrane));
    RecordingWindow local(WS_OVERLAPPEDWINDOW);
    ASSERT_TRUE(Subclassed(local.Handle()));

    library_.RemoveHook();
    EXPECT_EQ(GetWindowLongPtrA(local.Handle(), GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(RecordingWindow::OwnProcedure(false)))
        << "the controller's own windows at once";
    LRESULT state = probe.WaitForState([](LRESULT s) { return Has(s, probe::kProcedureIsOwn); }, kWaitMs);
    EXPECT_TRUE(Has(state, probe::kProcedureIsOwn)) << "the other process's window, through the posted Unhook; state "
                                                    << state;
    RecordingWindow later(WS_OVERLAPPEDWINDOW);
    EXPECT_FALSE(Subclassed(later.Handle())) << "no hook any more";
    EXPECT_EQ(probe.Close(), 0);
}

// A controller that unloads the module with its own windows open: a skinned window and a
// button of the taken-over class keep working on their own procedures.
TEST_F(ControllerTest, UnloadLeavesTheControllersOpenWindowsWorking) {
    auto newButton = [](HWND parent) {
        return UniqueWindow(CreateWindowA("BUTTON", "press", (parent ? WS_CHILD : WS_POPUP) | WS_VISIBLE | BS_PUSHBUTTON,
                                          4, 4, 60, 24, parent, nullptr, GetModuleHandleA(nullptr), nullptr));
    };
    for (bool removeFirst : {true, false}) {
        const char* name = removeFirst ? "RemoveHook, then unload" : "unload without RemoveHook";
        const LONG_PTR systemButton = GetWindowLongPtrA(newButton(nullptr).get(), GWLP_WNDPROC);
        Install();
        RecordingWindow local(WS_OVERLAPPEDWINDOW);
        ASSERT_TRUE(Subclassed(local.Handle())) << name;
        UniqueWindow button = newButton(local.Handle());
        ASSERT_TRUE(Subclassed(button.get())) << name << ": the button class is taken over";
        if (removeFirst) library_.RemoveHook();
        library_.Unload();
        ASSERT_EQ(GetModuleHandleA(copy_.ModulePath().c_str()), nullptr) << name << ": the module is really gone";

        EXPECT_EQ(GetWindowLongPtrA(local.Handle(), GWLP_WNDPROC),
                  reinterpret_cast<LONG_PTR>(RecordingWindow::OwnProcedure(false)))
            << name;
        local.ClearSeen();
        SendMessageA(local.Handle(), WM_USER + 2, 0, 0);
        EXPECT_EQ(local.Seen(), std::vector<UINT>{WM_USER + 2}) << name;
        EXPECT_EQ(GetWindowLongPtrA(button.get(), GWLP_WNDPROC), systemButton) << name;
        SendMessageA(button.get(), BM_SETSTATE, TRUE, 0);
        EXPECT_TRUE(SendMessageA(button.get(), BM_GETSTATE, 0, 0) & BST_PUSHED) << name << ": the system's button answers";
        EXPECT_EQ(GetWindowLongPtrA(newButton(local.Handle()).get(), GWLP_WNDPROC), systemButton)
            << name << ": later buttons get the system's class";
        RecordingWindow later(WS_OVERLAPPEDWINDOW);  // no hook left calling into freed code
        EXPECT_EQ(GetWindowLongPtrA(later.Handle(), GWLP_WNDPROC),
                  reinterpret_cast<LONG_PTR>(RecordingWindow::OwnProcedure(false)))
            << name;
        // The class copy could not be removed while the button lived (it got the system's
        // procedure instead); without it, the next load takes the class over again.
        button.reset();
        UnregisterClassA("BUTTON", GetModuleHandleA(nullptr));
    }
}

// A procedure the program puts on a window after the module's, passing everything on.
WNDPROC g_replacedByProgram = nullptr;
int g_reachedProgramsSubclass = 0;
LRESULT CALLBACK ProgramsSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER) ++g_reachedProgramsSubclass;
    return CallWindowProcA(g_replacedByProgram, window, message, wParam, lParam);
}

// The stop leaves the module's procedure in the chain of a window the program subclassed after
// it, as a pass-through: the program's procedure and the window's own still get every message;
// once the program takes its procedure out, the window has its own back. An unload (the module's
// code going away) gives every window its own procedure, also one still subclassed after us.
TEST_F(ControllerTest, SubclassAddedAfterOursSurvivesTheStop) {
    const auto own = reinterpret_cast<LONG_PTR>(RecordingWindow::OwnProcedure(false));
    for (bool unloadWhileSubclassed : {false, true}) {
        const char* name = unloadWhileSubclassed ? "unloaded, the program's subclass in place" : "stopped";
        Install();
        RecordingWindow window(WS_OVERLAPPEDWINDOW);
        const HWND w = window.Handle();
        ASSERT_TRUE(Subclassed(w)) << name;
        g_replacedByProgram = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProgramsSubclass)));
        auto reaches = [&](UINT message) {
            g_reachedProgramsSubclass = 0;
            window.ClearSeen();
            SendMessageA(w, message, 0, 0);
            return std::make_pair(g_reachedProgramsSubclass, window.Seen() == std::vector<UINT>{message});
        };
        EXPECT_EQ(reaches(WM_USER + 3), std::make_pair(1, true)) << name << ": skinned";
        library_.RemoveHook();
        if (unloadWhileSubclassed) {
            library_.Unload();
            EXPECT_EQ(GetWindowLongPtrA(w, GWLP_WNDPROC), own) << name;
            EXPECT_EQ(reaches(WM_USER + 4), std::make_pair(0, true)) << name;
            continue;
        }
        EXPECT_EQ(reaches(WM_USER + 4), std::make_pair(1, true)) << name << ": both procedures after the stop";
        SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_replacedByProgram));
        EXPECT_EQ(reaches(WM_USER + 5), std::make_pair(0, true)) << name << ": the program's subclass taken out";
        EXPECT_EQ(GetWindowLongPtrA(w, GWLP_WNDPROC), own) << name << ": the window's own procedure is back";
        window.Destroy();
        library_.Unload();
    }
}

// A program whose second GUI thread is inside a painting pass (a child of its skinned window,
// between BeginPaint and EndPaint, waiting for the first thread) when the module is unloaded
// without RemoveHook: the unload, under the loader lock, neither sends to that thread nor waits
// for it, and the thread's skinned window then answers on its own procedure.
struct Painter {
    UniqueKernelHandle inside{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    UniqueKernelHandle goOn{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    HMODULE module = nullptr;
    bool subclassed = false, restored = false, answered = false;
};

// A skinned window with a child that, once painted, stays inside its painting pass until `goOn`;
// then the window is asked to answer.
DWORD WINAPI PaintingThread(void* parameter) {
    Painter& p = *static_cast<Painter*>(parameter);
    RecordingWindow frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    p.subclassed = test::ProcedureInside(frame.Handle(), p.module);
    RecordingWindow child(WS_VISIBLE, frame.Handle());
    child.SetHandler([&](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message != WM_PAINT) return false;
        PAINTSTRUCT paint;
        BeginPaint(child.Handle(), &paint);
        SetEvent(p.inside.get());
        WaitForSingleObject(p.goOn.get(), 20000);
        EndPaint(child.Handle(), &paint);
        result = 0;
        return true;
    });
    InvalidateRect(child.Handle(), nullptr, TRUE);
    MSG message;
    while (WaitForSingleObject(p.goOn.get(), 0) != WAIT_OBJECT_0 && GetMessageA(&message, nullptr, 0, 0))
        DispatchMessageA(&message);
    p.restored = GetWindowLongPtrA(frame.Handle(), GWLP_WNDPROC) ==
                 reinterpret_cast<LONG_PTR>(RecordingWindow::OwnProcedure(false));
    frame.ClearSeen();
    DWORD_PTR ignored = 0;
    p.answered = SendMessageTimeoutA(frame.Handle(), WM_USER + 2, 0, 0, SMTO_NORMAL, kWaitMs, &ignored) &&
                 SendMessageTimeoutA(frame.Handle(), WM_NCHITTEST, 0, 0, SMTO_NORMAL, kWaitMs, &ignored) &&
                 frame.Seen() == std::vector<UINT>{WM_USER + 2, WM_NCHITTEST};
    return 0;
}

// Should the unload wait for the painting thread after all, this lets it go on, late.
DWORD WINAPI LetGoLate(void* goOn) {
    WaitForSingleObject(goOn, 10000);
    SetEvent(goOn);
    return 0;
}

// A program whose second GUI thread is inside a painting pass (a child of its skinned window,
// between BeginPaint and EndPaint, waiting for the first thread) when the module is unloaded
// without RemoveHook: the unload, under the loader lock, neither sends to that thread nor waits
// for it, and the thread's skinned window then answers on its own procedure.
TEST_F(ControllerTest, UnloadWhileAnotherThreadIsInsideAPaintingPass) {
    Install();
    Painter painter;
    painter.module = library_.Module();
    UniqueKernelHandle thread(CreateThread(nullptr, 0, PaintingThread, &painter, 0, nullptr));
    ASSERT_TRUE(thread);
    ASSERT_EQ(WaitForSingleObject(painter.inside.get(), kWaitMs), WAIT_OBJECT_0) << "the child was never painted";
    UniqueKernelHandle watchdog(CreateThread(nullptr, 0, LetGoLate, painter.goOn.get(), 0, nullptr));
    const DWORD started = GetTickCount();
    library_.Unload();
    const DWORD unloadMs = GetTickCount() - started;
    SetEvent(painter.goOn.get());
    PostThreadMessageA(GetThreadId(thread.get()), WM_NULL, 0, 0);
    ASSERT_EQ(WaitForSingleObject(thread.get(), 20000), WAIT_OBJECT_0) << "the painting thread did not end";
    WaitForSingleObject(watchdog.get(), 20000);

    EXPECT_TRUE(painter.subclassed) << "the painting thread's window was skinned";
    EXPECT_LT(unloadMs, 1000u) << "the unload waited for the painting thread";
    EXPECT_TRUE(painter.restored) << "the window has its own procedure back";
    EXPECT_TRUE(painter.answered) << "the window answers on its own procedure";
}

TEST_F(ControllerTest, GetInstanceNamesTheProbeAlsoWhenSwitchedOff) {
    Install();
    const std::string probePath = ProbePath();
    for (bool enabled : {true, false}) {
        area_.SetNewWindowsEnabled(enabled);
        ProbeProcess probe;
        ASSERT_TRUE(probe.Start(probePath, probe::kStyleFrame));
        area_.WriteInstancePath("", 0);
        LRESULT answer = 0;
        ASSERT_TRUE(probe.Send(messages_.getInstance, 0, 0, answer)) << "enabled " << enabled;
        EXPECT_EQ(_stricmp(InstancePath().c_str(), probePath.substr(0, shared_layout::kInstancePathMax).c_str()), 0)
            << "enabled " << enabled << ": " << InstancePath() << " vs " << probePath;
        if (enabled) {
            EXPECT_EQ(answer, kGetInstanceAnswer) << "a subclassed window hands the hook's answer back";
        } else {
            EXPECT_FALSE(Has(probe.State(), probe::kProcedureInVeltrane)) << "switched off: not subclassed";
        }
        EXPECT_EQ(probe.Close(), 0);
    }
}

TEST_F(ControllerTest, SharedAreaSwitchedOffRegistersNoNewWindow) {
    Install();
    area_.SetNewWindowsEnabled(false);
    ProbeProcess probe;
    ASSERT_TRUE(probe.Start(ProbePath(), probe::kStyleFrame));
    LRESULT state = probe.State();
    EXPECT_TRUE(Has(state, probe::kVeltraneLoaded | probe::kProcedureIsOwn)) << "hooked but left alone; state " << state;
    RecordingWindow local(WS_OVERLAPPEDWINDOW);
    EXPECT_FALSE(Subclassed(local.Handle()));
    EXPECT_EQ(probe.Close(), 0);
}

TEST_F(ControllerTest, EnabledZeroOrMissingInstallsNothing) {
    struct Row {
        const char* name;
        std::optional<std::string> enabled;
        bool installs;
    } rows[] = {
        {"Enabled 1", std::string("1"), true},
        {"Enabled 0", std::string("0"), false},
        {"Enabled missing", std::nullopt, false},
        {"Enabled not a number", std::string("true"), false},
    };
    for (const Row& row : rows) {
        Install(row.enabled);
        RecordingWindow window(WS_OVERLAPPEDWINDOW);
        EXPECT_EQ(Subclassed(window.Handle()), row.installs) << row.name;
        window.Destroy();
        library_.RemoveHook();
        library_.Unload();
    }
}

struct ExcludeRow {
    const char* name;
    std::string excludeCfg;
    DWORD style;
    bool subclassed;
};

TEST_F(ControllerTest, ExcludeFileBesideTheModule) {
    const std::string self = ModuleBaseName(ModuleFileName(nullptr));  // this test program, upper case
    const std::string windowClass = "VtRecordingWindowA";
    const DWORD frame = WS_OVERLAPPEDWINDOW;
    const ExcludeRow rows[] = {
        {"no file", "", frame, true},
        {"module excluded", "[MODULES]\n" + self + "\n", frame, false},
        {"module excluded, lower-case header and entry", "[modules]\n" + ToLower(self) + "\n", frame, false},
        {"module entry with a leading blank is another module", "[MODULES]\n " + self + "\n", frame, true},
        {"module entry before any section is ignored", self + "\n[MODULES]\nOTHER.EXE\n", frame, true},
        {"class excluded", "[WINDOWCLASSES]\n" + windowClass + "\n", frame, false},
        {"class entry with a trailing blank is another class", "[WINDOWCLASSES]\n" + windowClass + " \n", frame, true},
        {"no-nested module: framed windows still themed", "[NONESTED]\n" + self + "\n", frame, true},
        {"no-nested module: plain popups not registered", "[NONESTED]\n" + self + "\n", WS_POPUP, false},
        {"plain popup of another module is registered unthemed", "[NONESTED]\nOTHER.EXE\n", WS_POPUP, true},
        {"no-size-fixup class is still themed", "[NOSIZEFIXUPS]\n" + windowClass + "\n", frame, true},
    };
    for (const ExcludeRow& row : rows) {
        test::ModuleFolderCopy copy;
        ASSERT_TRUE(copy.Ok());
        if (!row.excludeCfg.empty()) copy.WriteFile("exclude.cfg", row.excludeCfg);
        ASSERT_TRUE(WriteControllerValue("Enabled", "1"));
        ASSERT_TRUE(library_.Load(copy.ModulePath())) << library_.Error();
        library_.InstallHook();
        RecordingWindow window(row.style);
        EXPECT_EQ(Subclassed(window.Handle()), row.subclassed) << row.name;
        window.Destroy();
        library_.RemoveHook();
        library_.Unload();
    }
}

// The same messages, with the same results, reach a window's own procedure whether or not the
// module has subclassed it (no theme loaded).
TEST_F(ControllerTest, CountingProcedureSeesTheSameMessagesWithAndWithoutTheHook) {
    struct Run {
        std::vector<UINT> seen;
        std::vector<LRESULT> results;
    };
    auto exercise = [](bool expectSubclassed, HMODULE module) {
        Run run;
        RecordingWindow window(WS_OVERLAPPEDWINDOW);
        EXPECT_EQ(test::ProcedureInside(window.Handle(), module), expectSubclassed);
        HWND w = window.Handle();
        char text[32] = {};
        run.results.push_back(SendMessageA(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("counted")));
        run.results.push_back(SendMessageA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)));
        run.results.push_back(SendMessageA(w, WM_USER + 5, 1, 2));
        run.results.push_back(SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(15, 15)));
        run.results.push_back(SendMessageA(w, WM_NCACTIVATE, TRUE, 0));
        SetWindowPos(w, nullptr, 30, 30, 260, 180, SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowTextA(w, "again");
        window.Destroy();
        run.seen = window.Seen();
        return run;
    };
    Run plain = exercise(false, nullptr);
    Install();
    Run hooked = exercise(true, library_.Module());
    EXPECT_EQ(hooked.seen, plain.seen);
    EXPECT_EQ(hooked.results, plain.results);
    EXPECT_GT(plain.seen.size(), 10u);
}

// A program that is its own controller ends with a skinned window and a themed button open,
// without RemoveHook: it exits at once, with its own exit code. The loader's detach at exit
// (run by hand in the second row, where the probe can watch it) leaves every window and the
// button class as they are: the system takes everything back with the process.
// Last in this program's hook tests: under Wine, once a process that held a global hook of the
// module has ended this way, a later InstallHook from this process subclasses none of its
// windows.
TEST_F(ControllerTest, HostEndsCleanlyWithSkinnedWindowsOpen) {
    // This program stays out of the probe's hook: a window of it subclassed by the probe's
    // module would be left pointing into it.
    copy_.WriteFile("exclude.cfg", "[MODULES]\n" + ModuleBaseName(ModuleFileName(nullptr)) + "\n");
    ASSERT_TRUE(SetControllerValue("Enabled", std::string("1")));
    for (const char* flags : {"", " --exit-detach"}) {
        int code = ProbeProcess::RunToEnd(ProbePath(), "--host \"" + copy_.ModulePath() + "\"" + flags, 20000);
        EXPECT_EQ(code, probe::kHostExited) << "flags '" << flags << "' (-1: did not end in time; 5, 6: not skinned; "
                                            << "7: the exit detach changed a window)";
    }
}

}  // namespace
}  // namespace vt
