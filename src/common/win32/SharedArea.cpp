#include "common/win32/SharedArea.h"

#include <cstring>
#include <string>

#include "common/Notice.h"

namespace vt {

using namespace shared_layout;

SharedArea& ProcessSharedArea() {
    static SharedArea* area = new SharedArea();  // left at exit on purpose, see the header
    return *area;
}

unsigned char* SharedArea::Open(bool quiet) {
    if (view_) return Bytes();
    mapping_.reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kSize, kName));
    if (mapping_) {
        open_.reset(OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, kName));
        if (open_) view_.reset(MapViewOfFile(open_.get(), FILE_MAP_ALL_ACCESS, 0, 0, kSize));
        readOnly_ = false;
    } else {
        // Someone else's area that we may only read (another session's integrity level, say).
        open_.reset(OpenFileMappingA(FILE_MAP_READ, FALSE, kName));
        if (open_) {
            view_.reset(MapViewOfFile(open_.get(), FILE_MAP_READ, 0, 0, kSize));
            readOnly_ = true;
        } else if (!quiet) {
            ShowNotice("GetSharedArea", "GetLastError=" + std::to_string(GetLastError()), kNoticeOk);
        }
    }
    return Bytes();
}

void SharedArea::Close() {
    view_.reset();
    open_.reset();
    mapping_.reset();
    readOnly_ = false;
}

bool SharedArea::NewWindowsEnabled() const {
    if (!IsMapped()) return true;
    return *static_cast<volatile unsigned char*>(Bytes() + kEnabled) != 0;
}

void SharedArea::SetNewWindowsEnabled(bool enabled) {
    if (Writable()) *static_cast<volatile unsigned char*>(Bytes() + kEnabled) = enabled ? 1 : 0;
}

void SharedArea::WriteInstancePath(const char* path, std::size_t length) {
    if (!Writable()) return;
    if (length > kInstancePathMax) length = kInstancePathMax;
    std::memcpy(Bytes() + kInstancePath, path, length);
    *static_cast<volatile unsigned char*>(Bytes() + kInstancePathLength) = static_cast<unsigned char>(length);
}

HWND SharedArea::HoverWindow() const {
    if (!IsMapped()) return nullptr;
    // Window handles carry 32 significant bits on 64-bit Windows too; widen with the sign, as
    // LongToHandle does.
    auto raw = *reinterpret_cast<volatile std::int32_t*>(Bytes() + kHoverWindow);
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(raw));
}

void SharedArea::ClearHoverWindowIf(HWND window) {
    if (!Writable()) return;
    auto* field = reinterpret_cast<volatile LONG*>(Bytes() + kHoverWindow);
    InterlockedCompareExchange(field, 0, static_cast<LONG>(reinterpret_cast<INT_PTR>(window)));
}

void SharedArea::SetHoverWindow(HWND window) {
    if (!Writable()) return;
    *reinterpret_cast<volatile std::int32_t*>(Bytes() + kHoverWindow) =
        static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(window));
}

}  // namespace vt
