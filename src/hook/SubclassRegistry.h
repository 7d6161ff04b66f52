#pragma once
// The windows of this process whose procedure the module has replaced. Look-up by window is a
// hash map, since the frame window procedure looks its record up on every message; the records
// are also chained from the newest to the oldest, the order in which they are walked.
#include <windows.h>

#include <memory>
#include <unordered_map>

#include "hook/ExclusionLists.h"
#include "hook/SubclassNode.h"

namespace vt {

class SubclassRegistry {
public:
    // `lists` decide eligibility; `replacement` is the procedure registered windows get.
    SubclassRegistry(const ExclusionLists& lists, WNDPROC replacement) : lists_(lists), replacement_(replacement) {}
    ~SubclassRegistry() { Forget(); }
    SubclassRegistry(const SubclassRegistry&) = delete;
    SubclassRegistry& operator=(const SubclassRegistry&) = delete;

    SubclassNode* FindRecord(HWND window) const {
        auto it = byWindow_.find(window);
        return it == byWindow_.end() ? nullptr : it->second.get();
    }

    // Adds the window (newest first) and gives it the replacement procedure, or, when it has a
    // record already, only resets its flags. Windows that the lists exclude are left alone.
    void RegisterWindow(HWND window, bool themed);
    // Gives the window its previous procedure back and drops its record (its region is left:
    // the window is being destroyed).
    void UnregisterWindow(HWND window);

    // How UnsubclassAll treats window regions.
    enum class RegionReset {
        AllWindows,
        // Only windows of the calling thread: SetWindowRgn on another thread's window waits for
        // that thread, which must not happen while the loader lock is held.
        CallingThreadOnly,
    };
    // From the oldest record to the newest: previous procedure back, record dropped, region
    // removed, and a themed window's own frame back (client area recomputed, frame redrawn). A record added meanwhile (by a message sent during the walk) is walked too.
    void UnsubclassAll(RegionReset regions = RegionReset::AllWindows);

    // Drops every record without touching a window.
    void Forget();

    SubclassNode* Newest() const { return head_; }
    std::size_t Count() const { return byWindow_.size(); }

private:
    void Unlink(SubclassNode& node);
    std::unique_ptr<SubclassNode> Take(HWND window);

    const ExclusionLists& lists_;
    WNDPROC replacement_;
    std::unordered_map<HWND, std::unique_ptr<SubclassNode>> byWindow_;
    SubclassNode* head_ = nullptr;  // newest
    SubclassNode* tail_ = nullptr;  // oldest
};

// The window procedure a record's window had, called with the entry points matching its
// character set.
LRESULT CallProcedure(WNDPROC procedure, bool unicode, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallDefault(bool unicode, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Makes the window compute its client area again (WM_NCCALCSIZE, at its outer size) and draw
// all of itself again, frame included: after its frame changed hands.
void RefreshFrame(HWND window);

}  // namespace vt
