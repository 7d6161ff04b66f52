#pragma once
// One run of vtctl.exe (or any console program) as a child process of the test, its stdout and
// stderr going to files of its own, every wait bounded.
#include <windows.h>

#include <string>

#include "common/win32/UniqueHandle.h"

namespace vt::test {

std::string ReadFileText(const std::string& path);
bool Contains(const std::string& text, const std::string& part);
// Console output with its line breaks as LF (the C library writes CR LF).
std::string NoCr(std::string text);

class VtctlRun {
public:
    VtctlRun(const std::string& exe, const std::string& args);
    ~VtctlRun();
    VtctlRun(const VtctlRun&) = delete;
    VtctlRun& operator=(const VtctlRun&) = delete;
    // The exit status, or -1 when it did not end in time (it is then ended).
    int Wait(DWORD timeoutMs = 20000);
    bool Running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
    std::string Out() const { return ReadFileText(outPath_); }
    std::string Err() const { return ReadFileText(errPath_); }

private:
    UniqueKernelHandle process_;
    std::string outPath_, errPath_;
};

struct Result {
    int code;
    std::string out, err;
};

// Runs `exe args` to its end (at most 20 s).
Result RunToEnd(const std::string& exe, const std::string& args);

}  // namespace vt::test
