#include "ControllerCalls.h"

#include <windows.h>

#include "Resident.h"
#include "ChildProcess.h"
#include "common/win32/UniqueHandle.h"

namespace vt::picker {
namespace {

std::string TempFile() {
    char folder[MAX_PATH + 1] = {};
    char file[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "vtp", 0, file);
    return file;
}

}  // namespace

CallResult ControllerCalls::Run(const std::string& args) const {
    CallResult result;
    const std::string outPath = TempFile();
    {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        UniqueFileHandle out(CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                         CREATE_ALWAYS, 0, nullptr));
        if (!out) return result;
        ChildOptions options;
        options.application = vtctl_.c_str();
        options.flags = CREATE_NO_WINDOW;
        options.output = out.get();
        options.error = out.get();
        ChildProcess child = StartChildProcess("\"" + vtctl_ + "\" " + args, options);
        if (!child) {
            result.output = "cannot run " + vtctl_ + " (error " + std::to_string(GetLastError()) + ")";
            DeleteFileA(outPath.c_str());
            return result;
        }
        const UniqueKernelHandle& process = child.process;
        if (WaitForSingleObject(process.get(), 20000) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process.get(), &code);
            result.code = int(code);
        } else {
            TerminateProcess(process.get(), 99);
            result.output = "vtctl did not answer in 20 s\n";
        }
    }
    UniqueFileHandle in(CreateFileA(outPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    char buffer[4096];
    DWORD got = 0;
    while (in && ReadFile(in.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) result.output.append(buffer, got);
    in.reset();
    DeleteFileA(outPath.c_str());
    return result;
}

bool ControllerCalls::Start() const {
    // Not inheriting our handles; no console window of its own.
    ChildOptions options;
    options.application = vtctl_.c_str();
    options.flags = CREATE_NO_WINDOW;
    return bool(StartChildProcess("\"" + vtctl_ + "\" start", options));
}

bool ControllerCalls::Running(int bits) { return ctl::ControllerRunning(bits); }

}  // namespace vt::picker
