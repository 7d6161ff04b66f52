#pragma once
// A process the demo starts: ended by it if it is still there when the owner goes.
#include <windows.h>

#include <string>

#include "common/win32/UniqueHandle.h"

namespace vt::demo {

class DemoProcess {
public:
    DemoProcess() = default;
    ~DemoProcess();
    DemoProcess(const DemoProcess&) = delete;
    DemoProcess& operator=(const DemoProcess&) = delete;

    bool Start(const std::string& commandLine);
    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_.get(); }
    // Its exit code, once it has ended within the time.
    bool Wait(DWORD timeoutMs, DWORD& code) const;
    bool Running() const;

private:
    UniqueKernelHandle process_;
    DWORD id_ = 0;
};

}  // namespace vt::demo
