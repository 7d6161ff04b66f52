#pragma once
// The one place where the system shows something to a person (message boxes, beeps).
// Inside veltrane.dll the handlers show a real MessageBoxA / call Beep; tests and the console
// tools replace them so that nothing ever waits for a person.
#include <functional>
#include <string>

namespace vt {

// Message-box style bits the callers pass (the Win32 MB_ values, so the Win32 handler can pass
// them straight through).
enum NoticeStyle : unsigned {
    kNoticeOk = 0x0,
    kNoticeWarning = 0x30,            // MB_ICONWARNING
    kNoticeSetForeground = 0x10000,   // MB_SETFOREGROUND
    kNoticeTopmost = 0x40000,         // MB_TOPMOST
    kNoticeServiceNotification = 0x200000,  // MB_SERVICE_NOTIFICATION
};

using NoticeHandler = std::function<void(const std::string& caption, const std::string& text, unsigned style)>;
using BeepHandler = std::function<void(unsigned frequency, unsigned milliseconds)>;

// Shows a notice through the current handler; never throws.
void ShowNotice(const std::string& caption, const std::string& text, unsigned style = kNoticeOk);
// Sounds a tone through the current handler (waits for it to end on Windows); never throws.
void PlayBeep(unsigned frequency, unsigned milliseconds);

// Replace the handlers; each returns the previous one. An empty handler restores the default
// (stderr / silence natively, MessageBoxA / Beep inside the DLL once it installed its own).
NoticeHandler SetNoticeHandler(NoticeHandler handler);
BeepHandler SetBeepHandler(BeepHandler handler);

// Keeps a replacement in force for one scope (tests).
class ScopedNoticeHandler {
public:
    explicit ScopedNoticeHandler(NoticeHandler h) : previous_(SetNoticeHandler(std::move(h))) {}
    ~ScopedNoticeHandler() { SetNoticeHandler(std::move(previous_)); }
    ScopedNoticeHandler(const ScopedNoticeHandler&) = delete;
    ScopedNoticeHandler& operator=(const ScopedNoticeHandler&) = delete;
private:
    NoticeHandler previous_;
};

}  // namespace vt
