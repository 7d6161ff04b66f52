#include "frame/FrameInput.h"

#include "script/ScriptEngine.h"

namespace vt {
namespace {

// Only elements whose look changes are drawn again: each repaint is a pass of its own, and a
// theme of thousands of elements must not make a click cost thousands of passes.
void SetPressed(TUIElement& element, bool pressed, std::size_t index, RepaintRequests& repaint) {
    const bool changed = element.Pressed != pressed || element.ShownDown != pressed;
    element.Pressed = element.ShownDown = pressed;
    if (changed) repaint.Repaint(std::intptr_t(index), -1);
}

}  // namespace

void SetMouseInside(ScriptEngine& scripts, TUIElement& element, bool inside) {
    element.Hover = inside;
    if (inside && element.OnMouseEnter) scripts.ExecuteWord(element.OnMouseEnter);
    // The enter word may have taken the hover away again.
    if (!element.Hover && element.OnMouseExit) scripts.ExecuteWord(element.OnMouseExit);
}

FrameInput::HoverMove FrameInput::MoveHover(ScriptEngine& scripts, TUIElement* hit, std::ptrdiff_t index) {
    HoverMove move;
    if (!hit || hit == hovered_) return move;
    TUIElement* old = hovered_;
    move.oldIndex = hoveredIndex_;
    if (old) SetMouseInside(scripts, *old, false);
    SetMouseInside(scripts, *hit, true);
    move.repaint = (old && old->HoverBitmap) || hit->HoverBitmap;
    hovered_ = hit;
    hoveredIndex_ = index;
    return move;
}

bool FrameInput::ForgetHovered() {
    if (!hovered_ || !hovered_->Hover) return false;
    hovered_ = nullptr;
    return true;
}

void FrameInput::ForgetElements() {
    hovered_ = nullptr;
    pressedCode_ = kNone;
    pressedLookOff_ = false;
}

void FrameInput::PressElement(ElementList& elements, std::int32_t code, RepaintRequests& repaint) {
    pressedCode_ = code;
    pressedLookOff_ = false;
    for (std::size_t i = 0; i < elements.Count(); ++i) {
        TUIElement& element = elements.At(std::ptrdiff_t(i));
        SetPressed(element, element.HitCode == code, i, repaint);
    }
}

void FrameInput::ReleasePressed(ElementList& elements, RepaintRequests& repaint) {
    if (pressedCode_ == kNone) return;
    for (std::size_t i = 0; i < elements.Count(); ++i) SetPressed(elements.At(std::ptrdiff_t(i)), false, i, repaint);
    pressedCode_ = kNone;
    pressedLookOff_ = false;
}

void FrameInput::ReleaseHover(ScriptEngine& scripts, ElementList& elements, bool shownDown, bool releaseAll,
                              RepaintRequests& repaint) {
    ShowPressedLook(elements, shownDown, releaseAll ? &scripts : nullptr, repaint);
}

void FrameInput::ShowPressedLook(ElementList& elements, bool shownDown, ScriptEngine* unhover,
                                 RepaintRequests& repaint) {
    for (std::size_t i = 0; i < elements.Count(); ++i) {
        TUIElement& element = elements.At(std::ptrdiff_t(i));
        if (element.HitCode != pressedCode_ && !(unhover && element.Hover)) continue;
        if (unhover) SetMouseInside(*unhover, element, false);
        element.ShownDown = shownDown;
        repaint.Repaint(std::intptr_t(i), -1);
    }
}

void FrameInput::TrackPressed(ElementList& elements, std::int32_t hitCode, RepaintRequests& repaint) {
    if (pressedCode_ == kNone) return;
    if (hitCode == pressedCode_ && pressedLookOff_) {
        ShowPressedLook(elements, true, nullptr, repaint);
        pressedLookOff_ = false;
    } else if (hitCode != pressedCode_ && !pressedLookOff_) {
        ShowPressedLook(elements, false, nullptr, repaint);
        pressedLookOff_ = true;
    }
}

}  // namespace vt
