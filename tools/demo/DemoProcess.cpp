#include "DemoProcess.h"

namespace vt::demo {

bool DemoProcess::Start(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) return false;
    process_.reset(info.hProcess);
    UniqueKernelHandle thread(info.hThread);
    id_ = info.dwProcessId;
    return true;
}

DemoProcess::~DemoProcess() {
    if (Running()) TerminateProcess(process_.get(), 1);
}

bool DemoProcess::Wait(DWORD timeoutMs, DWORD& code) const {
    if (!process_ || WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(process_.get(), &code);
    return true;
}

bool DemoProcess::Running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

}  // namespace vt::demo
