#include "Resident.h"

#include <windows.h>

#include <cstdio>
#include <exception>

#include "ExitCode.h"
#include "HookLibrary.h"
#include "common/win32/HookMessages.h"
#include "common/win32/SharedArea.h"
#include "ChildProcess.h"
#include "common/win32/UniqueHandle.h"

namespace vt::ctl {
namespace {

constexpr char kWindowClass[] = "VeltraneControllerWindow";
constexpr UINT_PTR kTickTimer = 1;

// The console handler runs on a thread of its own: it asks the loop to stop and, for console
// close and logoff (after which the process is ended), waits for the teardown to be done.
HANDLE g_stopEvent = nullptr;
HANDLE g_doneEvent = nullptr;

BOOL WINAPI ConsoleHandler(DWORD event) {
    if (g_stopEvent) SetEvent(g_stopEvent);
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && g_doneEvent) WaitForSingleObject(g_doneEvent, 8000);
    return TRUE;
}

class Resident {
public:
    explicit Resident(const ResidentOptions& options) : options_(options) {}
    ~Resident() { TearDown(); }

    int Run();
    // Every window its own frame back; idempotent, never throws (also runs inside WM_ENDSESSION).
    void TearDown() noexcept;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool StartPartner();
    void StopPartner();

    ResidentOptions options_;
    UniqueKernelHandle running_, stop_, done_, partner_;
    HookLibrary library_;
    SharedArea area_;
    HookMessages messages_;
    UniqueWindow window_;
    bool installed_ = false;
};

Resident* g_resident = nullptr;

LRESULT CALLBACK Resident::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_TIMER && wParam == kTickTimer && g_resident) {
            PostMessageA(HWND_BROADCAST, g_resident->messages_.tick, 0, 0);
            return 0;
        }
        if (message == WM_QUERYENDSESSION) return TRUE;
        if (message == WM_ENDSESSION && wParam && g_resident) {
            // The session ends: the process may be ended as soon as this returns.
            g_resident->TearDown();
            if (g_stopEvent) SetEvent(g_stopEvent);
            return 0;
        }
    } catch (...) {
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int Resident::Run() {
    running_.reset(CreateMutexA(nullptr, TRUE, RunningMutexName(kOwnBits).c_str()));
    if (!running_ || GetLastError() == ERROR_ALREADY_EXISTS) {
        running_.reset();
        std::fprintf(stderr, "vtctl: Veltrane is already running (%d-bit controller); vtctl stop ends it\n", kOwnBits);
        return kAlreadyRunning;
    }
    stop_.reset(CreateEventA(nullptr, TRUE, FALSE, StopEventName(kOwnBits).c_str()));
    done_.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!stop_ || !done_) {
        std::fprintf(stderr, "vtctl: cannot create the stop event (error %lu)\n", GetLastError());
        return kSystemFailure;
    }
    ResetEvent(stop_.get());  // a stop meant for a controller that has ended already
    g_stopEvent = stop_.get();
    g_doneEvent = done_.get();

    if (!library_.Load(options_.modulePath)) {
        std::fprintf(stderr, "vtctl: %s\n", library_.Error().c_str());
        return kModuleMissing;
    }
    if (!area_.Open(true) || area_.IsReadOnly()) {
        std::fprintf(stderr, "vtctl: cannot map the shared area \"%s\" for writing (error %lu)\n", shared_layout::kName,
                     GetLastError());
        return kSystemFailure;
    }
    messages_.RegisterHookMessages();

    // Made before the hook is in: a window that exists already is never subclassed.
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &Resident::WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    window_.reset(CreateWindowExA(0, kWindowClass, "Veltrane controller", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  windowClass.hInstance, nullptr));
    if (!window_) {
        std::fprintf(stderr, "vtctl: cannot create the controller window (error %lu)\n", GetLastError());
        return kSystemFailure;
    }
    g_resident = this;
    SetConsoleCtrlHandler(&ConsoleHandler, TRUE);

    area_.SetNewWindowsEnabled(true);
    library_.InstallHook();
    installed_ = true;
    // Processes that kept the module from an earlier run reload their theme now.
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(HWND_BROADCAST, messages_.themeChanged, WPARAM(DWORD(now.QuadPart) & 0x7FFFFFFF) | 1, 0,
                        SMTO_ABORTIFHUNG, 2000, &ignored);
    if (options_.tickMs) SetTimer(window_.get(), kTickTimer, *options_.tickMs, nullptr);

    std::printf("Veltrane started: %d-bit module %s\n", kOwnBits, options_.modulePath.c_str());
    if (options_.tickMs) std::printf("ticks every %u ms\n", *options_.tickMs);
    if (!options_.partnerPath.empty() && StartPartner()) {
        std::printf("partner started: %s\n", options_.partnerPath.c_str());
    }
    std::printf("vtctl stop (or Ctrl+C) ends it\n");
    std::fflush(stdout);

    for (bool going = true; going;) {
        HANDLE waits[] = {stop_.get()};
        DWORD woke = MsgWaitForMultipleObjects(1, waits, FALSE, INFINITE, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED) break;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) going = false;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    TearDown();
    std::printf("Veltrane stopped: every window has its own frame back\n");
    std::fflush(stdout);
    return kDone;
}

void Resident::TearDown() noexcept {
    if (window_) KillTimer(window_.get(), kTickTimer);
    if (installed_) {
        installed_ = false;
        // No window is taken on while the hook goes; then every process gives its windows back.
        area_.SetNewWindowsEnabled(false);
        library_.RemoveHook();
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    StopPartner();
    library_.Unload();
    if (running_) {
        ReleaseMutex(running_.get());
        running_.reset();
    }
    g_resident = nullptr;
    if (done_) SetEvent(done_.get());
}

bool Resident::StartPartner() {
    std::string command = "\"" + options_.partnerPath + "\" start --partner";
    if (options_.tickMs) command += " --tick " + std::to_string(*options_.tickMs);
    // Not inheriting our handles: whoever reads our output must not wait for the partner's end.
    vt::ChildOptions start;
    start.application = options_.partnerPath.c_str();
    start.flags = CREATE_NO_WINDOW;
    vt::ChildProcess child = vt::StartChildProcess(command, start);
    if (!child) {
        std::fprintf(stderr, "vtctl: cannot start the partner %s (error %lu)\n", options_.partnerPath.c_str(),
                     GetLastError());
        return false;
    }
    partner_ = std::move(child.process);
    const int partnerBits = kOwnBits == 32 ? 64 : 32;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 10000;) {
        if (ControllerRunning(partnerBits)) return true;
        if (WaitForSingleObject(partner_.get(), 50) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(partner_.get(), &code);
            partner_.reset();
            std::fprintf(stderr, "vtctl: the %d-bit partner %s ended at once (exit status %lu); only %d-bit programs are skinned\n",
                         partnerBits, options_.partnerPath.c_str(), code, kOwnBits);
            return false;
        }
    }
    std::fprintf(stderr, "vtctl: the %d-bit partner did not report in 10 s\n", partnerBits);
    return false;
}

void Resident::StopPartner() {
    if (!partner_) return;
    UniqueKernelHandle stop(OpenEventA(EVENT_MODIFY_STATE, FALSE, StopEventName(kOwnBits == 32 ? 64 : 32).c_str()));
    if (stop) SetEvent(stop.get());
    if (WaitForSingleObject(partner_.get(), 10000) != WAIT_OBJECT_0) TerminateProcess(partner_.get(), kSystemFailure);
    partner_.reset();
}

}  // namespace

std::string RunningMutexName(int bits) { return "Veltrane Controller " + std::to_string(bits); }
std::string StopEventName(int bits) { return "Veltrane Controller Stop " + std::to_string(bits); }

bool ControllerRunning(int bits) {
    UniqueKernelHandle mutex(OpenMutexA(SYNCHRONIZE, FALSE, RunningMutexName(bits).c_str()));
    return static_cast<bool>(mutex);
}

int RunResident(const ResidentOptions& options) {
    try {
        Resident resident(options);
        return resident.Run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vtctl: %s\n", error.what());
        return kSystemFailure;
    }
}

}  // namespace vt::ctl
