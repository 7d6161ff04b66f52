#pragma once
// A probe window (vtprobe) in a process of its own: started, asked, closed; never waited on
// without a time limit, and killed when it does not go.
#include <windows.h>

#include <string>

#include "ProbeProtocol.h"
#include "common/win32/UniqueHandle.h"

namespace vt {

class ProbeProcess {
public:
    ProbeProcess() = default;
    // Kills the process if it still runs.
    ~ProbeProcess();
    ProbeProcess(const ProbeProcess&) = delete;
    ProbeProcess& operator=(const ProbeProcess&) = delete;

    // Starts `probePath` with a window of a class name unique to this probe and the given style
    // (see ProbeProtocol.h), then waits up to `timeoutMs` for its window. False when either fails.
    bool Start(const std::string& probePath, const std::string& style, DWORD timeoutMs = 20000);

    HWND Window() const { return window_; }
    const std::string& ClassName() const { return className_; }

    // SendMessageTimeout to the window; false when it did not answer in time.
    bool Send(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result, DWORD timeoutMs = 10000) const;
    // The kQueryState bits; -1 when the probe did not answer.
    LRESULT State() const;
    // Asks until `done(State())` holds or `timeoutMs` passes; the last state seen.
    template <typename Predicate>
    LRESULT WaitForState(Predicate done, DWORD timeoutMs) const {
        DWORD start = GetTickCount();
        for (;;) {
            LRESULT state = State();
            if (done(state) || GetTickCount() - start >= timeoutMs) return state;
            Sleep(20);
        }
    }

    // Asks the probe for another window (kNewWindow), which the calls here then address.
    bool NewWindow();

    // Closes the window and waits for the process; kills it after `timeoutMs`. Its exit code,
    // or -1 when it had to be killed or was never started.
    int Close(DWORD timeoutMs = 10000);

    // Starts `probePath` with `arguments` after a class name unique to it, for a probe that ends
    // on its own, and waits for it: its exit code, or -1 when it could not start or did not end
    // within `timeoutMs` (it is then killed).
    static int RunToEnd(const std::string& probePath, const std::string& arguments, DWORD timeoutMs);

private:
    bool Launch(const std::string& probePath, const std::string& arguments);
    void Kill();

    UniqueKernelHandle process_;
    std::string className_;
    HWND window_ = nullptr;
};

// The folder of the running program, with a trailing backslash.
std::string ProgramFolder();

}  // namespace vt
