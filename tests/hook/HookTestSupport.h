#pragma once
// Helpers of the hook tests: windows that record what reaches them, a private copy of the
// module's folder, and a watchdog that closes any message box so no test waits for a person.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/win32/UniqueHandle.h"

namespace vt::test {

// A window of the test process whose own procedure records every message it receives.
class RecordingWindow {
public:
    // `style` as for CreateWindowExA; `parent` makes it a child (WS_CHILD is added) or, for a
    // WS_POPUP style, an owned window. `unicode`: a class registered through the W entry points.
    explicit RecordingWindow(DWORD style, HWND parent = nullptr, HMENU menu = nullptr, bool unicode = false);
    ~RecordingWindow();
    RecordingWindow(const RecordingWindow&) = delete;
    RecordingWindow& operator=(const RecordingWindow&) = delete;

    HWND Handle() const { return window_; }
    // Messages that reached the window's own procedure, in order.
    const std::vector<UINT>& Seen() const { return seen_; }
    void ClearSeen() { seen_.clear(); }
    // The last text a WM_SETTEXT carried to the own procedure (W windows: as UTF-16).
    const std::wstring& LastText() const { return lastText_; }

    // Answers messages before the default procedure does: when it returns true, its result is
    // the message's and DefWindowProc is not called.
    using Handler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;
    void SetHandler(Handler handler) { handler_ = std::move(handler); }

    static WNDPROC OwnProcedure(bool unicode);
    // Destroys the window now (also done by the destructor).
    void Destroy();

private:
    static LRESULT CALLBACK ProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static RecordingWindow* Creating();
    LRESULT Record(UINT message, LPARAM lParam);
    static bool Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND window_ = nullptr;
    bool unicode_;
    std::vector<UINT> seen_;
    std::wstring lastText_;
    Handler handler_;
};

// Every window whose own procedure received a message, in order, across all RecordingWindows.
std::vector<HWND>& Journal();

// The window procedure of `window` lies inside the image of `module`.
bool ProcedureInside(HWND window, HMODULE module);

// A private folder under %TEMP% with a copy of veltrane.dll (and, when asked, an exclude.cfg),
// so that tests running the real module do not see each other's files. Removed afterwards.
class ModuleFolderCopy {
public:
    ModuleFolderCopy();
    ~ModuleFolderCopy();
    ModuleFolderCopy(const ModuleFolderCopy&) = delete;
    ModuleFolderCopy& operator=(const ModuleFolderCopy&) = delete;

    bool Ok() const { return ok_; }
    const std::string& Folder() const { return folder_; }
    std::string ModulePath() const { return folder_ + "veltrane.dll"; }
    void WriteFile(const std::string& name, const std::string& text);

private:
    std::string folder_;
    std::vector<std::string> files_;
    bool ok_ = false;
};

// Closes every dialog box (class "#32770") of the test process as soon as it appears, and
// remembers its caption. Runs from the first call for the rest of the process.
std::vector<std::string> TakeClosedBoxes();

// Dispatches what is queued for this thread (posted messages reach their windows).
void PumpMessages();

}  // namespace vt::test
