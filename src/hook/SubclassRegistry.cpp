#include "hook/SubclassRegistry.h"

#include "hook/Eligibility.h"

namespace vt {
namespace {

WNDPROC ReadProcedure(HWND window, bool unicode) {
    LONG_PTR value = unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC) : GetWindowLongPtrA(window, GWLP_WNDPROC);
    return reinterpret_cast<WNDPROC>(value);
}

void WriteProcedure(HWND window, bool unicode, WNDPROC procedure) {
    auto value = reinterpret_cast<LONG_PTR>(procedure);
    if (unicode) SetWindowLongPtrW(window, GWLP_WNDPROC, value);
    else SetWindowLongPtrA(window, GWLP_WNDPROC, value);
}

void RestoreProcedure(HWND window, bool unicode, WNDPROC previous) {
    // A null procedure would leave the window with nothing to call at all.
    if (previous) WriteProcedure(window, unicode, previous);
}

}  // namespace

void RefreshFrame(HWND window) {
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT CallProcedure(WNDPROC procedure, bool unicode, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return unicode ? CallWindowProcW(procedure, window, message, wParam, lParam)
                   : CallWindowProcA(procedure, window, message, wParam, lParam);
}

LRESULT CallDefault(bool unicode, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return unicode ? DefWindowProcW(window, message, wParam, lParam)
                   : DefWindowProcA(window, message, wParam, lParam);
}

bool SubclassRegistry::RegisterWindow(HWND window, bool themed) {
    Eligibility eligibility = IsEligible(window, !themed, lists_);
    if (!eligibility.eligible) return false;
    std::uint32_t flags = (themed ? std::uint32_t(SubclassNode::Themed) : 0u) | eligibility.extraFlags;
    // Read before the lock is taken: the calls may run code of the system's.
    bool unicode = IsWindowUnicode(window) != FALSE;
    WNDPROC previous = ReadProcedure(window, unicode);
    bool inChain = false;  // ours is in the window's chain already, as a pass-through
    {
        ExclusiveLock lock(lock_);
        if (SubclassNode* node = Find(window)) {
            // What was learnt of the program's own frame stays.
            node->flags = flags | (node->flags & (SubclassNode::OwnFrame | SubclassNode::FrameChecked));
            return true;
        }
        auto through = passThrough_.find(window);
        if (through != passThrough_.end()) {
            // Replacing the procedure again would put ours twice in the chain, the second
            // calling the first for ever: the record forwards where the pass-through did.
            previous = through->second.previousProc;
            unicode = through->second.unicode;
            passThrough_.erase(through);
            inChain = true;
        }
        auto node = std::make_unique<SubclassNode>();
        node->window = window;
        node->unicode = unicode;
        node->previousProc = previous;
        node->flags = flags;
        node->next = head_;
        if (head_) head_->newer = node.get();
        else tail_ = node.get();
        head_ = node.get();
        byWindow_.emplace(window, std::move(node));
    }
    // The window is this thread's, being created: nobody else replaces its procedure meanwhile.
    if (!inChain) WriteProcedure(window, unicode, replacement_);
    return true;
}

std::optional<SubclassRegistry::PassThrough> SubclassRegistry::PassThroughFor(HWND window) {
    std::optional<PassThrough> through;
    {
        SharedLock lock(lock_);
        auto it = passThrough_.find(window);
        if (it == passThrough_.end()) return std::nullopt;
        through = it->second;
    }
    // The program has taken its own procedure out again: ours is the window's procedure once
    // more, and the window can have its previous one back. This message still goes through us.
    if (ReadProcedure(window, through->unicode) == replacement_) {
        {
            ExclusiveLock lock(lock_);
            passThrough_.erase(window);
        }
        RestoreProcedure(window, through->unicode, through->previousProc);
    }
    return through;
}

void SubclassRegistry::ForgetPassThrough(HWND window) {
    ExclusiveLock lock(lock_);
    passThrough_.erase(window);
}

void SubclassRegistry::Restore(const SubclassNode& node, bool always) {
    if (always || ReadProcedure(node.window, node.unicode) == replacement_) {
        RestoreProcedure(node.window, node.unicode, node.previousProc);
        return;
    }
    ExclusiveLock lock(lock_);
    passThrough_[node.window] = PassThrough{node.previousProc, node.unicode};
}

std::optional<SubclassNode> SubclassRegistry::Lookup(HWND window) const {
    SharedLock lock(lock_);
    const SubclassNode* node = Find(window);
    if (!node) return std::nullopt;
    SubclassNode copy = *node;
    copy.next = copy.newer = nullptr;
    return copy;
}

bool SubclassRegistry::ChangeFlags(HWND window, std::uint32_t set, std::uint32_t clear) {
    ExclusiveLock lock(lock_);
    SubclassNode* node = Find(window);
    if (!node) return false;
    node->flags = (node->flags | set) & ~clear;
    return true;
}

bool SubclassRegistry::TakeThemeGeneration(HWND window, std::uint32_t generation) {
    ExclusiveLock lock(lock_);
    SubclassNode* node = Find(window);
    if (!node || !node->Has(SubclassNode::Themed) || node->themeGeneration == generation) return false;
    node->themeGeneration = generation;
    return true;
}

void SubclassRegistry::OutdateFrame(HWND window, std::uint32_t generation) {
    ExclusiveLock lock(lock_);
    if (SubclassNode* node = Find(window)) node->themeGeneration = generation - 1;
}

std::vector<HWND> SubclassRegistry::ThemedWindows() const {
    SharedLock lock(lock_);
    std::vector<HWND> windows;
    for (const SubclassNode* node = head_; node; node = node->next)
        if (node->Has(SubclassNode::Themed)) windows.push_back(node->window);
    return windows;
}

void SubclassRegistry::Unlink(SubclassNode& node) {
    if (node.newer) node.newer->next = node.next;
    else head_ = node.next;
    if (node.next) node.next->newer = node.newer;
    else tail_ = node.newer;
    node.next = node.newer = nullptr;
}

std::unique_ptr<SubclassNode> SubclassRegistry::Take(HWND window) {
    auto it = byWindow_.find(window);
    if (it == byWindow_.end()) return nullptr;
    std::unique_ptr<SubclassNode> node = std::move(it->second);
    byWindow_.erase(it);
    Unlink(*node);
    return node;
}

std::unique_ptr<SubclassNode> SubclassRegistry::TakeOldest() { return tail_ ? Take(tail_->window) : nullptr; }

void SubclassRegistry::UnregisterWindow(HWND window) {
    std::unique_ptr<SubclassNode> node;
    {
        ExclusiveLock lock(lock_);
        node = Take(window);
    }
    // Its last messages (WM_DESTROY, WM_NCDESTROY) still reach the program's own procedure
    // through ours when the program subclassed the window after us.
    if (node) Restore(*node, false);
}

void SubclassRegistry::UnsubclassAll(RegionReset regions, ProcedureReset procedures) {
    const bool always = procedures == ProcedureReset::Always;
    if (always) {
        std::unordered_map<HWND, PassThrough> through;
        {
            ExclusiveLock lock(lock_);
            through.swap(passThrough_);
        }
        for (const auto& [window, target] : through) RestoreProcedure(window, target.unicode, target.previousProc);
    }
    // The record leaves the registry before SetWindowRgn, which sends messages: a procedure
    // reached meanwhile sees a registry without it, never a freed record.
    for (;;) {
        std::unique_ptr<SubclassNode> node;
        {
            ExclusiveLock lock(lock_);
            node = TakeOldest();
        }
        if (!node) return;
        Restore(*node, always);
        if (regions == RegionReset::AllWindows ||
            GetWindowThreadProcessId(node->window, nullptr) == GetCurrentThreadId()) {
            SetWindowRgn(node->window, nullptr, TRUE);
            if (node->Has(SubclassNode::Themed)) {
                // Not at an unload: the loader lock is held there, and the compositor is
                // another process to wait for.
                if (frameReturned_ && !always) frameReturned_(node->window);
                // Its own procedure computes the client area again and draws its own frame:
                // without this a window keeps our frame's client area and the last picture we
                // painted.
                RefreshFrame(node->window);
            }
        }
    }
}

void SubclassRegistry::Forget() {
    ExclusiveLock lock(lock_);
    byWindow_.clear();
    passThrough_.clear();
    head_ = tail_ = nullptr;
}

}  // namespace vt
