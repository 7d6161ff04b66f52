#include "SoakProgram.h"

#include <algorithm>

#include "WindowSearch.h"

namespace vt::soak {

bool SoakProgram::Start() {
    process_ = std::make_unique<demo::DemoProcess>();
    window_ = nullptr;
    if (process_->Start(commandLine_) &&
        demo::WaitFor([&] { return (window_ = FindMainWindow(process_->Id())) != nullptr; }, 15000)) {
        return true;
    }
    process_.reset();  // a start without a window is reported once, not as a crash after it
    return false;
}

bool SoakProgram::Skinned() const {
    if (IsIconic(window_) || IsZoomed(window_)) ShowWindow(window_, SW_RESTORE);
    SetWindowPos(window_, nullptr, 0, 0, 640, 440, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    Sleep(300);
    RECT outer{};
    GetWindowRect(window_, &outer);
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    RECT own{0, 0, 100, 100};
    AdjustWindowRectEx(&own, DWORD(GetWindowLongA(window_, GWL_STYLE)), GetMenu(window_) != nullptr,
                       DWORD(GetWindowLongA(window_, GWL_EXSTYLE)));
    return origin.x - outer.left != -own.left || origin.y - outer.top != -own.top;
}

bool SoakProgram::Ping() {
    if (!window_ || !Alive()) return true;
    const DWORD start = GetTickCount();
    DWORD_PTR ignored = 0;
    const bool answered = SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, kPingTimeoutMs, &ignored) != 0;
    DWORD waited = GetTickCount() - start;
    if (!answered && IsWindow(window_)) waited = std::max(waited, kPingTimeoutMs);
    longestWaitMs_ = std::max(longestWaitMs_, waited);
    return answered || !IsWindow(window_);
}

void SoakProgram::Measure(double seconds) {
    if (!Alive()) return;
    const ProcessUsage usage = ReadProcessUsage(process_->Handle(), process_->Id());
    if (!sampled_) first_ = usage, sampled_ = true;
    last_ = usage;
    if (usage.gdiObjects >= 0) gdi_.push_back({seconds, usage.gdiObjects});
    if (usage.userObjects >= 0) user_.push_back({seconds, usage.userObjects});
    if (usage.privateBytes >= 0) memory_.push_back({seconds, usage.privateBytes});
}

bool SoakProgram::CheckEnded() {
    if (!process_ || crashed_ || process_->Running()) return false;
    crashed_ = true;
    process_->Wait(0, exitCode_);
    return true;
}

void SoakProgram::Close() {
    if (!Alive()) return;
    DWORD_PTR ignored = 0;
    // Notepad's edit control and Wordpad's rich edit: unmodified, so closing asks nothing.
    for (const char* editClass : {"Edit", "RICHEDIT50W", "RichEdit20W", "RichEdit20A"}) {
        if (HWND edit = FindWindowExA(window_, nullptr, editClass, nullptr)) {
            SendMessageTimeoutA(edit, EM_SETMODIFY, FALSE, 0, SMTO_ABORTIFHUNG, 3000, &ignored);
        }
    }
    PostMessageA(window_, WM_CLOSE, 0, 0);
    DWORD code = 0;
    if (!process_->Wait(10000, code)) process_.reset();  // ended by the guard
}

}  // namespace vt::soak
