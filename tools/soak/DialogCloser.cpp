#include "DialogCloser.h"

#include <algorithm>

#include "PointerInput.h"

namespace vt::soak {
namespace {

struct Search {
    const std::vector<DWORD>* processes;
    const std::vector<HWND>* mains;
    std::vector<HWND> found;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
    auto* s = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (!IsWindowVisible(window) || std::find(s->processes->begin(), s->processes->end(), owner) == s->processes->end() ||
        std::find(s->mains->begin(), s->mains->end(), window) != s->mains->end()) {
        return TRUE;
    }
    // Dialogs, message boxes, menus, and owned windows with a caption; never a tooltip or other
    // helper window a program keeps for itself.
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    const bool dialogOrMenu = std::string(name) == "#32770" || std::string(name) == "#32768";
    const bool ownedWithCaption = GetWindow(window, GW_OWNER) && (GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    if (!dialogOrMenu && !ownedWithCaption) return TRUE;
    s->found.push_back(window);
    return TRUE;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// A dialog takes Escape as Cancel: a main window that is one (Task Manager) would end.
bool IsDialogWindow(HWND window) { return window && ClassOf(window) == "#32770"; }

}  // namespace

std::vector<std::string> DialogCloser::Sweep(const std::vector<DWORD>& processes, const std::vector<HWND>& mains,
                                             DWORD ageMs) {
    Search search{&processes, &mains, {}};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    const DWORD now = GetTickCount();
    std::map<HWND, Seen> still;
    std::vector<std::string> stuck;
    for (HWND window : search.found) {
        Seen seen = seen_.count(window) ? seen_[window] : Seen{now, 0};
        const DWORD age = now - seen.firstSeen;
        // Each further request waits another `ageMs`: a dialog may still be coming up.
        if (age > ageMs * DWORD(seen.asked + 1)) {
            const std::string cls = ClassOf(window);
            if (cls == "#32768") {
                // A menu belongs to the thread that tracks it: its window is told to cancel the mode.
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                for (std::size_t i = 0; i < processes.size(); ++i) {
                    if (processes[i] == owner) PostMessageA(mains[i], WM_CANCELMODE, 0, 0);
                }
                if (seen.asked > 0 && !IsDialogWindow(GetForegroundWindow())) demo::Key(VK_ESCAPE);
            } else if (seen.asked % 2 == 0) {
                PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            } else {
                PostMessageA(window, WM_CLOSE, 0, 0);
            }
            ++seen.asked;
            if (seen.asked == 6) {
                char title[128] = {};
                GetWindowTextA(window, title, sizeof title);
                stuck.push_back("a window \"" + std::string(title) + "\" (" + cls + ") did not close");
            }
        }
        still[window] = seen;
    }
    seen_ = std::move(still);
    return stuck;
}

}  // namespace vt::soak
