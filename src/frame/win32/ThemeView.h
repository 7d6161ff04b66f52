#pragma once
// One message's hold of the process's theme. The frame window procedure makes one for each
// message and hands it to every engine call the message makes: the first call takes the theme
// lock and the view keeps it until the message ends, so that the whole message sees one theme
// (a switch on another thread waits for it) and no other thread's pass runs between its calls.
// It lets go only around calls into the program (Release), whose own handling may run a modal
// loop for seconds; the next engine call takes the lock again.
//
// A caller outside a window procedure (the menus asking the frame, a tool, a test) makes its own
// view for its call.
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

private:
    bool held_ = false;
};

}  // namespace vt
