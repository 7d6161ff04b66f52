#pragma once
// The menus of skinned windows as the frame sees them: the menu bar drawn into the frame's
// strip, its drop-downs opened and switched, and the window menu.
#include "frame/win32/FrameMenus.h"
#include "menu/win32/MenuBar.h"
#include "menu/win32/MenuTracker.h"
#include "theme/ThemeState.h"

namespace vt {

class TMenus final : public FrameMenus {
public:
    explicit TMenus(ThemeState& theme) : bar_(theme), tracker_(bar_, frame_) {}
    ~TMenus() override;

    // What the menus ask of the frame (hit test, strip, surface); set once the frame exists.
    void SetFrame(MenuFrame* frame) { frame_ = frame; }

    void PaintMenuBar(GdiSurface& surface, HWND window, HMENU menu, const Rect& bar) override {
        bar_.PaintMenuBar(surface, window, menu, bar);
    }
    bool TrackMenu(HWND window, std::uint32_t value, MenuTracking mode) override;
    void StartMenuHook() override { tracker_.StartMenuHook(); }
    void StopMenuHook() override { tracker_.StopMenuHook(); }
    void SetPopupMenu(HMENU menu, int item) override { tracker_.SetPopupMenu(menu, item); }

    MenuTracker& Tracker() { return tracker_; }

private:
    TMenuBar bar_;
    MenuFrame* frame_ = nullptr;
    MenuTracker tracker_;  // after frame_, which it refers to
};

}  // namespace vt
