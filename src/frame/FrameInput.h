#pragma once
// The pointer's state over themed frames, one per process and shared by all its windows: the
// element under the pointer (whose hover words and hover bitmap follow it) and the frame button
// being pressed (whose pressed look follows the pointer on and off it).
#include <cstddef>
#include <cstdint>

#include "script/ScriptEngine.h"
#include "theme/model/ElementList.h"
#include "theme/model/TUIElement.h"

namespace vt {

// Where the state asks for elements to be drawn again: the repaint message of one window.
class RepaintRequests {
public:
    virtual ~RepaintRequests() = default;
    // The elements of both indexes (-1: none).
    virtual void Repaint(std::intptr_t first, std::intptr_t second) = 0;
};

// Marks the element hovered or not and runs its OnMouseEnter or OnMouseExit word on `scripts`,
// the engine the theme's words live in.
void SetMouseInside(ScriptEngine& scripts, TUIElement& element, bool inside);

class FrameInput {
public:
    static constexpr std::int32_t kNone = -1;  // no button pressed

    // The hover moves to `hit` (at `index`) when it is another element than the hovered one:
    // the old one's exit word, the new one's enter word. True when a hover bitmap makes the
    // change visible: the old index (HoveredIndex before the call) and `index` are to be drawn.
    struct HoverMove {
        bool repaint = false;
        std::ptrdiff_t oldIndex = 0;
    };
    HoverMove MoveHover(ScriptEngine& scripts, TUIElement* hit, std::ptrdiff_t index);
    // Forgets the hovered element when its Hover is set (the pointer went to another window);
    // true when it did.
    bool ForgetHovered();
    // An element is hovered and still shows it.
    bool HoverActive() const { return hovered_ && hovered_->Hover; }
    // The theme's elements are going: no element may be remembered.
    void ForgetElements();

    // Every element with this code looks pressed; the others not (those whose look changes are
    // drawn again).
    void PressElement(ElementList& elements, std::int32_t code, RepaintRequests& repaint);
    // No button pressed any more (nothing when none was).
    void ReleasePressed(ElementList& elements, RepaintRequests& repaint);
    // The pressed button's elements (and with `releaseAll` every hovered one, un-hovered) get
    // `shownDown` as their look.
    void ReleaseHover(ScriptEngine& scripts, ElementList& elements, bool shownDown, bool releaseAll,
                      RepaintRequests& repaint);
    // The pointer went on or off the pressed button: its look follows.
    void TrackPressed(ElementList& elements, std::int32_t hitCode, RepaintRequests& repaint);

    std::int32_t PressedCode() const { return pressedCode_; }
    bool PressedLookOff() const { return pressedLookOff_; }
    const TUIElement* Hovered() const { return hovered_; }
    std::ptrdiff_t HoveredIndex() const { return hoveredIndex_; }

private:
    // The pressed button's elements get `shownDown` as their look; with `unhover`, every hovered
    // element too, un-hovered (its exit word run on that engine).
    void ShowPressedLook(ElementList& elements, bool shownDown, ScriptEngine* unhover, RepaintRequests& repaint);

    TUIElement* hovered_ = nullptr;
    std::ptrdiff_t hoveredIndex_ = 0;  // kept after the hovered element is forgotten
    std::int32_t pressedCode_ = kNone;
    bool pressedLookOff_ = false;
};

}  // namespace vt
