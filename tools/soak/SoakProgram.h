#pragma once
// A program under the soak: started by it, its main window, and what it showed over the run (the
// longest time it did not answer, its objects and memory sampled, whether it ended unasked).
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "DemoProcess.h"
#include "GrowthVerdict.h"
#include "ProcessUsage.h"

namespace vt::soak {

// A wait past this is a hang; the soak fails on any.
constexpr DWORD kLongestAllowedWaitMs = 2000;
// How long one question to a program may take before the soak stops waiting.
constexpr DWORD kPingTimeoutMs = 5000;

class SoakProgram {
public:
    SoakProgram(std::string name, std::string commandLine, bool typeable, bool clickable)
        : name_(std::move(name)), commandLine_(std::move(commandLine)), typeable_(typeable), clickable_(clickable) {}

    // Starts it and waits (bounded) for its main window.
    bool Start();
    // The same program, not started yet: a new instance with figures of its own.
    std::unique_ptr<SoakProgram> Fresh() const {
        return std::make_unique<SoakProgram>(name_, commandLine_, typeable_, clickable_);
    }
    // Whether its main window has a frame other than the system's own (restored first, at a size
    // where no menu bar wraps).
    bool Skinned() const;
    const std::string& Name() const { return name_; }
    HWND Window() const { return window_; }
    DWORD Id() const { return process_ ? process_->Id() : 0; }
    // Text can be typed into it; clicks anywhere in its client area are harmless.
    bool Typeable() const { return typeable_; }
    bool Clickable() const { return clickable_; }
    bool Alive() const { return process_ && process_->Running() && !crashed_; }

    // Asks it a question (WM_NULL) and keeps the longest time it took; false: no answer in time.
    bool Ping();
    // Samples its objects and memory at `seconds` into the run.
    void Measure(double seconds);
    // Whether it ended unasked since the last look (then it has crashed; its exit code is kept).
    bool CheckEnded();
    // Ends it as a person does (its text unmodified, so it asks nothing); bounded, forced at the end.
    void Close();

    DWORD LongestWaitMs() const { return longestWaitMs_; }
    bool Crashed() const { return crashed_; }
    DWORD ExitCode() const { return exitCode_; }
    const ProcessUsage& First() const { return first_; }
    const ProcessUsage& Last() const { return last_; }
    const std::vector<Sample>& Gdi() const { return gdi_; }
    const std::vector<Sample>& User() const { return user_; }
    const std::vector<Sample>& Memory() const { return memory_; }

private:
    std::string name_, commandLine_;
    bool typeable_, clickable_;
    std::unique_ptr<demo::DemoProcess> process_;
    HWND window_ = nullptr;
    DWORD longestWaitMs_ = 0;
    bool crashed_ = false;
    DWORD exitCode_ = 0;
    bool sampled_ = false;
    ProcessUsage first_, last_;
    std::vector<Sample> gdi_, user_, memory_;
};

}  // namespace vt::soak
