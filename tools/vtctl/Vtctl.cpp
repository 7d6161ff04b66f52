// vtctl: the command-line controller of Veltrane. `vtctl --help` lists the commands; each
// error is one line on stderr starting "vtctl: ", with an exit status per kind (ExitCode.h).
#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ConfigEdits.h"
#include "ControllerConfig.h"
#include "ExitCode.h"
#include "Files.h"
#include "HookLibrary.h"
#include "ProbeProcess.h"
#include "Resident.h"
#include "common/Notice.h"
#include "common/PathText.h"
#include "common/win32/ConfigKey.h"
#include "common/win32/HookMessages.h"
#include "common/win32/ModuleInstance.h"
#include "common/win32/SharedArea.h"
#include "common/win32/UniqueHandle.h"
#include "frame/ThemesConfig.h"
#include "theme/TextLines.h"
#include "theme/ThemeInspector.h"
#include "theme/ThemeWords.h"
#include "WatchLoop.h"

namespace vt::ctl {
namespace {

int Fail(int code, const std::string& message) {
    std::fprintf(stderr, "vtctl: %s\n", message.c_str());
    std::fflush(stderr);  // a watch runs on: what it says must not wait in a buffer
    return code;
}

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string Folder() { return ProgramFolder(); }
std::string ModulePath() { return Folder() + "veltrane.dll"; }

bool FileThere(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FullPath(const std::string& path) {
    char buffer[MAX_PATH * 2] = {};
    DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : path;
}

std::string Upper(std::string text) { return UpperCaseAscii(std::move(text)); }

// The other bitness's folder: the package keeps the halves in sibling folders x86\ and x64\.
std::string PartnerFolder() {
    std::string folder = Folder();
    if (folder.size() < 2) return {};
    std::string own = Upper(FileNameOf(folder.substr(0, folder.size() - 1)));
    std::string parent = WithTrailingBackslash(FolderOf(folder.substr(0, folder.size() - 1)));
    const char* sibling = own == "X86" ? "x64" : own == "X64" ? "x86" : nullptr;
    return sibling ? parent + sibling + "\\" : std::string();
}

// The other bitness's vtctl.
std::string PartnerPath() {
    std::string folder = PartnerFolder();
    return folder.empty() ? folder : folder + "vtctl.exe";
}

// The folders whose module reads themes.cfg and exclude.cfg: this one and, where the package
// has it, the other bitness's, so that one edit reaches 32-bit and 64-bit programs alike.
std::vector<std::string> ConfigFolders() {
    std::vector<std::string> folders{Folder()};
    std::string partner = PartnerFolder();
    if (!partner.empty() && FileThere(partner + "veltrane.dll")) folders.push_back(partner);
    return folders;
}

std::string ConfigFiles(const std::string& name) {
    std::string list;
    for (const std::string& folder : ConfigFolders()) list += (list.empty() ? "" : " and ") + folder + name;
    return list;
}

// The bitness a PE file is built for (0 when it is no such file).
int ImageBits(const std::string& path) {
    std::string bytes, error;
    if (!ReadWholeFile(path, bytes, error) || bytes.size() < 0x40) return 0;
    DWORD peAt = *reinterpret_cast<const DWORD*>(bytes.data() + 0x3C);
    if (peAt + 6 > bytes.size() || bytes.compare(peAt, 4, std::string("PE\0\0", 4)) != 0) return 0;
    WORD machine = *reinterpret_cast<const WORD*>(bytes.data() + peAt + 4);
    return machine == IMAGE_FILE_MACHINE_I386 ? 32 : machine == IMAGE_FILE_MACHINE_AMD64 ? 64 : 0;
}

// A theme identity no process has acted on yet (never -1, the value before the first).
WPARAM NewThemeIdentity() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    DWORD mixed = DWORD(now.QuadPart) ^ DWORD(now.QuadPart >> 32) ^ (GetCurrentProcessId() << 16);
    return WPARAM((mixed & 0x7FFFFFFF) | 1);
}

// Every process that has the module reloads its theme (pinned ones keep theirs).
void AnnounceThemeChange() {
    HookMessages messages;
    messages.RegisterHookMessages();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(HWND_BROADCAST, messages.themeChanged, NewThemeIdentity(), 0, SMTO_ABORTIFHUNG, 2000, &ignored);
}

// Loads the theme as the module does, without any box; kDone when it may be used. A missing
// file is refused even with --force: the module would skin nothing with it.
int CheckTheme(const std::string& path, bool force) {
    if (!FileThere(path)) return Fail(kThemeRefused, path + ": no such theme file");
    bool warned = false;
    ScopedNoticeHandler quiet([&](const std::string& caption, const std::string& text, unsigned) {
        warned = true;
        std::fprintf(stderr, "%s: %s: %s\n", path.c_str(), caption.c_str(), text.c_str());
    });
    ThemeState theme;
    ThemeInspector inspector(theme);
    inspector.Load(path, {&RegisterThemeScriptWords});
    if (inspector.Errors().empty()) return kDone;
    std::string report = inspector.CheckReport();
    std::fwrite(report.data(), 1, report.size(), stderr);
    std::string count = std::to_string(inspector.Errors().size()) + " line(s) of " + path + " failed to load";
    if (force) {
        std::fprintf(stderr, "vtctl: %s; taken anyway (--force): every program will show its errors\n", count.c_str());
        return kDone;
    }
    return Fail(kThemeRefused, "theme refused: " + count + " (each would pop up a box in every program; --force takes it anyway)");
}

int Start(const Request& request) {
    if (!request.partner && ControllerRunning(kOwnBits)) {
        return Fail(kAlreadyRunning, "Veltrane is already running (" + std::to_string(kOwnBits) +
                                         "-bit controller); vtctl stop ends it");
    }
    if (!FileThere(ModulePath())) return Fail(kModuleMissing, "no module at " + ModulePath());
    if (!request.theme.empty()) {
        std::string theme = FullPath(request.theme);
        if (int refused = CheckTheme(theme, request.force)) return refused;
        if (!WriteControllerValue("Theme", theme)) return Fail(kSystemFailure, "cannot write the registry value Theme");
    }
    if (!WriteControllerValue("Enabled", "1")) return Fail(kSystemFailure, "cannot write the registry value Enabled");
    ResidentOptions options;
    options.modulePath = ModulePath();
    options.tickMs = request.tickMs;
    std::string partner = request.partner ? std::string() : PartnerPath();
    const int partnerBits = kOwnBits == 32 ? 64 : 32;
    if (!partner.empty() && FileThere(partner)) {
        // A partner left running (this half was ended without its stop, say) goes on as it is.
        if (ControllerRunning(partnerBits)) Say("partner: the " + std::to_string(partnerBits) + "-bit controller runs already");
        else options.partnerPath = partner;
    }
    return RunResident(options);
}

int Stop() {
    int stopped = 0;
    for (int bits : {32, 64}) {
        UniqueKernelHandle running(OpenMutexA(SYNCHRONIZE, FALSE, RunningMutexName(bits).c_str()));
        if (!running) continue;
        UniqueKernelHandle stop(OpenEventA(EVENT_MODIFY_STATE, FALSE, StopEventName(bits).c_str()));
        if (!stop || !SetEvent(stop.get())) {
            return Fail(kSystemFailure, "cannot ask the " + std::to_string(bits) + "-bit controller to stop (error " +
                                            std::to_string(GetLastError()) + ")");
        }
        // The controller holds its mutex until every window is restored.
        DWORD waited = WaitForSingleObject(running.get(), 15000);
        if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
            return Fail(kSystemFailure, "the " + std::to_string(bits) + "-bit controller did not stop within 15 s");
        }
        ReleaseMutex(running.get());
        Say("stopped the " + std::to_string(bits) + "-bit controller");
        ++stopped;
    }
    if (stopped == 0) return Fail(kNotRunning, "Veltrane is not running");
    Say("Veltrane stopped: every window has its own frame back");
    return kDone;
}

int Status() {
    const bool running = ControllerRunning(kOwnBits);
    Say(std::string("running: ") + (running ? "yes" : "no") + " (" + std::to_string(kOwnBits) + "-bit controller)");
    std::optional<std::string> enabled = ReadControllerValue("Enabled");
    SharedArea area;
    bool areaOn = area.Open(true) && area.NewWindowsEnabled();
    Say(std::string("enabled: ") + (enabled && EnabledFromText(*enabled) ? "yes" : "no") + " (registry Enabled=" +
        (enabled ? *enabled : std::string("(none)")) + ", shared area " + (areaOn ? "on" : "off") + ")");
    std::optional<std::string> theme = ReadControllerValue("Theme");
    Say("theme: " + (theme && !theme->empty() ? *theme : std::string("(none)")));
    int bits = ImageBits(ModulePath());
    Say("module: " + ModulePath() + (bits ? " (" + std::to_string(bits) + "-bit)" : std::string(" (missing)")));
    std::string partner = PartnerPath();
    const int partnerBits = kOwnBits == 32 ? 64 : 32;
    if (!partner.empty() && FileThere(partner)) {
        Say("partner: " + partner + " (" + std::to_string(partnerBits) + "-bit), running: " +
            (ControllerRunning(partnerBits) ? "yes" : "no"));
    } else {
        Say("partner: none (only " + std::to_string(kOwnBits) + "-bit programs are skinned)");
    }
    Say("settings: " + ConfigFiles("themes.cfg") + "; " + ConfigFiles("exclude.cfg"));
    return kDone;
}

// theme --watch: applies the theme at every settled save of it or its images until Ctrl+C. A save
// with errors is refused as `theme` refuses it (programs keep the last good one); a save read
// while it was still being written is not applied, and the next poll reads it whole.
int WatchTheme(const std::string& theme, bool force) {
    Say("watching " + theme + " (Ctrl+C ends)");
    bool failed = false;
    RunWatchLoop(
        theme,
        [&](const FileWatch& watch) {
            if (CheckTheme(theme, force) != kDone) {
                Fail(kThemeRefused, "programs keep the last good theme; waiting for the next save");
                return;
            }
            if (!watch.Unchanged()) return;  // read while being saved: the next change reads it whole
            if (!WriteControllerValue("Theme", theme)) {
                failed = true;
                Fail(kSystemFailure, "cannot write the registry value Theme");
                return;
            }
            AnnounceThemeChange();
            Say("theme: " + theme);
        },
        [&] { Fail(kThemeRefused, theme + ": missing; waiting for it to come back"); }, CtrlCFlag());
    return failed ? kSystemFailure : kDone;
}

int Theme(const Request& request) {
    if (request.noTheme) {
        if (!DeleteControllerValue("Theme")) return Fail(kSystemFailure, "cannot remove the registry value Theme");
        AnnounceThemeChange();
        Say("theme: (none); programs keep their own frames");
        return kDone;
    }
    std::string theme = FullPath(request.theme);
    if (request.watch) return WatchTheme(theme, request.force);
    if (int refused = CheckTheme(theme, request.force)) return refused;
    if (!WriteControllerValue("Theme", theme)) return Fail(kSystemFailure, "cannot write the registry value Theme");
    AnnounceThemeChange();
    Say("theme: " + theme);
    return kDone;
}

// Edits the file `name` in every folder of ConfigFolders: `edit` changes the text and says
// whether it changed anything; each changed file is replaced atomically. `changed` tells whether
// any did.
template <typename Edit>
int EditConfigFiles(const std::string& name, Edit edit, bool& changed) {
    changed = false;
    for (const std::string& folder : ConfigFolders()) {
        const std::string path = folder + name;
        std::string text, error;
        if (!ReadWholeFile(path, text, error)) return Fail(kSystemFailure, error);
        if (!edit(text)) continue;
        if (!ReplaceFileAtomically(path, text, error)) return Fail(kSystemFailure, error);
        changed = true;
    }
    return kDone;
}

int Pin(const Request& request) {
    std::string theme = FullPath(request.theme);
    if (int refused = CheckTheme(theme, request.force)) return refused;
    bool changed = false;
    int result = EditConfigFiles("themes.cfg", [&](std::string& text) {
        text = PinProgram(text, request.program, theme);
        return true;
    }, changed);
    if (result != kDone) return result;
    AnnounceThemeChange();  // a running copy that follows the current theme takes its pin now
    Say("pinned " + request.program + " to " + theme + " (" + ConfigFiles("themes.cfg") + ")");
    return kDone;
}

int Unpin(const Request& request) {
    bool changed = false;
    int result = EditConfigFiles("themes.cfg", [&](std::string& text) { return UnpinProgram(text, request.program); },
                                 changed);
    if (result != kDone) return result;
    if (!changed) return Fail(kNothingToRemove, request.program + " is not pinned in " + ConfigFiles("themes.cfg"));
    Say("unpinned " + request.program + "; it follows the current theme from its next start");
    return kDone;
}

std::string SectionWords(const std::string& section) {
    if (section == "MODULES") return "module";
    if (section == "WINDOWCLASSES") return "window class";
    if (section == "NONESTED") return "no-nested module";
    return "no-size-fix-up class";
}

int Exclusion(const Request& request) {
    const bool add = request.verb == Verb::Exclude;
    const std::string what = SectionWords(request.section) + " " + request.entry;
    bool changed = false;
    int result = EditConfigFiles("exclude.cfg", [&](std::string& text) {
        return add ? AddExclusion(text, request.section, request.entry)
                   : RemoveExclusion(text, request.section, request.entry);
    }, changed);
    if (result != kDone) return result;
    if (!changed && !add) {
        return Fail(kNothingToRemove, what + " is not in [" + request.section + "] of " + ConfigFiles("exclude.cfg"));
    }
    if (!changed) Say(what + " is already in [" + request.section + "]");
    else Say(std::string(add ? "added " : "removed ") + what + (add ? " to [" : " from [") + request.section +
             "]; programs started from now on see it");
    return kDone;
}

std::string HandleText(HWND window) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    return text;
}

int Identify(const Request& request) {
    HWND window = nullptr;
    if (request.point) {
        POINT point{request.point->first, request.point->second};
        window = WindowFromPoint(point);
        if (window) window = GetAncestor(window, GA_ROOT);  // the program's window, not a control's
        if (!window) {
            return Fail(kNoAnswer, "no window at " + std::to_string(point.x) + "," + std::to_string(point.y));
        }
    } else {
        window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(*request.window));
        if (!IsWindow(window)) return Fail(kNoAnswer, HandleText(window) + " is no window");
    }
    SharedArea area;
    unsigned char* bytes = area.Open(true);
    if (!bytes || area.IsReadOnly()) return Fail(kSystemFailure, "cannot map the shared area for writing");
    area.WriteInstancePath("", 0);
    HookMessages messages;
    messages.RegisterHookMessages();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, messages.getInstance, 0, 0, SMTO_ABORTIFHUNG, 3000, &ignored);
    std::size_t length = bytes[shared_layout::kInstancePathLength];
    if (length == 0) {
        return Fail(kNoAnswer, "window " + HandleText(window) +
                                   " did not answer; only windows of programs the module has reached answer (vtctl start)");
    }
    Say(std::string(reinterpret_cast<const char*>(bytes + shared_layout::kInstancePath), length));
    return kDone;
}

// The theme the module picks in this process: this program's themes.cfg line, else `Theme`.
std::string ThemeForThisProgram() {
    const std::string config = Folder() + "themes.cfg";
    if (FileThere(config)) {
        try {
            std::optional<std::string> pinned = FindHostTheme(ReadTextLines(config), FileNameOf(ModuleFileName(nullptr)));
            if (pinned && !pinned->empty()) return *pinned;
        } catch (const std::exception&) {
        }
    }
    return ReadControllerValue("Theme").value_or("");
}

int Info() {
    // Loading the module loads the theme; a theme with errors would show a box for each here,
    // so it is checked first.
    std::string theme = ThemeForThisProgram();
    if (!theme.empty() && FileThere(theme) && CheckTheme(theme, false) != kDone) return kThemeRefused;
    HookLibrary library;
    if (!library.Load(ModulePath())) return Fail(kModuleMissing, library.Error());
    std::string info = library.ThemeInfo(65535);
    library.Unload();
    std::string lines;
    for (char c : info) {
        if (c != '\r') lines += c;
    }
    std::fwrite(lines.data(), 1, lines.size(), stdout);
    std::fflush(stdout);
    if (info.empty()) std::fprintf(stderr, "vtctl: no theme information (no theme, or no [INFO] section)\n");
    return kDone;
}

int Run(const std::vector<std::string>& args) {
    Parsed parsed = ParseCommandLine(args);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "vtctl: %s (vtctl --help lists the commands)\n", parsed.error.c_str());
        return kUsage;
    }
    const Request& request = parsed.request;
    switch (request.verb) {
    case Verb::Help: std::fputs(UsageText(), stdout); return kDone;
    case Verb::Start: return Start(request);
    case Verb::Stop: return Stop();
    case Verb::Status: return Status();
    case Verb::Theme: return Theme(request);
    case Verb::Pin: return Pin(request);
    case Verb::Unpin: return Unpin(request);
    case Verb::Exclude:
    case Verb::Include: return Exclusion(request);
    case Verb::Identify: return Identify(request);
    case Verb::Info: return Info();
    }
    return kUsage;
}

}  // namespace
}  // namespace vt::ctl

int main(int argc, char** argv) {
    // Nothing here may wait for a person: the module's errors and the script's warnings are
    // printed, never shown in a box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    try {
        return vt::ctl::Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vtctl: %s\n", error.what());
        return vt::ctl::kSystemFailure;
    } catch (...) {
        std::fprintf(stderr, "vtctl: unexpected failure\n");
        return vt::ctl::kSystemFailure;
    }
}
