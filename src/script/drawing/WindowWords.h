#pragma once
// The words that describe the window whose frame is being handled: its text, its style bits
// and whether its caption is active.
#include "script/Definition.h"
#include "script/drawing/DrawingContext.h"
#include "script/NativeReference.h"

namespace vt {

// ( -- text ) The window's text (at most 255 characters; empty for none or no window).
class TGetTitle final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( -- style ) The window's style bits as a signed 32-bit Integer (WS_POPUP makes it negative).
class TWindowStyle final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( -- dpi ) The display scale the window is framed at, in dots per inch (96 is 100 %): element
// rectangles are already scaled; a script that draws lengths of its own scales them by it.
class TGetDpi final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( -- flag ) The Integer 1 when the window's caption is active, else 0.
class TGetActive final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

extern template class TNativeReference<TGetTitle>;
extern template class TNativeReference<TWindowStyle>;
extern template class TNativeReference<TGetActive>;

}  // namespace vt
