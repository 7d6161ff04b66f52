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

void RestoreProcedure(const SubclassNode& node) {
    // A null procedure would leave the window with nothing to call at all.
    if (node.previousProc) WriteProcedure(node.window, node.unicode, node.previousProc);
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

void SubclassRegistry::RegisterWindow(HWND window, bool themed) {
    Eligibility eligibility = IsEligible(window, !themed, lists_);
    if (!eligibility.eligible) return;
    std::uint32_t flags = (themed ? std::uint32_t(SubclassNode::Themed) : 0u) | eligibility.extraFlags;
    if (SubclassNode* node = FindRecord(window)) {
        node->flags = flags;
        return;
    }
    auto node = std::make_unique<SubclassNode>();
    node->window = window;
    node->unicode = IsWindowUnicode(window) != FALSE;
    node->previousProc = ReadProcedure(window, node->unicode);
    node->flags = flags;
    node->next = head_;
    if (head_) head_->newer = node.get();
    else tail_ = node.get();
    head_ = node.get();
    SubclassNode& added = *node;
    byWindow_.emplace(window, std::move(node));
    WriteProcedure(window, added.unicode, replacement_);
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

void SubclassRegistry::UnregisterWindow(HWND window) {
    if (std::unique_ptr<SubclassNode> node = Take(window)) RestoreProcedure(*node);
}

void SubclassRegistry::UnsubclassAll(RegionReset regions) {
    // The record leaves the registry before SetWindowRgn, which sends messages: a procedure
    // reached meanwhile sees a registry without it, never a freed record.
    while (tail_) {
        std::unique_ptr<SubclassNode> node = Take(tail_->window);
        RestoreProcedure(*node);
        if (regions == RegionReset::AllWindows ||
            GetWindowThreadProcessId(node->window, nullptr) == GetCurrentThreadId()) {
            SetWindowRgn(node->window, nullptr, TRUE);
            // Its own procedure computes the client area again and draws its own frame: without
            // this a window keeps our frame's client area and the last picture we painted.
            if (node->Has(SubclassNode::Themed)) RefreshFrame(node->window);
        }
    }
}

void SubclassRegistry::Forget() {
    byWindow_.clear();
    head_ = tail_ = nullptr;
}

}  // namespace vt
