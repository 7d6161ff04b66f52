#pragma once
// What an element is: the code a theme's LAYOUT line names, which is also the hit-test value the
// frame reports for it. 0 to 18, -1 and -2 are Win32's own hit-test values (HTCLIENT ...); 256
// to 270 are the frame buttons and roll-up buttons the frame acts on itself; TITLE and ICON are
// reported to Windows as the caption and the system menu; the menu bar strip is only ever a
// result of the hit test. ElementCodes.h maps the names themes write to these.
#include <cstdint>

namespace vt {

enum ElementCode : std::int32_t {
    kCodeError = -2,
    kCodeTransparent = -1,
    kCodeNowhere = 0,
    kCodeClient = 1,
    kCodeCaption = 2,
    kCodeSysMenu = 3,
    kCodeGrowBox = 4,  // also written SIZE
    kCodeMenu = 5,
    kCodeHScroll = 6,
    kCodeVScroll = 7,
    kCodeReduce = 8,
    kCodeZoom = 9,
    kCodeLeft = 10,  // the sizing borders run from LEFT to BOTTOMRIGHT
    kCodeRight = 11,
    kCodeTop = 12,
    kCodeTopLeft = 13,
    kCodeTopRight = 14,
    kCodeBottom = 15,
    kCodeBottomLeft = 16,
    kCodeBottomRight = 17,
    kCodeBorder = 18,
    kCodeClose = 256,
    kCodeMinimize = 257,
    kCodeMaximize = 258,
    kCodeNext = 259,
    kCodePrev = 260,
    kCodeHelp = 261,
    kCodeTaskList = 262,
    kCodeRestore = 263,
    kCodeSave = 264,
    kCodePower = 265,
    kCodeTitle = 266,  // reported as the caption
    kCodeIcon = 267,   // reported as the system menu
    kCodeShrink = 268,
    kCodeUnshrink = 269,
    kCodeShrinkFlip = 270,
    kCodeMenuBar = 271,  // the menu bar strip at the top of the client element
    kCodeExclude = 4352,
};

}  // namespace vt
