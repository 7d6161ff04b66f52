#include "ProbeProcess.h"

#include <atomic>

#include "common/PathText.h"
#include "ChildProcess.h"
#include "common/win32/ModuleInstance.h"

namespace vt {
namespace {

std::string UniqueClassName() {
    static std::atomic<unsigned> counter{0};
    return "VtProbe_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
}

}  // namespace

std::string ProgramFolder() { return WithTrailingBackslash(FolderOf(ModuleFileName(nullptr))); }

ProbeProcess::~ProbeProcess() { Kill(); }

bool ProbeProcess::Launch(const std::string& probePath, const std::string& arguments) {
    Kill();
    className_ = UniqueClassName();
    std::string command = "\"" + probePath + "\" --class " + className_ + " " + arguments;
    ChildOptions options;
    options.application = probePath.c_str();
    process_ = StartChildProcess(command, options).process;
    return bool(process_);
}

bool ProbeProcess::Start(const std::string& probePath, const std::string& style, DWORD timeoutMs) {
    if (!Launch(probePath, "--style " + style)) return false;
    DWORD start = GetTickCount();
    while (!(window_ = FindWindowA(className_.c_str(), nullptr))) {
        if (WaitForSingleObject(process_.get(), 20) == WAIT_OBJECT_0) return false;  // it died
        if (GetTickCount() - start >= timeoutMs) return false;
    }
    return true;
}

int ProbeProcess::RunToEnd(const std::string& probePath, const std::string& arguments, DWORD timeoutMs) {
    ProbeProcess probe;
    if (!probe.Launch(probePath, arguments)) return -1;
    return probe.Close(timeoutMs);  // no window to close: only the wait, and the kill after it
}

bool ProbeProcess::Send(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result, DWORD timeoutMs) const {
    DWORD_PTR answer = 0;
    if (!window_ || !SendMessageTimeoutA(window_, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &answer)) {
        return false;
    }
    result = LRESULT(answer);
    return true;
}

LRESULT ProbeProcess::State() const {
    LRESULT state = 0;
    return Send(probe::kQueryState, 0, 0, state) ? state : -1;
}

bool ProbeProcess::NewWindow() {
    LRESULT created = 0;
    if (!Send(probe::kNewWindow, 0, 0, created) || !created) return false;
    window_ = reinterpret_cast<HWND>(created);
    return true;
}

int ProbeProcess::Close(DWORD timeoutMs) {
    if (!process_) return -1;
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
    window_ = nullptr;
    if (WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) {
        Kill();
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    process_.reset();
    return int(code);
}

void ProbeProcess::Kill() {
    if (process_ && WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
    process_.reset();
    window_ = nullptr;
}

}  // namespace vt
