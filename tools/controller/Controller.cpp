// vtcontroller: the controller side of the module, as a demonstration.
//   vtcontroller demo [--log FILE]
// Loads veltrane.dll from its own folder, switches it on in the registry and in the shared
// area, installs the hook, starts a probe window (vtprobe) in a process of its own, and reports
// what happened to that window: whether its procedure was replaced by the module's, whether its
// messages still reach its own procedure, which program the module says owns it, and whether
// RemoveHook gives the window its procedure back. The registry value it changes is restored.
// Exit status 0 when everything was observed as expected.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ControllerConfig.h"
#include "HookLibrary.h"
#include "ProbeProcess.h"
#include "common/win32/HookMessages.h"
#include "common/win32/SharedArea.h"

namespace {

// Lines go to the console and, when asked, to a file (a console is not always there to read).
class Report {
public:
    explicit Report(const char* logPath) : log_(logPath ? std::fopen(logPath, "w") : nullptr) {}
    ~Report() {
        if (log_) std::fclose(log_);
    }
    void Line(const std::string& text) {
        std::printf("%s\n", text.c_str());
        std::fflush(stdout);
        if (log_) {
            std::fprintf(log_, "%s\n", text.c_str());
            std::fflush(log_);
        }
    }
    // Reports one observation; false when it was not as expected.
    bool Check(bool ok, const std::string& what) {
        Line(std::string(ok ? "  ok    " : "  FAIL  ") + what);
        failures_ += ok ? 0 : 1;
        return ok;
    }
    int Failures() const { return failures_; }

private:
    std::FILE* log_;
    int failures_ = 0;
};

std::string Hex(const void* pointer) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(pointer)));
    return text;
}

std::string InstancePath(const unsigned char* area) {
    using namespace vt::shared_layout;
    return std::string(reinterpret_cast<const char*>(area + kInstancePath), area[kInstancePathLength]);
}

int RunDemo(Report& report) {
    const std::string folder = vt::ProgramFolder();
    report.Line("Veltrane demo controller");
    report.Line("  module: " + folder + "veltrane.dll");

    vt::ControllerValueRestorer restoreEnabled("Enabled");
    if (!report.Check(vt::WriteControllerValue("Enabled", "1"), "registry value Enabled set to 1")) return 1;

    vt::SharedArea area;
    unsigned char* view = area.Open();
    if (!report.Check(view && !area.IsReadOnly(), "shared area \"Veltrane Shared Area\" mapped")) return 1;
    area.SetNewWindowsEnabled(true);

    vt::HookLibrary library;
    bool loaded = library.Load(folder + "veltrane.dll");
    if (!report.Check(loaded, loaded ? "veltrane.dll loaded, its three exports found" : library.Error())) {
        return 1;
    }
    library.InstallHook();
    report.Line("InstallHook called");

    vt::ProbeProcess probe;
    if (!report.Check(probe.Start(folder + "vtprobe.exe", vt::probe::kStyleFrame),
                      "probe started; its window has a sizing frame and a system menu")) {
        library.RemoveHook();
        return 1;
    }
    report.Line("  probe window " + Hex(probe.Window()) + ", class " + probe.ClassName());

    LRESULT state = probe.WaitForState([](LRESULT s) { return s >= 0 && (s & vt::probe::kProcedureInVeltrane); }, 5000);
    report.Check(state >= 0 && (state & vt::probe::kVeltraneLoaded), "veltrane.dll was mapped into the probe's process");
    report.Check(state >= 0 && (state & vt::probe::kProcedureInVeltrane),
                 "the probe window's procedure is now the module's (subclassed)");

    LRESULT echoed = 0;
    bool echoAnswered = probe.Send(vt::probe::kEcho, 0, 41, echoed);
    report.Check(echoAnswered && echoed == 42,
                 "messages still reach the window's own procedure (echo 41 -> " + std::to_string(echoed) + ")");

    vt::HookMessages messages;
    messages.RegisterHookMessages();
    view[vt::shared_layout::kInstancePathLength] = 0;
    LRESULT answer = 0;
    bool answered = probe.Send(messages.getInstance, 0, 0, answer);
    std::string owner = InstancePath(view);
    report.Check(answered && answer == vt::kGetInstanceAnswer,
                 "\"Veltrane GetInstance\" answered " + std::to_string(answer));
    const std::string probeName = "\\vtprobe.exe";
    report.Check(owner.size() >= probeName.size() &&
                     _stricmp(owner.c_str() + owner.size() - probeName.size(), probeName.c_str()) == 0,
                 "the module says the window belongs to " + owner);

    std::string info = library.ThemeInfo();
    report.Line("  GetThemeInfo: " + (info.empty() ? std::string("(empty: no theme loaded yet)") : info));

    library.RemoveHook();
    report.Line("RemoveHook called");
    state = probe.WaitForState([](LRESULT s) { return s >= 0 && (s & vt::probe::kProcedureIsOwn); }, 5000);
    report.Check(state >= 0 && (state & vt::probe::kProcedureIsOwn), "the probe window has its own procedure back");

    int exitCode = probe.Close();
    report.Check(exitCode == 0, "the probe window closed normally (exit code " + std::to_string(exitCode) + ")");
    library.Unload();
    report.Line(report.Failures() == 0 ? "demo passed" : "demo FAILED: " + std::to_string(report.Failures()) +
                                                             " observation(s) not as expected");
    return report.Failures() == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const char* logPath = nullptr;
    bool demo = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "demo") == 0) demo = true;
        else if (std::strcmp(argv[i], "--log") == 0 && i + 1 < argc) logPath = argv[++i];
    }
    if (!demo) {
        std::fprintf(stderr, "usage: vtcontroller demo [--log FILE]\n");
        return 2;
    }
    Report report(logPath);
    try {
        return RunDemo(report);
    } catch (const std::exception& error) {
        report.Line(std::string("demo FAILED: ") + error.what());
        return 1;
    }
}
