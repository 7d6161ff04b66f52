#include "common/win32/NoticeWin32.h"

#include <windows.h>

#include "common/Notice.h"

namespace vt {

void InstallWin32NoticeHandlers() {
    SetNoticeHandler([](const std::string& caption, const std::string& text, unsigned style) {
        MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
    });
    SetBeepHandler([](unsigned frequency, unsigned milliseconds) { ::Beep(frequency, milliseconds); });
}

}  // namespace vt
