// vtsoak VTCTL OUTDIR SECONDS SEED THEME [THEME...]
// Long use of real programs, skinned, inside one Wine desktop (scripts/soak.sh runs it). The
// controller is started first, then Notepad, Regedit, Minesweeper, Wordpad, Winefile, Task Manager
// and Clock; for SECONDS a driver seeded with SEED moves, drags, resizes, maximises, restores,
// minimises and rolls up their windows, opens and closes their menus and dialogs, clicks and types,
// and every tenth step switches the theme live, changes the colour scheme, starts a program at
// another display scale, or stops and starts the controller. After every step each program is
// asked a question (the longest wait is kept), every few seconds its objects and memory are read.
// OUTDIR\soak.log ends "soak passed" or "soak FAILED: ..." (the exit status says the same): it
// fails on a program that ended unasked, a wait over 2 s, a dialog it could not close, or objects
// or memory still growing in the last third of the run. OUTDIR\soak-samples.csv has the samples,
// OUTDIR\soak-steps.txt every step.
#include <windows.h>

#include <cstdio>
#include <utility>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "DemoLog.h"
#include "DemoProcess.h"
#include "DialogCloser.h"
#include "FramePointer.h"
#include "PointerInput.h"
#include "SoakProgram.h"
#include "SoakRandom.h"
#include "SystemSettings.h"
#include "WindowSearch.h"

namespace vt::soak {
namespace {

using demo::Say;

constexpr DWORD kSampleEveryMs = 5000;
constexpr DWORD kDialogAgeMs = 1500;
constexpr int kGlobalEveryNthStep = 10;
const DWORD kScales[] = {96, 120, 144, 192};

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// One entry of a table of {what, weight}, drawn by weight.
template <typename Entry, std::size_t N>
const Entry& Pick(const Entry (&table)[N], SoakRandom& random) {
    int total = 0;
    for (const Entry& e : table) total += e.weight;
    int pick = random.Below(total);
    for (const Entry& e : table) {
        if (pick < e.weight) return e;
        pick -= e.weight;
    }
    return table[0];
}

std::string Hex(DWORD value) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08lX", static_cast<unsigned long>(value));
    return hex;
}

bool MenuOpen(DWORD processId) {
    for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu;
         menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(menu, &owner);
        if (owner == processId && IsWindowVisible(menu)) return true;
    }
    return false;
}

// What the driver does on one step; the global changes come every tenth step instead.
enum class Action { DragCaption, DragBorder, Place, MaximizeOrRestore, Minimize, RollUp, Menu, WindowMenu,
                    Click, Type, Dialog, Activate };
struct Weighted {
    Action action;
    int weight;
};
const Weighted kActions[] = {
    {Action::DragCaption, 12}, {Action::DragBorder, 9}, {Action::Place, 5}, {Action::MaximizeOrRestore, 9},
    {Action::Minimize, 4},     {Action::RollUp, 5},     {Action::Menu, 11}, {Action::WindowMenu, 4},
    {Action::Click, 10},       {Action::Type, 10},      {Action::Dialog, 7}, {Action::Activate, 6},
};
const char* const kActionNames[] = {"caption drags", "border drags", "placements", "maximise/restore", "minimises",
                                   "roll-ups", "menus", "window menus", "clicks", "typing", "dialogs", "hovers"};
enum class Global { Theme, Colours, Scale, Restart };
// A restart is rare: today's module leaves the windows open before a `vtctl start` unskinned, and
// the soak then starts those programs again (their figures start again with them).
struct WeightedGlobal {
    Global global;
    int weight;
};
const WeightedGlobal kGlobals[] = {{Global::Theme, 13}, {Global::Colours, 4}, {Global::Scale, 2}, {Global::Restart, 1}};

class Soak {
public:
    Soak(std::string vtctl, std::string out, std::vector<std::string> themes, std::uint32_t seed)
        : vtctl_(std::move(vtctl)), out_(std::move(out)), themes_(std::move(themes)), seed_(seed), random_(seed) {}

    int Run(DWORD seconds);

private:
    int Vtctl(const std::string& arguments) {
        demo::DemoProcess p;
        if (!p.Start(Quoted(vtctl_) + " " + arguments)) return -1;
        DWORD code = 0;
        return p.Wait(20000, code) ? int(code) : -1;
    }
    void StartController() {
        resident_ = std::make_unique<demo::DemoProcess>();
        if (!resident_->Start(Quoted(vtctl_) + " start --theme " + Quoted(themes_[theme_]) + " --tick 500")) {
            Fail("vtctl start did not run");
        }
        demo::WaitFor([] { return false; }, 1500);  // the hook installed
    }
    void StopController() {
        const int code = Vtctl("stop");
        DWORD ended = 0;
        if (code != 0 || !resident_->Wait(15000, ended)) Fail("vtctl stop (exit " + std::to_string(code) + ") did not end the controller");
        resident_.reset();
    }
    void Fail(const std::string& what) {
        Say("soak: FAILED: " + what);
        failures_.push_back(what);
    }
    double Seconds() const { return double(GetTickCount() - start_) / 1000; }

    std::vector<SoakProgram*> Targets() {
        std::vector<SoakProgram*> alive;
        for (auto& p : programs_) if (p->Alive()) alive.push_back(p.get());
        if (scaled_ && scaled_->Alive()) alive.push_back(scaled_.get());
        return alive;
    }
    void WarmUp(SoakProgram& p);
    void RelaunchUnskinned();
    void Step(int step);
    void Act(Action action, SoakProgram& p, SoakRandom& random);
    void ChangeGlobal(Global g, SoakRandom& random);
    void Watch(bool sample);
    void Report();

    std::string vtctl_, out_;
    std::vector<std::string> themes_;
    std::uint32_t seed_;
    SoakRandom random_;  // the plan: one draw for a global change, two for a step
    SystemSettings settings_;
    DialogCloser closer_;
    std::unique_ptr<demo::DemoProcess> resident_;
    std::vector<std::unique_ptr<SoakProgram>> programs_;
    std::unique_ptr<SoakProgram> scaled_;  // started at another display scale, replaced at the next change
    struct Retired {
        std::unique_ptr<SoakProgram> program;
        bool judged;  // its objects and memory are judged for growth (a main program's earlier instance)
    };
    std::vector<Retired> retired_;
    int unskinnedAfterStart_ = 0;  // main windows that kept their own frame after a vtctl start
    std::vector<std::string> failures_;
    std::ofstream steps_;  // every step, to find what came before a finding
    std::size_t theme_ = 0;
    DWORD start_ = 0, lastSample_ = 0;
    int counts_[12] = {}, globals_[4] = {};
    DWORD scale_ = 0;  // the LogPixels of programs started now; 0: the run's first
    int firstKinds_ = 0;  // the order of the first three global changes, one of the 6
};

// Escape while a menu of the program is open, never more: a program whose main window is a dialog
// (Task Manager) takes a stray Escape as Cancel and ends. Menu mode left on the bar ends with
// WM_CANCELMODE.
void EndMenus(SoakProgram& p) {
    for (int i = 0; i < 3 && MenuOpen(p.Id()); ++i) demo::Key(VK_ESCAPE);
    PostMessageA(p.Window(), WM_CANCELMODE, 0, 0);
}

void Soak::Act(Action action, SoakProgram& p, SoakRandom& random) {
    HWND w = p.Window();
    if (!IsWindow(w)) return;
    if (IsIconic(w)) {
        PostMessageA(w, WM_SYSCOMMAND, SC_RESTORE, 0);
        Sleep(300);
    }
    SetForegroundWindow(w);
    Sleep(100);
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    RECT r{};
    GetWindowRect(w, &r);
    POINT at{};
    switch (action) {
        case Action::DragCaption:
            if (FindFramePoint(w, FramePart::Caption, random, at)) {
                DragFromTo(at, POINT{random.Between(40, sw - 40), random.Between(10, sh - 60)});
            }
            break;
        case Action::DragBorder:
            if (FindFramePoint(w, FramePart::Sizing, random, at)) {
                DragFromTo(at, POINT{at.x + random.Between(-150, 150), at.y + random.Between(-120, 120)});
            }
            break;
        case Action::Place:
            SetWindowPos(w, nullptr, random.Between(0, sw / 2), random.Between(0, sh / 2), random.Between(200, sw / 2 + 100),
                         random.Between(150, sh / 2 + 100), SWP_NOZORDER);
            break;
        case Action::MaximizeOrRestore:
            if (FindFramePoint(w, FramePart::MaximizeOrRestore, random, at)) ClickAt(at);
            else PostMessageA(w, WM_SYSCOMMAND, IsZoomed(w) ? SC_RESTORE : SC_MAXIMIZE, 0);
            break;
        case Action::Minimize:
            if (FindFramePoint(w, FramePart::Minimize, random, at)) ClickAt(at);
            else PostMessageA(w, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            break;
        case Action::RollUp:
            if (FindFramePoint(w, FramePart::RollUp, random, at)) ClickAt(at);
            break;
        case Action::Menu:
            if (GetMenu(w) && FindFramePoint(w, FramePart::MenuBar, random, at)) {
                ClickAt(at);
                for (int i = random.Below(4); i > 0; --i) demo::Key(random.Percent(50) ? VK_RIGHT : VK_DOWN);
                EndMenus(p);
            }
            break;
        case Action::WindowMenu:
            demo::KeyWith(VK_MENU, VK_SPACE);
            demo::Key(VK_DOWN);
            EndMenus(p);
            break;
        case Action::Click:
            if (p.Clickable()) {
                RECT c{};
                GetClientRect(w, &c);
                POINT origin{0, 0};
                ClientToScreen(w, &origin);
                if (c.right > 4 && c.bottom > 4) {
                    ClickAt(POINT{origin.x + random.Between(2, c.right - 2), origin.y + random.Between(2, c.bottom - 2)});
                }
            }
            break;
        case Action::Type:
            if (p.Typeable() && GetForegroundWindow() == w) {
                for (int i = random.Between(3, 20); i > 0; --i) {
                    const int k = random.Below(30);
                    // Our own keys only, and only while the program is in front: letters, blanks, Enter, Backspace.
                    if (GetForegroundWindow() != w) break;
                    demo::Key(k < 26 ? WORD('A' + k) : k < 28 ? VK_SPACE : k < 29 ? VK_RETURN : VK_BACK);
                }
            }
            break;
        case Action::Dialog:
            // Find (modeless), Open (modal): the dialog closer ends them a moment later.
            if (p.Typeable() && GetForegroundWindow() == w) demo::KeyWith(VK_CONTROL, random.Percent(50) ? 'F' : 'O');
            else if (p.Name() == "Regedit" && GetForegroundWindow() == w) demo::KeyWith(VK_CONTROL, 'F');
            break;
        case Action::Activate:
            at = POINT{(r.left + r.right) / 2, r.top + 4};
            demo::PointerTo(at.x, at.y);
            break;
    }
    // A window dragged or sized off the screen comes back where a person can reach it.
    GetWindowRect(w, &r);
    if (!IsZoomed(w) && !IsIconic(w) && (r.left < -40 || r.top < 0 || r.left > sw - 80 || r.top > sh - 60)) {
        SetWindowPos(w, nullptr, random.Between(0, sw / 3), random.Between(0, sh / 3), 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    }
}

// Each program's dialogs opened and closed once before the first sample: what the first file
// dialog loads (the shell's icons and image lists) stays for the program's life, and would
// otherwise look like growth wherever in the run it first came.
void Soak::WarmUp(SoakProgram& p) {
    for (int i = 0; i < 2 && p.Alive(); ++i) {
        SetForegroundWindow(p.Window());
        Sleep(200);
        if (GetForegroundWindow() != p.Window()) continue;
        if (p.Typeable()) demo::KeyWith(VK_CONTROL, i == 0 ? 'O' : 'F');
        else if (p.Name() == "Regedit") demo::KeyWith(VK_CONTROL, 'F');
        else break;
        const DWORD until = GetTickCount() + 5000;
        while (GetTickCount() < until) {
            Watch(false);
            Sleep(250);
        }
    }
}

void Soak::ChangeGlobal(Global g, SoakRandom& random) {
    switch (g) {
        case Global::Theme: {
            theme_ = std::size_t(random.Below(int(themes_.size())));
            const int code = Vtctl("theme " + Quoted(themes_[theme_]));
            Say("soak: " + std::to_string(int(Seconds())) + " s: theme " + themes_[theme_] + " (exit " + std::to_string(code) + ")");
            steps_ << Seconds() << " s: theme " << themes_[theme_] << std::endl;
            if (code != 0) Fail("vtctl theme " + themes_[theme_] + " exited " + std::to_string(code));
            break;
        }
        case Global::Colours:
            settings_.RandomColourScheme(random);
            steps_ << Seconds() << " s: colour scheme" << std::endl;
            Say("soak: " + std::to_string(int(Seconds())) + " s: a new colour scheme");
            break;
        case Global::Scale: {
            const DWORD dpi = kScales[random.Below(4)];
            settings_.SetScale(dpi);
            scale_ = dpi;
            if (scaled_) {
                scaled_->Close();
                retired_.push_back({std::move(scaled_), false});
            }
            static const char* const kScaled[][2] = {{"Notepad", "notepad.exe"}, {"Minesweeper", "winemine.exe"}, {"Clock", "clock.exe"}};
            const auto& pick = kScaled[random.Below(3)];
            scaled_ = std::make_unique<SoakProgram>(std::string(pick[0]) + " at " + std::to_string(dpi) + " DPI", pick[1],
                                                    std::string(pick[0]) == "Notepad", true);
            Say("soak: " + std::to_string(int(Seconds())) + " s: " + scaled_->Name());
            steps_ << Seconds() << " s: started " << scaled_->Name() << std::endl;
            if (!scaled_->Start()) Fail("could not start " + scaled_->Name());
            break;
        }
        case Global::Restart:
            Say("soak: " + std::to_string(int(Seconds())) + " s: vtctl stop, vtctl start");
            steps_ << Seconds() << " s: controller restart" << std::endl;
            StopController();
            StartController();
            RelaunchUnskinned();
            break;
    }
}

// A window open before `vtctl start` that kept its own frame is started again, so that the soak
// goes on with skinned programs; each instance keeps its own figures. They start at the run's
// first scale, the one the own-frame check measures with.
void Soak::RelaunchUnskinned() {
    settings_.UseOriginalScale();
    for (auto& p : programs_) {
        if (!p->Alive() || p->Skinned()) continue;
        ++unskinnedAfterStart_;
        steps_ << Seconds() << " s: " << p->Name() << " kept its own frame; started again" << std::endl;
        p->Close();
        std::unique_ptr<SoakProgram> fresh = p->Fresh();
        retired_.push_back({std::move(p), true});
        p = std::move(fresh);
        if (!p->Start()) {
            Fail("could not start " + p->Name() + " again");
            continue;
        }
        SetWindowPos(p->Window(), nullptr, 40, 40, 460, 340, SWP_NOZORDER | SWP_NOACTIVATE);
        WarmUp(*p);
    }
    if (scale_) settings_.SetScale(scale_);
}

void Soak::Watch(bool sample) {
    std::vector<DWORD> ids;
    std::vector<HWND> mains;
    auto look = [&](SoakProgram& p) {
        if (p.CheckEnded()) Fail(p.Name() + " ended unasked (exit code " + Hex(p.ExitCode()) + ")");
        if (!p.Alive()) return;
        if (!p.Ping()) Fail(p.Name() + " did not answer within " + std::to_string(kPingTimeoutMs) + " ms");
        if (sample) p.Measure(Seconds());
        ids.push_back(p.Id());
        mains.push_back(p.Window());
    };
    for (auto& p : programs_) look(*p);
    if (scaled_) look(*scaled_);
    for (const std::string& stuck : closer_.Sweep(ids, mains, kDialogAgeMs)) Fail(stuck);
}

void Soak::Step(int step) {
    // The plan (what, on which program) takes the same draws every step; the details of a step
    // (where, how far) come from a stream of the step's own, so that a replay with the seed meets
    // the same steps however the programs answered before.
    SoakRandom detail(seed_ * 2654435761u + std::uint32_t(step));
    if (step % kGlobalEveryNthStep == kGlobalEveryNthStep - 1) {
        // The first four are one of each kind, so that a short run meets them all: the restart
        // last, as what it may start again takes a while.
        const int made = globals_[0] + globals_[1] + globals_[2] + globals_[3];
        Global g = Pick(kGlobals, random_).global;
        if (made < 4) {
            if (made == 0) firstKinds_ = random_.Below(6);
            int order[4] = {0, 1, 2, 3};
            for (int i = 0, k = firstKinds_; i < 2; k /= 3 - i, ++i) std::swap(order[i], order[i + k % (3 - i)]);
            g = Global(order[made]);
        }
        ++globals_[int(g)];
        ChangeGlobal(g, detail);
        return;
    }
    const Action action = Pick(kActions, random_).action;
    std::vector<SoakProgram*> targets = Targets();
    const int which = random_.Below(int(targets.size()));
    if (targets.empty()) return;
    ++counts_[int(action)];
    steps_ << Seconds() << " s: " << kActionNames[int(action)] << ": " << targets[which]->Name() << std::endl;
    Act(action, *targets[which], detail);
}

int Soak::Run(DWORD seconds) {
    Say("soak: seed " + std::to_string(seed_) + ", " + std::to_string(seconds) + " s, " + std::to_string(themes_.size()) + " themes");
    start_ = GetTickCount();
    steps_.open(out_ + "\\soak-steps.txt", std::ios::trunc);
    // The controller first: the module skins the windows made after it came.
    StartController();
    struct ProgramEntry {
        const char* name;
        const char* commandLine;
        bool typeable, clickable;
    };
    const ProgramEntry entries[] = {{"Notepad", "notepad.exe", true, true},          {"Regedit", "regedit.exe", false, true},
                          {"Minesweeper", "winemine.exe", false, true},    {"Wordpad", "\"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe\"", true, true},
                          {"Winefile", "winefile.exe", false, false},      {"Task Manager", "taskmgr.exe", false, false},
                          {"Clock", "clock.exe", false, true}};
    int slot = 0;
    for (const ProgramEntry& s : entries) {
        programs_.push_back(std::make_unique<SoakProgram>(s.name, s.commandLine, s.typeable, s.clickable));
        SoakProgram& p = *programs_.back();
        if (!p.Start()) {
            Fail(std::string("could not start ") + s.name);
            continue;
        }
        SetWindowPos(p.Window(), nullptr, 20 + 60 * slot, 20 + 40 * slot, 460, 340, SWP_NOZORDER | SWP_NOACTIVATE);
        ++slot;
    }
    for (auto& p : programs_) WarmUp(*p);
    demo::WaitFor([] { return false; }, 2000);
    start_ = GetTickCount();  // the run's clock starts with every program up and its caches filled
    Watch(true);
    lastSample_ = GetTickCount();
    int step = 0;
    while (GetTickCount() - start_ < seconds * 1000) {
        Step(step++);
        const bool sample = GetTickCount() - lastSample_ >= kSampleEveryMs;
        if (sample) lastSample_ = GetTickCount();
        Watch(sample);
    }
    Watch(true);
    Say("soak: " + std::to_string(step) + " steps in " + std::to_string(int(Seconds())) + " s");
    StopController();
    Watch(false);
    for (auto& p : programs_) p->Close();
    if (scaled_) scaled_->Close();
    Report();
    if (failures_.empty()) {
        Say("soak passed (seed " + std::to_string(seed_) + ")");
        return 0;
    }
    std::string why;
    for (const std::string& f : failures_) why += (why.empty() ? "" : "; ") + f;
    Say("soak FAILED (seed " + std::to_string(seed_) + "; replay with this seed): " + why);
    return 1;
}

void Soak::Report() {
    static const char* const kGlobalNames[] = {"theme switches", "colour schemes", "scale changes", "controller restarts"};
    std::string done;
    for (int i = 0; i < 12; ++i) done += std::string(i ? ", " : "") + std::to_string(counts_[i]) + " " + kActionNames[i];
    for (int i = 0; i < 4; ++i) done += ", " + std::to_string(globals_[i]) + " " + kGlobalNames[i];
    Say("soak: " + done);
    std::ofstream csv(out_ + "\\soak-samples.csv", std::ios::trunc);
    csv << "program,seconds,gdi,user,private_kb\n";
    char line[256];
    Say("soak: program                  crashed  longest wait  GDI objects  user objects  private KB");
    auto row = [&](const SoakProgram& p, bool judged, const char* until) {
        std::snprintf(line, sizeof line, "soak: %-24s %-8s %7lu ms   %5lld->%-5lld  %5lld->%-5lld  %7lld->%-7lld", (p.Name() + until).c_str(),
                      p.Crashed() ? "CRASHED" : "no", static_cast<unsigned long>(p.LongestWaitMs()),
                      static_cast<long long>(p.First().gdiObjects), static_cast<long long>(p.Last().gdiObjects),
                      static_cast<long long>(p.First().userObjects), static_cast<long long>(p.Last().userObjects),
                      static_cast<long long>(p.First().privateBytes / 1024), static_cast<long long>(p.Last().privateBytes / 1024));
        Say(line);
        if (p.LongestWaitMs() > kLongestAllowedWaitMs) Fail(p.Name() + " did not answer for " + std::to_string(p.LongestWaitMs()) + " ms");
        for (std::size_t i = 0; i < p.Gdi().size(); ++i) {
            csv << p.Name() << "," << p.Gdi()[i].seconds << "," << p.Gdi()[i].value << ","
                << (i < p.User().size() ? p.User()[i].value : -1) << ","
                << (i < p.Memory().size() ? p.Memory()[i].value / 1024 : -1) << "\n";
        }
        if (!judged) return;
        struct Figure {
            const char* what;
            const std::vector<Sample>* samples;
            Slack slack;
        } figures[] = {{"GDI objects", &p.Gdi(), {50, 0.15}},
                       {"user objects", &p.User(), {20, 0.15}},
                       {"private memory", &p.Memory(), {4 << 20, 0.10}}};
        for (const Figure& f : figures) {
            const GrowthFinding g = JudgeGrowth(*f.samples, f.slack);
            if (g.growth == Growth::Growing) {
                Fail(p.Name() + ": " + f.what + " still growing (median " + std::to_string(g.middle) + " in the middle third, " +
                     std::to_string(g.last) + " in the last)");
            }
        }
    };
    for (auto& p : programs_) row(*p, true, "");
    for (Retired& r : retired_) row(*r.program, r.judged, r.judged ? " to a restart" : "");
    if (unskinnedAfterStart_) {
        Say("soak: note: " + std::to_string(unskinnedAfterStart_) +
            " main windows kept their own frame after a vtctl start and were started again");
    }
    if (scaled_) row(*scaled_, false, "");
}

}  // namespace
}  // namespace vt::soak

int main(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr, "usage: vtsoak VTCTL OUTDIR SECONDS SEED THEME [THEME...]\n");
        return 2;
    }
    int status = 1;
    try {
        vt::demo::OpenLog(std::string(argv[2]) + "\\soak.log");
        vt::soak::Soak soak(argv[1], argv[2], std::vector<std::string>(argv + 5, argv + argc),
                            std::uint32_t(std::strtoul(argv[4], nullptr, 10)));
        status = soak.Run(DWORD(std::strtoul(argv[3], nullptr, 10)));
    } catch (const std::exception& e) {
        vt::demo::Say(std::string("soak FAILED: ") + e.what());
    }
    vt::demo::CloseLog();
    return status;
}
