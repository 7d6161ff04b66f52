#pragma once
// One message's hold of the process's theme. The frame window procedure makes one for each
// message and hands it to every engine call the message makes: the first call takes the theme
// lock and the view keeps it until the message ends, so that the whole message sees one theme
// (a switch on another thread waits for it) and no other thread's pass runs between its calls.
// It lets go only before calls into the program (Release): its own procedure, and what sends it
// messages (a new shape, a frame change), whose handling may run a modal loop for seconds or wait
// for another thread; the next engine call takes the lock again.
//
// The view also carries the message's element layout: the rectangles are computed once for the
// window at hand and every engine call of the message reads that pass (see FrameLayout).
//
// A caller outside a window procedure (the menus asking the frame, a tool, a test) makes its own
// view for its call.
#include <optional>

#include "frame/FrameLayout.h"
#include "theme/ThemeState.h"

namespace vt {

class ThemeView {
public:
    ThemeView() = default;
    ~ThemeView() { Release(); }
    ThemeView(const ThemeView&) = delete;
    ThemeView& operator=(const ThemeView&) = delete;

    // Takes the theme lock unless this view holds it; throws LockTimeout when another thread's
    // pass kept it for the whole wait.
    void Hold();
    // Lets go of the lock when this view holds it.
    void Release();
    bool Held() const { return held_; }

    // The elements' layout on `window` for this message: the one an earlier call of the message
    // made for the same window, size, style and scale, or a new one. Takes the lock first.
    FrameLayout& Layout(ThemeState& theme, const LayoutWindow& window);

private:
    bool held_ = false;
    std::optional<FrameLayout> layout_;
};

}  // namespace vt
