#pragma once
// The windows of this process whose procedure the module has replaced. Look-up by window is a
// hash map, since the frame window procedure looks its record up on every message; the records
// are also chained from the newest to the oldest, the order in which they are walked.
//
// Several GUI threads of a program make, use and destroy windows at once, so the map and the
// chain are guarded by a slim reader/writer lock: shared for look-ups, exclusive for changes.
// It is never held across a call out (no window procedure, no message, no hook runs under it),
// so it cannot take part in a deadlock, and it is not recursive. A record's fields change under
// the exclusive lock, and callers on other threads get copies (Lookup), never the record: the
// record of a window is freed by its own thread (WM_DESTROY) or by the walk of UnsubclassAll,
// which may run on any thread.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

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

    // A copy of the window's record (next and newer left null), or none.
    std::optional<SubclassNode> Lookup(HWND window) const;
    // The window's flags: `set` added, then `clear` taken away; false when it has no record.
    bool ChangeFlags(HWND window, std::uint32_t set, std::uint32_t clear);
    // True when the window has a themed record that had not taken theme switch `generation`
    // yet; the record has taken it from now on.
    bool TakeThemeGeneration(HWND window, std::uint32_t generation);
    // The window has not taken theme switch `generation` (the current one) yet: its next theme
    // change gives it the frame.
    void OutdateFrame(HWND window, std::uint32_t generation);
    // The windows of the themed records, newest first.
    std::vector<HWND> ThemedWindows() const;

    // The record itself, for code that knows no other thread changes the registry meanwhile
    // (tests); everything else uses Lookup and ChangeFlags.
    SubclassNode* FindRecord(HWND window) const {
        SharedLock lock(lock_);
        return Find(window);
    }

    // Adds the window (newest first) and gives it the replacement procedure, or, when it has a
    // record already, only resets its flags. Windows that the lists exclude are left alone. A
    // window left as a pass-through (see below) is registered again without a new procedure: it
    // still reaches ours. True when the window has a record afterwards.
    bool RegisterWindow(HWND window, bool themed);
    // Gives the window its previous procedure back and drops its record (its region is left:
    // the window is being destroyed).
    void UnregisterWindow(HWND window);

    // A window whose procedure the program replaced after ours cannot get its previous procedure
    // back without cutting the program's out: ours stays in its chain as a pass-through that
    // forwards every message to the procedure it replaced, until the window is destroyed or the
    // program removes its own procedure again (then the window gets its previous one back).
    struct PassThrough {
        WNDPROC previousProc = nullptr;
        bool unicode = false;
    };
    // Where a message of a pass-through window goes; none for any other window.
    std::optional<PassThrough> PassThroughFor(HWND window);
    // The window is gone (WM_NCDESTROY): its pass-through is dropped.
    void ForgetPassThrough(HWND window);
    std::size_t PassThroughCount() const {
        SharedLock lock(lock_);
        return passThrough_.size();
    }

    // Whether UnsubclassAll may leave a window a pass-through.
    enum class ProcedureReset {
        // The module stays: a window subclassed again after us keeps the program's procedure.
        KeepLaterSubclasses,
        // The module's code is about to go: every window gets its previous procedure, also one
        // subclassed after us (cutting the program's procedure out is the lesser harm than a
        // chain that calls into freed code), and so do the pass-throughs.
        Always,
    };
    // How UnsubclassAll treats window regions.
    enum class RegionReset {
        AllWindows,
        // Only windows of the calling thread: SetWindowRgn on another thread's window waits for
        // that thread, which must not happen while the loader lock is held.
        CallingThreadOnly,
    };
    // From the oldest record to the newest: previous procedure back, record dropped, region
    // removed, and a themed window's own frame back (client area recomputed, frame redrawn). A record added meanwhile (by a message sent during the walk) is walked too.
    void UnsubclassAll(RegionReset regions = RegionReset::AllWindows,
                       ProcedureReset procedures = ProcedureReset::KeepLaterSubclasses);

    // Called for each themed window UnsubclassAll gives its own frame back (not at an unload).
    void OnFrameReturned(std::function<void(HWND)> returned) { frameReturned_ = std::move(returned); }

    // Drops every record without touching a window.
    void Forget();

    // The newest record, for code that walks the chain while no other thread changes it (tests).
    SubclassNode* Newest() const { return head_; }
    std::size_t Count() const {
        SharedLock lock(lock_);
        return byWindow_.size();
    }

private:
    // The lock held, shared or exclusive, for the scope of the guard.
    template <void(WINAPI* Acquire)(PSRWLOCK), void(WINAPI* Release)(PSRWLOCK)>
    class SlimGuard {
    public:
        explicit SlimGuard(SRWLOCK& lock) : lock_(lock) { Acquire(&lock_); }
        ~SlimGuard() { Release(&lock_); }
        SlimGuard(const SlimGuard&) = delete;
        SlimGuard& operator=(const SlimGuard&) = delete;

    private:
        SRWLOCK& lock_;
    };
    using SharedLock = SlimGuard<AcquireSRWLockShared, ReleaseSRWLockShared>;
    using ExclusiveLock = SlimGuard<AcquireSRWLockExclusive, ReleaseSRWLockExclusive>;

    // With the lock held:
    SubclassNode* Find(HWND window) const {
        auto it = byWindow_.find(window);
        return it == byWindow_.end() ? nullptr : it->second.get();
    }
    void Unlink(SubclassNode& node);
    std::unique_ptr<SubclassNode> Take(HWND window);
    std::unique_ptr<SubclassNode> TakeOldest();
    // Gives the record's window its previous procedure back when ours is still the one
    // installed, else keeps ours as a pass-through (or, with `always`, restores it anyway).
    void Restore(const SubclassNode& node, bool always);

    const ExclusionLists& lists_;
    WNDPROC replacement_;
    std::function<void(HWND)> frameReturned_;
    std::unordered_map<HWND, std::unique_ptr<SubclassNode>> byWindow_;
    std::unordered_map<HWND, PassThrough> passThrough_;
    SubclassNode* head_ = nullptr;  // newest
    SubclassNode* tail_ = nullptr;  // oldest
    mutable SRWLOCK lock_ = SRWLOCK_INIT;  // a slim lock owns no handle: nothing to release
};

// The window procedure a record's window had, called with the entry points matching its
// character set.
LRESULT CallProcedure(WNDPROC procedure, bool unicode, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallDefault(bool unicode, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Makes the window compute its client area again (WM_NCCALCSIZE, at its outer size) and draw
// all of itself again, frame included: after its frame changed hands.
void RefreshFrame(HWND window);

}  // namespace vt
