// hook_bench [--rounds N] [--messages M]
// SendMessage round trips per second to a probe window in another process while veltrane.dll's
// hook is installed and has subclassed the window, against a window of the same probe under a
// hook that only calls CallNextHookEx (passhook.dll). Under Wine any hook costs far more than
// what it does, so the baseline has a hook too. Each round times M messages in both settings
// back to back (a new probe window for each, made while that hook is in place; the order flips
// every round), so both see the same load from whatever else runs on the machine; the figure is
// the median of the rounds' ratios.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ControllerConfig.h"
#include "HookLibrary.h"
#include "ProbeProcess.h"
#include "common/win32/UniqueHandle.h"
#include "common/win32/SharedArea.h"

namespace {

using VoidExport = void(WINAPI*)();

// Round trips per second of `count` kEcho messages to the probe's current window; 0 when the
// probe stops answering.
double RoundTripsPerSecond(const vt::ProbeProcess& probe, int count) {
    LRESULT answer = 0;
    for (int i = 0; i < count / 10; ++i) probe.Send(vt::probe::kEcho, 0, i, answer);  // warm up
    LARGE_INTEGER frequency{}, start{}, end{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i) {
        if (!probe.Send(vt::probe::kEcho, 0, i, answer) || answer != i + 1) return 0;
    }
    QueryPerformanceCounter(&end);
    return count / (double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart));
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool Has(LRESULT state, LRESULT bits) { return state >= 0 && (state & bits) == bits; }

}  // namespace

int main(int argc, char** argv) {
    int rounds = 21, messages = 300;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--rounds") == 0) rounds = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--messages") == 0) messages = std::max(10, std::atoi(argv[i + 1]));
    }
    const std::string folder = vt::ProgramFolder();

    vt::ControllerValueRestorer restoreEnabled("Enabled");
    vt::WriteControllerValue("Enabled", "1");
    vt::SharedArea area;
    if (!area.Open()) {
        std::printf("hook_bench: no shared area\n");
        return 1;
    }
    area.SetNewWindowsEnabled(true);

    vt::HookLibrary veltrane;
    if (!veltrane.Load(folder + "veltrane.dll")) {
        std::printf("hook_bench: %s\n", veltrane.Error().c_str());
        return 1;
    }
    vt::UniqueLibrary passhook(LoadLibraryA((folder + "passhook.dll").c_str()));
    auto resolve = [&](const char* name) {
        return reinterpret_cast<VoidExport>(reinterpret_cast<void*>(GetProcAddress(passhook.get(), name)));
    };
    VoidExport installPass = resolve("InstallPassHook"), removePass = resolve("RemovePassHook");
    vt::ProbeProcess probe;
    if (!installPass || !removePass || !probe.Start(folder + "vtprobe.exe", vt::probe::kStyleFrame)) {
        std::printf("hook_bench: passhook.dll or vtprobe.exe missing\n");
        return 1;
    }

    // One setting: the hook in place, a new window made under it, the window checked, timed.
    auto measure = [&](bool subclassed) {
        if (subclassed) veltrane.InstallHook();
        else installPass();
        LRESULT expected = subclassed ? vt::probe::kProcedureInVeltrane : vt::probe::kProcedureIsOwn;
        double rate = probe.NewWindow() && Has(probe.State(), expected) ? RoundTripsPerSecond(probe, messages) : 0;
        if (subclassed) veltrane.RemoveHook();
        else removePass();
        return rate;
    };

    std::vector<double> hooked, baseline, ratios;
    for (int round = 0; round < rounds; ++round) {
        bool hookedFirst = round % 2 == 0;
        double first = measure(hookedFirst);
        double second = measure(!hookedFirst);
        double v = hookedFirst ? first : second, b = hookedFirst ? second : first;
        if (v == 0 || b == 0) {
            std::printf("hook_bench: the probe did not answer (%s)\n", v == 0 ? "subclassed" : "pass-through");
            return 1;
        }
        hooked.push_back(v);
        baseline.push_back(b);
        ratios.push_back(v / b);
        std::printf("round %2d: veltrane %5.0f/s, pass-through %5.0f/s, ratio %.3f\n", round + 1, v, b, v / b);
        std::fflush(stdout);
    }
    probe.Close();
    std::printf("SendMessage round trips per second (median of %d rounds of %d messages each):\n", rounds, messages);
    std::printf("  window subclassed by veltrane.dll : %.0f\n", Median(hooked));
    std::printf("  pass-through hook only            : %.0f\n", Median(baseline));
    std::printf("ratio %.3f (median of the rounds' ratios; goal >= 0.95)\n", Median(ratios));
    return 0;
}
