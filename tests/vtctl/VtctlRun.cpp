#include "VtctlRun.h"

#include <algorithm>

#include "ChildProcess.h"

namespace vt::test {

std::string ReadFileText(const std::string& path) {
    std::string text;
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr));
    char buffer[4096];
    DWORD got = 0;
    while (file && ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    return text;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string NoCr(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

VtctlRun::VtctlRun(const std::string& exe, const std::string& args) {
    static int counter = 0;
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string base = std::string(temp) + "vtctl-run-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(++counter);
    outPath_ = base + ".out";
    errPath_ = base + ".err";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    UniqueFileHandle out(CreateFileA(outPath_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                     CREATE_ALWAYS, 0, nullptr));
    UniqueFileHandle err(CreateFileA(errPath_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                     CREATE_ALWAYS, 0, nullptr));
    if (out && err) {
        ChildOptions options;
        options.application = exe.c_str();
        options.flags = CREATE_NO_WINDOW;
        options.output = out.get();
        options.error = err.get();
        process_ = StartChildProcess("\"" + exe + "\" " + args, options).process;
    }
}

VtctlRun::~VtctlRun() {
    if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.get(), 99);
        WaitForSingleObject(process_.get(), 5000);
    }
    process_.reset();
    DeleteFileA(outPath_.c_str());
    DeleteFileA(errPath_.c_str());
}

int VtctlRun::Wait(DWORD timeoutMs) {
    if (!process_) return -2;
    if (WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process_.get(), 99);
        WaitForSingleObject(process_.get(), 5000);
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return int(code);
}

Result RunToEnd(const std::string& exe, const std::string& args) {
    VtctlRun run(exe, args);
    int code = run.Wait();
    return {code, run.Out(), run.Err()};
}

}  // namespace vt::test
