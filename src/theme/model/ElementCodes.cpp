#include "theme/model/ElementCodes.h"

#include <stdexcept>

#include "common/AsciiText.h"
#include "theme/ThemeErrors.h"
#include "theme/model/WindowStyleBits.h"

namespace vt {

const std::array<TRectType, kElementCodeCount> ElementCodes = {{
    {"BORDER", kCodeBorder, kStyleBorder},
    {"BOTTOM", kCodeBottom, kStyleThickFrame},
    {"BOTTOMLEFT", kCodeBottomLeft, kStyleThickFrame},
    {"BOTTOMRIGHT", kCodeBottomRight, kStyleThickFrame},
    {"CAPTION", kCodeCaption, kStyleCaption},
    {"CLIENT", kCodeClient, kStyleAny},
    {"ERROR", kCodeError, 0},
    {"GROWBOX", kCodeGrowBox, kStyleThickFrame},
    {"HSCROLL", kCodeHScroll, kStyleAny},
    {"LEFT", kCodeLeft, kStyleThickFrame},
    {"MENU", kCodeMenu, kStyleAny},
    {"NOWHERE", kCodeNowhere, kStyleAny},
    {"REDUCE", kCodeReduce, kStyleMinimizeBox},
    {"RIGHT", kCodeRight, kStyleThickFrame},
    {"SIZE", kCodeGrowBox, kStyleThickFrame},
    {"SYSMENU", kCodeSysMenu, kStyleSysMenu},
    {"TOP", kCodeTop, kStyleThickFrame},
    {"TOPLEFT", kCodeTopLeft, kStyleThickFrame},
    {"TOPRIGHT", kCodeTopRight, kStyleThickFrame},
    {"TRANSPARENT", kCodeTransparent, kStyleAny},
    {"VSCROLL", kCodeVScroll, kStyleAny},
    {"ZOOM", kCodeZoom, kStyleMaximizeBox},
    {"CLOSE", kCodeClose, kStyleSysMenu},
    {"MINIMIZE", kCodeMinimize, kStyleMinimizeBox},
    {"MAXIMIZE", kCodeMaximize, kStyleMaximizeBox},
    {"NEXT", kCodeNext, kStyleAny},
    {"PREV", kCodePrev, kStyleAny},
    {"HELP", kCodeHelp, kStyleAny},
    {"TASKLIST", kCodeTaskList, kStyleAny},
    {"RESTORE", kCodeRestore, kStyleMaximizeBox},
    {"SAVE", kCodeSave, kStyleAny},
    {"POWER", kCodePower, kStyleAny},
    {"TITLE", kCodeTitle, kStyleCaption},
    {"EXCLUDE", kCodeExclude, kStyleAny},
    {"ICON", kCodeIcon, kStyleAny},
    {"SHRINK", kCodeShrink, kStyleAny},
    {"UNSHRINK", kCodeUnshrink, kStyleAny},
    {"SHRINKFLIP", kCodeShrinkFlip, kStyleAny},
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
