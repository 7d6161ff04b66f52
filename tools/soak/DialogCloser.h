#pragma once
// The soak opens dialogs and menus and must never leave one waiting for a person: every window of
// the soaked programs other than their main windows (dialogs, message boxes, drop-down menus) is
// closed once it has been up a while: a dialog by its Cancel (IDCANCEL, which every dialog and
// message box with a way out answers), then by WM_CLOSE, a menu by WM_CANCELMODE to its program's window (then Escape, unless a
// dialog is in front).
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace vt::soak {

class DialogCloser {
public:
    // Looks at every visible top-level window of these processes that is not one of `mains`
    // (`mains[i]` is the main window of `processes[i]`);
    // those up for more than `ageMs` are asked to close. Returns a description of each window
    // that has resisted closing for far longer (the soak reports them).
    std::vector<std::string> Sweep(const std::vector<DWORD>& processes, const std::vector<HWND>& mains, DWORD ageMs);

private:
    struct Seen {
        DWORD firstSeen;
        int asked;
    };
    std::map<HWND, Seen> seen_;
};

}  // namespace vt::soak
