#pragma once
// The 4096 bytes that every process with the module shares: the controller's switch for new
// windows, the answer to "Veltrane GetInstance" and the window that answered the last hit test.
// Each field is read and written whole (a byte, or one aligned 32-bit handle): many processes
// use the area at once and nothing locks it.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "common/win32/UniqueHandle.h"

namespace vt {

namespace shared_layout {
constexpr char kName[] = "Veltrane Shared Area";
constexpr DWORD kSize = 4096;
constexpr std::size_t kEnabled = 0;             // 1 byte: 0 = leave new windows alone
constexpr std::size_t kInstancePathLength = 1;  // 1 byte: 0 to 255
constexpr std::size_t kInstancePath = 2;        // 255 bytes, not terminated
constexpr std::size_t kInstancePathMax = 255;
constexpr std::size_t kHoverWindow = 1540;      // 4 bytes: a window handle (32 significant bits)
}  // namespace shared_layout

class SharedArea {
public:
    // The first call maps the area (read-write, or read-only when only that is allowed); later
    // calls return the view already open. Null when the area can be had in no way; a notice
    // "GetSharedArea" then says why, unless `quiet` (the loader lock is held: no box there).
    unsigned char* Open(bool quiet = false);
    // Unmaps the view and closes both handles.
    void Close();

    bool IsMapped() const { return view_.get() != nullptr; }
    // A read-only view: the writes below are then skipped.
    bool IsReadOnly() const { return readOnly_; }

    // Whether new windows are to be subclassed; a missing area counts as yes.
    bool NewWindowsEnabled() const;
    void SetNewWindowsEnabled(bool enabled);

    // Stores the first 255 characters of `path` as the GetInstance answer.
    void WriteInstancePath(const char* path, std::size_t length);

    HWND HoverWindow() const;
    void SetHoverWindow(HWND window);
    // Clears the hover window when it still is `window` (one atomic exchange: another process
    // may have written a new one meanwhile).
    void ClearHoverWindowIf(HWND window);

private:
    unsigned char* Bytes() const { return static_cast<unsigned char*>(view_.get()); }
    bool Writable() const { return IsMapped() && !readOnly_; }

    UniqueKernelHandle mapping_;  // from CreateFileMappingA
    UniqueKernelHandle open_;     // from OpenFileMappingA
    UniqueMappedView view_;
    bool readOnly_ = false;
};

// The process's shared area. It is opened as soon as the module is loaded (a controller maps
// the area, sets `enabled` and only then installs the hook), is never destroyed (no Win32 work
// in a static destructor) and is closed by the module's end.
SharedArea& ProcessSharedArea();

}  // namespace vt
