// vtdemo VTCTL OUTDIR THEME [THEME...]
// What a user does, inside one Wine desktop: programs nobody here wrote (Notepad with text typed
// into it, Regedit, Minesweeper, Wine's configuration dialog) are started; `vtctl start` skins
// them with the first theme; `vtctl theme` switches them live to each other theme and back; the
// pointer hovers a frame button, presses one, and opens a menu of the skinned menu bar; `vtctl
// stop` gives every window its own frame back. After each step the whole screen is saved as a
// BMP in OUTDIR (shots.txt lists them with their captions). The verdict comes from the programs
// themselves: every window skinned (its client area moved by the theme's frame), still
// answering, the typed text intact, and every frame back after the stop. The last line is
// "demo passed" or "demo FAILED: ..." (the exit status says the same).
//
// vtdemo --tour SETUP OUTDIR: the product as a user installs it, in a Wine prefix with both
// bitnesses: SETUP /S; Veltrane Themes opened, started and a theme applied by clicks; a 64-bit and
// a 32-bit Notepad side by side, both skinned; a pin made in the picker reaching both; the
// uninstaller run while they are skinned, every frame back. OUTDIR\tour.log ends "tour passed" or
// "tour FAILED: ...", OUTDIR\tour-shots.txt lists the screenshots.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "DemoLog.h"
#include "DemoProcess.h"
#include "PointerInput.h"
#include "ScreenImage.h"
#include "WindowSearch.h"

namespace vt::demo {
namespace {

constexpr DWORD kWaitMs = 10000;

// A program on the desktop, its main window, and where its client area lies in that window
// (which the frame around it decides).
struct Program {
    const char* name;
    const char* commandLine;
    RECT place;
    std::unique_ptr<DemoProcess> process;
    HWND window = nullptr;
    POINT ownClient{};

    POINT ClientOffset() const {
        RECT outer{};
        GetWindowRect(window, &outer);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        return POINT{origin.x - outer.left, origin.y - outer.top};
    }
    bool Answering() const {
        DWORD_PTR ignored = 0;
        return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &ignored) != 0;
    }
};

bool Same(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

class Demo {
public:
    Demo(std::string vtctl, std::string out) : vtctl_(std::move(vtctl)), out_(std::move(out)) {}

    void Shot(const std::string& name, const std::string& caption) {
        Sleep(400);  // what the last step changed is drawn by now
        const std::string path = out_ + "\\" + name + ".bmp";
        if (!SaveScreen(path)) Fail("could not save " + path);
        shots_ << name << "|" << caption << "\n";
        shots_.flush();
        Say("demo: screenshot " + name + ": " + caption);
    }
    void Check(bool ok, const std::string& what) {
        Say(std::string(ok ? "demo: ok: " : "demo: FAILED: ") + what);
        if (!ok) failures_.push_back(what);
    }
    void Fail(const std::string& what) { Check(false, what); }
    bool Passed() const { return failures_.empty(); }
    const std::vector<std::string>& Failures() const { return failures_; }

    // vtctl with these arguments, to its end; its exit code (-1: it did not end).
    int Vtctl(const std::string& arguments) {
        DemoProcess p;
        if (!p.Start("\"" + vtctl_ + "\" " + arguments)) return -1;
        DWORD code = 0;
        return p.Wait(kWaitMs, code) ? int(code) : -1;
    }
    bool StartResident(const std::string& arguments) { return resident_.Start("\"" + vtctl_ + "\" " + arguments); }
    const DemoProcess& Resident() const { return resident_; }
    bool OpenShots(const std::string& name = "shots.txt") {
        shots_.open(out_ + "\\" + name, std::ios::binary | std::ios::trunc);
        return bool(shots_);
    }

private:
    std::string vtctl_, out_;
    std::ofstream shots_;
    std::vector<std::string> failures_;
    DemoProcess resident_;
};

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

int Run(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: vtdemo VTCTL OUTDIR THEME [THEME...]\n");
        return 2;
    }
    const std::string out = argv[2];
    OpenLog(out + "\\demo.log");
    std::vector<std::string> themes(argv + 3, argv + argc);
    Demo demo(argv[1], out);
    if (!demo.OpenShots()) {
        Say("demo FAILED: cannot write to " + out);
        return 1;
    }
    std::vector<Program> programs(4);
    programs[0].name = "Notepad", programs[0].commandLine = "notepad.exe", programs[0].place = {10, 10, 500, 330};
    programs[1].name = "Regedit", programs[1].commandLine = "regedit.exe", programs[1].place = {510, 10, 1010, 360};
    programs[2].name = "Minesweeper", programs[2].commandLine = "winemine.exe", programs[2].place = {10, 360, 0, 0};
    programs[3].name = "Wine configuration", programs[3].commandLine = "winecfg.exe", programs[3].place = {420, 250, 0, 0};
    Program& notepad = programs[0];
    HWND edit = nullptr;
    const std::string typed = "Typed into a skinned Notepad.";
    // The programs started and placed, and the text typed into Notepad.
    auto startPrograms = [&] {
        for (Program& p : programs) {
            p.process = std::make_unique<DemoProcess>();
            p.window = nullptr;
            if (!p.process->Start(p.commandLine) ||
                !WaitFor([&] { return (p.window = FindMainWindow(p.process->Id())) != nullptr; }, kWaitMs)) {
                demo.Fail(std::string("could not start ") + p.name);
                continue;
            }
            const RECT& r = p.place;
            const UINT flags = SWP_NOACTIVATE | SWP_NOZORDER | (r.right ? 0 : SWP_NOSIZE);
            SetWindowPos(p.window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
        }
        edit = notepad.window ? FindWindowExA(notepad.window, nullptr, "Edit", nullptr) : nullptr;
        for (char ch : typed) {
            if (edit) PostMessageA(edit, WM_CHAR, WPARAM(static_cast<unsigned char>(ch)), 1);
        }
        WaitFor([] { return false; }, 700);
    };
    // The programs end as a person ends them (Notepad's text unmodified, so it asks nothing).
    auto closePrograms = [&] {
        DWORD_PTR ignored = 0;
        if (edit) SendMessageTimeoutA(edit, EM_SETMODIFY, FALSE, 0, SMTO_ABORTIFHUNG, 3000, &ignored);
        for (Program& p : programs) {
            if (p.window) PostMessageA(p.window, WM_CLOSE, 0, 0);
        }
        for (Program& p : programs) {
            DWORD code = 0;
            if (p.window) demo.Check(p.process->Wait(kWaitMs, code), std::string(p.name) + " closed normally");
        }
    };

    // Wine's own frames first. The module skins the windows made after it came: the programs
    // are started again once vtctl runs.
    startPrograms();
    for (Program& p : programs) {
        if (p.window) p.ownClient = p.ClientOffset();
    }
    demo.Shot("own", "Before: Notepad, Regedit, Minesweeper and Wine's configuration with Wine's own frames");
    closePrograms();

    // Skinned: each window's client area moves into the theme's frame.
    if (!demo.StartResident("start --theme " + Quoted(themes[0]) + " --tick 500")) demo.Fail("vtctl start did not run");
    WaitFor([] { return false; }, 1500);  // the hook installed
    startPrograms();
    for (Program& p : programs) {
        if (!p.window) continue;
        demo.Check(WaitFor([&] { return !Same(p.ClientOffset(), p.ownClient); }),
                   std::string(p.name) + " skinned by " + themes[0]);
    }
    demo.Shot("skinned", "vtctl start: every program skinned with the first sample theme");
    std::vector<POINT> previous;
    for (Program& p : programs) previous.push_back(p.window ? p.ClientOffset() : POINT{});

    // Live switches: each other theme, then the first again.
    std::vector<std::string> order(themes.begin() + 1, themes.end());
    order.push_back(themes[0]);
    for (std::size_t t = 0; t < order.size(); ++t) {
        const int code = demo.Vtctl("theme " + Quoted(order[t]));
        demo.Check(code == 0, "vtctl theme " + order[t] + " (exit " + std::to_string(code) + ")");
        demo.Check(WaitFor([&] { return !Same(notepad.ClientOffset(), previous[0]); }),
                   "Notepad took " + order[t] + " live");
        WaitFor([] { return false; }, 600);  // the other programs in their own time
        for (std::size_t i = 0; i < programs.size(); ++i) {
            if (programs[i].window) previous[i] = programs[i].ClientOffset();
        }
        if (t + 1 < order.size()) demo.Shot("theme" + std::to_string(t + 2), "vtctl theme: switched live to " + order[t]);
    }

    // Hover and press, by the pointer, on Notepad's frame buttons (the first theme's close and
    // minimise buttons lie 16 and 60 pixels in from the right edge, 16 down).
    SetForegroundWindow(notepad.window);
    RECT n{};
    GetWindowRect(notepad.window, &n);
    PointerTo(n.right - 16, n.top + 16);
    demo.Shot("hover", "The pointer on Notepad's close button: its hover look and glow");
    PointerTo(n.right - 60, n.top + 16);
    Button(MOUSEEVENTF_LEFTDOWN);
    demo.Shot("pressed", "The minimise button held down");
    PointerTo(n.left + 150, n.top + 16);  // off the button: released there, nothing happens
    Button(MOUSEEVENTF_LEFTUP);
    demo.Check(!IsIconic(notepad.window), "released off the button: Notepad not minimised");

    // A drop-down of the skinned menu bar, opened by a click on its first item.
    const POINT client = notepad.ClientOffset();
    PointerTo(n.left + client.x + 12, n.top + client.y - 8);
    Button(MOUSEEVENTF_LEFTDOWN);
    Button(MOUSEEVENTF_LEFTUP);
    demo.Shot("menu", "A click on the skinned menu bar: Notepad's File menu open");
    Key(VK_ESCAPE);
    Key(VK_ESCAPE);
    PointerTo(600, 700);

    for (Program& p : programs) {
        if (p.window) demo.Check(p.Answering(), std::string(p.name) + " still answering");
    }
    char text[128] = {};
    DWORD_PTR ignored = 0;
    if (edit) SendMessageTimeoutA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 3000, &ignored);
    demo.Check(typed == text, "the text typed into Notepad is intact");

    // Stopped: every frame is Wine's own again.
    const int stop = demo.Vtctl("stop");
    demo.Check(stop == 0, "vtctl stop (exit " + std::to_string(stop) + ")");
    DWORD residentCode = 0;
    demo.Check(demo.Resident().Wait(kWaitMs, residentCode), "the resident vtctl ended");
    for (Program& p : programs) {
        if (!p.window) continue;
        demo.Check(WaitFor([&] { return Same(p.ClientOffset(), p.ownClient); }), std::string(p.name) + " has its own frame back");
    }
    demo.Shot("stopped", "vtctl stop: every window has Wine's own frame back");

    closePrograms();
    if (demo.Passed()) {
        Say("demo passed");
        return 0;
    }
    std::string why;
    for (const std::string& f : demo.Failures()) why += (why.empty() ? "" : "; ") + f;
    Say("demo FAILED: " + why);
    return 1;
}


// ---- The product tour: the same user, with the setup program and the picker, both bitnesses ----

// Where a button of another process's window lies on the screen: its centre.
POINT CentreOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
void ClickOn(HWND control) {
    POINT at = CentreOf(control);
    PointerTo(at.x, at.y);
    Button(MOUSEEVENTF_LEFTDOWN);
    Button(MOUSEEVENTF_LEFTUP);
}
void AltKey(WORD key) { KeyWith(VK_MENU, key); }
void TypeText(const std::string& text) {
    for (char c : text) {
        SHORT scan = VkKeyScanA(c);
        if (scan != -1) Key(WORD(scan & 0xFF));
    }
}
std::string TextOf(HWND window) {
    char text[2048] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 3000, &ignored);
    return text;
}
bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
bool FileThere(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Where the client area of a window of this style lies with the system's own frame.
POINT OwnClientOffset(HWND window) {
    RECT r{0, 0, 100, 100};
    AdjustWindowRectEx(&r, DWORD(GetWindowLongA(window, GWL_STYLE)), GetMenu(window) != nullptr,
                       DWORD(GetWindowLongA(window, GWL_EXSTYLE)));
    return POINT{-r.left, -r.top};
}

// Whether the module in the window's process answers "Veltrane GetInstance".
bool HookAnswers(HWND window) {
    static const UINT getInstance = RegisterWindowMessageA("Veltrane GetInstance");
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(window, getInstance, 0, 0, SMTO_ABORTIFHUNG, 3000, &answer) && answer == 31597;
}

int Tour(const std::string& setup, const std::string& out) {
    OpenLog(out + "\\tour.log");
    Demo demo("", out);
    if (!demo.OpenShots("tour-shots.txt")) {
        Say("tour FAILED: cannot write to " + out);
        return 1;
    }
    char local[MAX_PATH] = {};
    GetEnvironmentVariableA("LOCALAPPDATA", local, sizeof local);
    const std::string folder = std::string(local) + "\\Programs\\Veltrane";

    // Installed as a user installs it, silently.
    DemoProcess installer;
    DWORD code = 1;
    const bool installed = installer.Start(Quoted(setup) + " /S") && installer.Wait(60000, code) && code == 0;
    demo.Check(installed, "veltrane-setup.exe /S installed Veltrane (exit " + std::to_string(code) + ")");
    demo.Check(FileThere(folder + "\\x86\\veltrane.dll") && FileThere(folder + "\\x64\\veltrane.dll"),
               "both halves installed in " + folder);

    // The picker, opened from where the Start menu entry points; Veltrane started by its Start button.
    DemoProcess pickerProcess;
    HWND picker = nullptr;
    demo.Check(pickerProcess.Start(Quoted(folder + "\\x86\\vtthemes.exe")) &&
                   WaitFor([&] { return (picker = FindWindowA("VeltraneThemesWindow", nullptr)) != nullptr; }),
               "Veltrane Themes opened");
    if (!picker) return 1;
    SetWindowPos(picker, nullptr, 120, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetForegroundWindow(picker);
    ClickOn(GetDlgItem(picker, 104));  // Start
    bool on = WaitFor([&] { return Contains(TextOf(GetDlgItem(picker, 110)), "32-bit and 64-bit"); });
    demo.Check(on, "a click on Start: " + TextOf(GetDlgItem(picker, 110)));
    // pebble (the list is sorted: birch, harbor, pebble), chosen from the keyboard, applied by a click.
    AltKey('T');
    Key(VK_HOME);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    demo.Check(WaitFor([&] { return Contains(TextOf(GetDlgItem(picker, 101)), "pebble.theme: no errors"); }),
               "pebble selected in the list");
    ClickOn(GetDlgItem(picker, 102));  // Apply
    bool applied = WaitFor([&] { return Contains(TextOf(GetDlgItem(picker, 110)), "Applied pebble."); });
    demo.Check(applied, "a click on Apply: " + TextOf(GetDlgItem(picker, 110)));
    demo.Shot("picker", "Veltrane Themes after setup: the sample themes drawn by the module's own code; pebble applied with a click");

    // A 64-bit and a 32-bit Notepad side by side.
    ShowWindow(picker, SW_MINIMIZE);
    struct Pad {
        Pad(const char* n, const char* p, RECT r) : name(n), path(p), place(r) {}
        const char* name;
        const char* path;
        RECT place;
        DemoProcess process;
        HWND window = nullptr, edit = nullptr;
        POINT own{};
    } pads[2] = {{"64-bit Notepad", "C:\\windows\\system32\\notepad.exe", {10, 10, 505, 380}},
                 {"32-bit Notepad", "C:\\windows\\syswow64\\notepad.exe", {515, 10, 1010, 380}}};
    for (Pad& pad : pads) {
        // This driver is 32-bit: system32 would be redirected to syswow64 without this.
        PVOID redirection = nullptr;
        Wow64DisableWow64FsRedirection(&redirection);
        bool started = pad.process.Start(Quoted(pad.path));
        Wow64RevertWow64FsRedirection(redirection);
        demo.Check(started && WaitFor([&] { return (pad.window = FindMainWindow(pad.process.Id())) != nullptr; }),
                   std::string("started the ") + pad.name);
        if (!pad.window) continue;
        SetWindowPos(pad.window, nullptr, pad.place.left, pad.place.top, pad.place.right - pad.place.left,
                     pad.place.bottom - pad.place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        pad.own = OwnClientOffset(pad.window);
        pad.edit = FindWindowExA(pad.window, nullptr, "Edit", nullptr);
        for (char ch : std::string("Typed into the ") + pad.name + ".") {
            if (pad.edit) PostMessageA(pad.edit, WM_CHAR, WPARAM(static_cast<unsigned char>(ch)), 1);
        }
    }
    auto program = [](const Pad& pad) {
        Program p{};
        p.window = pad.window;
        return p;
    };
    for (Pad& pad : pads) {
        if (!pad.window) continue;
        demo.Check(WaitFor([&] { return HookAnswers(pad.window) && !Same(program(pad).ClientOffset(), pad.own); }),
                   std::string(pad.name) + " skinned");
    }
    demo.Shot("bitnesses", "Left: the 64-bit Notepad (C:\\windows\\system32), right: the 32-bit Notepad "
                           "(C:\\windows\\syswow64), both skinned by pebble");

    // A pin made in the picker: notepad.exe to harbor, for both bitnesses at once.
    std::vector<POINT> before;
    for (Pad& pad : pads) before.push_back(pad.window ? program(pad).ClientOffset() : POINT{});
    ShowWindow(picker, SW_RESTORE);
    SetForegroundWindow(picker);
    WaitFor([] { return false; }, 500);
    AltKey('P');
    TypeText("notepad.exe");
    AltKey('T');
    Key(VK_HOME);
    Key(VK_RIGHT);
    demo.Check(WaitFor([&] { return Contains(TextOf(GetDlgItem(picker, 101)), "harbor.theme: no errors"); }),
               "harbor selected in the list");
    ClickOn(GetDlgItem(picker, 106));  // Pin to selected theme
    bool pinned = WaitFor([&] { return Contains(TextOf(GetDlgItem(picker, 110)), "pinned notepad.exe"); });
    demo.Check(pinned, "a click on Pin: " + TextOf(GetDlgItem(picker, 110)));
    for (std::size_t i = 0; i < 2; ++i) {
        if (!pads[i].window) continue;
        demo.Check(WaitFor([&] { return !Same(program(pads[i]).ClientOffset(), before[i]); }),
                   std::string(pads[i].name) + " took its pin (harbor) live");
    }
    ShowWindow(picker, SW_MINIMIZE);
    demo.Shot("pinned", "A pin made once in the picker (notepad.exe: harbor) reached both: left the 64-bit, right the "
                        "32-bit Notepad");

    // Uninstalled while the programs are skinned: every window gets its own frame back.
    DemoProcess uninstaller;
    demo.Check(uninstaller.Start(Quoted(folder + "\\uninstall.exe") + " /S"), "uninstall.exe /S started");
    demo.Check(WaitFor([&] { return !FileThere(folder); }, 60000), "the uninstaller removed " + folder);
    for (Pad& pad : pads) {
        if (!pad.window) continue;
        demo.Check(WaitFor([&] { return Same(program(pad).ClientOffset(), pad.own); }),
                   std::string(pad.name) + " has its own frame back");
        demo.Check(program(pad).Answering(), std::string(pad.name) + " still answering");
        demo.Check(pad.edit && TextOf(pad.edit) == std::string("Typed into the ") + pad.name + ".",
                   std::string("the text typed into the ") + pad.name + " is intact");
    }
    demo.Shot("uninstalled", "After the uninstall: both Notepads with Wine's own frames, their text intact");
    for (Pad& pad : pads) {
        if (!pad.window) continue;
        DWORD_PTR ignored = 0;
        if (pad.edit) SendMessageTimeoutA(pad.edit, EM_SETMODIFY, FALSE, 0, SMTO_ABORTIFHUNG, 3000, &ignored);
        PostMessageA(pad.window, WM_CLOSE, 0, 0);
        DWORD ended = 0;
        demo.Check(pad.process.Wait(kWaitMs, ended), std::string(pad.name) + " closed normally");
    }
    if (demo.Passed()) {
        Say("tour passed");
        return 0;
    }
    std::string why;
    for (const std::string& f : demo.Failures()) why += (why.empty() ? "" : "; ") + f;
    Say("tour FAILED: " + why);
    return 1;
}

}  // namespace
}  // namespace vt::demo

int main(int argc, char** argv) {
    int status = 1;
    try {
        if (argc == 4 && std::string(argv[1]) == "--tour") status = vt::demo::Tour(argv[2], argv[3]);
        else status = vt::demo::Run(argc, argv);
    } catch (const std::exception& e) {
        vt::demo::Say(std::string("demo FAILED: ") + e.what());
    }
    vt::demo::CloseLog();
    return status;
}
