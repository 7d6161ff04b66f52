#pragma once

namespace vt {
// Makes notices real message boxes and beeps real tones (done once when the module starts).
void InstallWin32NoticeHandlers();
}  // namespace vt
