#include "DemoProcess.h"

#include <utility>

#include "ChildProcess.h"

namespace vt::demo {

bool DemoProcess::Start(const std::string& commandLine) {
    ChildProcess child = StartChildProcess(commandLine);
    if (!child) return false;
    process_ = std::move(child.process);
    id_ = child.id;
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
