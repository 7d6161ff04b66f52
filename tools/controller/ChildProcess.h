#pragma once
// Starting another program, the one way the tools and tests do it (the thread handle is let go at
// once, the process handle is owned by the result), and finding the window it shows.
#include <windows.h>

#include <string>

#include "common/win32/UniqueHandle.h"

namespace vt {

struct ChildProcess {
    UniqueKernelHandle process;  // none when the start failed (GetLastError says why)
    DWORD id = 0;
    explicit operator bool() const noexcept { return bool(process); }
};

struct ChildOptions {
    const char* application = nullptr;  // the program; null: the command line's first word
    DWORD flags = 0;                     // CreateProcess flags (CREATE_NO_WINDOW)
    // Given: the child's standard output and error, inherited (it then inherits every
    // inheritable handle); none: it inherits nothing.
    HANDLE output = nullptr;
    HANDLE error = nullptr;
};

inline ChildProcess StartChildProcess(std::string commandLine, const ChildOptions& options = {}) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    const bool redirected = options.output || options.error;
    if (redirected) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = options.output;
        startup.hStdError = options.error;
    }
    PROCESS_INFORMATION info{};
    ChildProcess child;
    if (!CreateProcessA(options.application, &commandLine[0], nullptr, nullptr, redirected, options.flags, nullptr,
                        nullptr, &startup, &info)) {
        return child;
    }
    UniqueKernelHandle thread(info.hThread);
    child.process.reset(info.hProcess);
    child.id = info.dwProcessId;
    return child;
}

namespace detail {

struct MainWindowSearch {
    DWORD processId;
    HWND found;
};

inline BOOL CALLBACK VisitForMainWindow(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<MainWindowSearch*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != s->processId || !IsWindowVisible(window) || GetParent(window)) return TRUE;
    s->found = window;
    return FALSE;
}

}  // namespace detail

// The process's first visible top-level window; null when it shows none (yet).
inline HWND FindMainWindow(DWORD processId) {
    detail::MainWindowSearch search{processId, nullptr};
    EnumWindows(detail::VisitForMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace vt
