#include "frame/FrameInput.h"

#include "script/Engine.h"

namespace vt {

void SetMouseInside(TUIElement& element, bool inside) {
    element.Hover = inside;
    if (inside && element.OnMouseEnter) ExecuteWord(element.OnMouseEnter);
    // The enter word may have taken the hover away again.
    if (!element.Hover && element.OnMouseExit) ExecuteWord(element.OnMouseExit);
}

FrameInput::HoverMove FrameInput::MoveHover(TUIElement* hit, std::ptrdiff_t index) {
    HoverMove move;
    if (!hit || hit == hovered_) return move;
    TUIElement* old = hovered_;
    move.oldIndex = hoveredIndex_;
    if (old) SetMouseInside(*old, false);
    SetMouseInside(*hit, true);
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
        element.Pressed = element.ShownDown = element.HitCode == code;
        repaint.Repaint(std::intptr_t(i), -1);
    }
}

void FrameInput::ReleasePressed(ElementList& elements, RepaintRequests& repaint) {
    if (pressedCode_ == kNone) return;
    for (std::size_t i = 0; i < elements.Count(); ++i) {
        TUIElement& element = elements.At(std::ptrdiff_t(i));
        element.Pressed = element.ShownDown = false;
        repaint.Repaint(std::intptr_t(i), -1);
    }
    pressedCode_ = kNone;
    pressedLookOff_ = false;
}

void FrameInput::ReleaseHover(ElementList& elements, bool shownDown, bool releaseAll, RepaintRequests& repaint) {
    for (std::size_t i = 0; i < elements.Count(); ++i) {
        TUIElement& element = elements.At(std::ptrdiff_t(i));
        if (element.HitCode != pressedCode_ && !(releaseAll && element.Hover)) continue;
        if (releaseAll) SetMouseInside(element, false);
        element.ShownDown = shownDown;
        repaint.Repaint(std::intptr_t(i), -1);
    }
}

void FrameInput::TrackPressed(ElementList& elements, std::int32_t hitCode, RepaintRequests& repaint) {
    if (pressedCode_ == kNone) return;
    if (hitCode == pressedCode_ && pressedLookOff_) {
        ReleaseHover(elements, true, false, repaint);
        pressedLookOff_ = false;
    } else if (hitCode != pressedCode_ && !pressedLookOff_) {
        ReleaseHover(elements, false, false, repaint);
        pressedLookOff_ = true;
    }
}

}  // namespace vt
