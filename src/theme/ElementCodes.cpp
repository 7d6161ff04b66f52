#include "theme/ElementCodes.h"

#include <stdexcept>

#include "theme/ThemeErrors.h"
#include "theme/ThemeText.h"

namespace vt {
namespace {

// Window-style bits by their Win32 names (the portable core has no <windows.h>).
constexpr std::uint32_t kBorder = 0x00800000;
constexpr std::uint32_t kThickFrame = 0x00040000;
constexpr std::uint32_t kCaption = 0x00C00000;
constexpr std::uint32_t kMinimizeBox = 0x00020000;
constexpr std::uint32_t kMaximizeBox = 0x00010000;
constexpr std::uint32_t kSysMenu = 0x00080000;
constexpr std::uint32_t kAny = 0xFFFFFFFF;

}  // namespace

const std::array<TRectType, kElementCodeCount> ElementCodes = {{
    {"BORDER", 18, kBorder},
    {"BOTTOM", 15, kThickFrame},
    {"BOTTOMLEFT", 16, kThickFrame},
    {"BOTTOMRIGHT", 17, kThickFrame},
    {"CAPTION", 2, kCaption},
    {"CLIENT", 1, kAny},
    {"ERROR", -2, 0},
    {"GROWBOX", 4, kThickFrame},
    {"HSCROLL", 6, kAny},
    {"LEFT", 10, kThickFrame},
    {"MENU", 5, kAny},
    {"NOWHERE", 0, kAny},
    {"REDUCE", 8, kMinimizeBox},
    {"RIGHT", 11, kThickFrame},
    {"SIZE", 4, kThickFrame},
    {"SYSMENU", 3, kSysMenu},
    {"TOP", 12, kThickFrame},
    {"TOPLEFT", 13, kThickFrame},
    {"TOPRIGHT", 14, kThickFrame},
    {"TRANSPARENT", -1, kAny},
    {"VSCROLL", 7, kAny},
    {"ZOOM", 9, kMaximizeBox},
    {"CLOSE", 256, kSysMenu},
    {"MINIMIZE", 257, kMinimizeBox},
    {"MAXIMIZE", 258, kMaximizeBox},
    {"NEXT", 259, kAny},
    {"PREV", 260, kAny},
    {"HELP", 261, kAny},
    {"TASKLIST", 262, kAny},
    {"RESTORE", 263, kMaximizeBox},
    {"SAVE", 264, kAny},
    {"POWER", 265, kAny},
    {"TITLE", 266, kCaption},
    {"EXCLUDE", 4352, kAny},
    {"ICON", 267, kAny},
    {"SHRINK", 268, kAny},
    {"UNSHRINK", 269, kAny},
    {"SHRINKFLIP", 270, kAny},
}};

const TRectType& ElementCodeRow(int index) {
    if (index < 1 || index > kElementCodeCount) throw std::out_of_range("element code row out of range");
    return ElementCodes[std::size_t(index - 1)];
}

int FindElementCode(const std::string& name) {
    std::string wanted = UpperCase(name);
    if (!wanted.empty() && wanted[0] == '!') wanted.erase(0, 1);
    for (int i = 0; i < kElementCodeCount; ++i)
        if (wanted == ElementCodes[std::size_t(i)].Name) return i + 1;
    throw ThemeError("Invalid element code");
}

int FindElementCodeByHitCode(std::int32_t hitCode) {
    for (int i = 0; i < kElementCodeCount; ++i)
        if (ElementCodes[std::size_t(i)].HitCode == hitCode) return i + 1;
    return -1;
}

}  // namespace vt
