#pragma once
// The "Veltrane Themes" window: the themes with their previews (the current one marked), Apply,
// Add theme file, Start/Stop, a per-program list of pins and exclusions, the selected theme's
// load errors, and a notification-area icon with its menu. Keyboard use as in a dialog (Tab,
// arrows, Alt+mnemonic).
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ControllerCalls.h"
#include "ThemeCatalog.h"
#include "common/win32/UniqueHandle.h"

namespace vt::picker {

struct ImageListTraits {
    using Handle = HIMAGELIST;
    static Handle None() noexcept { return nullptr; }
    static void Close(Handle list) noexcept { ImageList_Destroy(list); }
};

constexpr char kWindowClass[] = "VeltraneThemesWindow";
constexpr UINT kExitMessage = WM_APP + 1;  // ends the picker (setup sends it)
constexpr UINT kShowMessage = WM_APP + 2;  // shows the window (a second start sends it)

// Control identifiers (also what a test looks controls up by).
enum ControlId : int {
    kThemeList = 100,
    kErrors = 101,
    kApply = 102,
    kAddTheme = 103,
    kStartStop = 104,
    kProgram = 105,
    kPin = 106,
    kExclude = 107,
    kRemoveRule = 108,
    kRules = 109,
    kStatus = 110,
    kTrayThemes = 200,
    kTrayStartStop = 201,
    kTrayExit = 202,
};

struct PickerOptions {
    std::string themesFolder;  // the installed themes
    std::string vtctlPath;
    std::string reportPath;    // when set, what was loaded is written there once the previews are up
    bool tray = false;         // start Veltrane, show only the notification-area icon
};

class PickerWindow {
public:
    explicit PickerWindow(PickerOptions options);
    ~PickerWindow();
    PickerWindow(const PickerWindow&) = delete;
    PickerWindow& operator=(const PickerWindow&) = delete;

    // Makes the window (shown unless in tray mode) and runs until Exit; the exit status.
    int Run();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void LoadThemes();
    void FillList();
    void ShowSelection();
    void Apply();
    void AddTheme();
    void StartStop();
    void EditRule(int command);
    void FillRules();
    void UpdateStatus(const std::string& message = {});
    void ShowTrayMenu();
    void WriteReport(DWORD previewMs) const;
    int Selected() const;
    HWND Item(int id) const { return GetDlgItem(window_, id); }

    PickerOptions options_;
    ControllerCalls calls_;
    std::vector<ThemeEntry> themes_;
    std::string current_;
    std::string lastMessage_;  // what the last action said, after the state in the status line
    HWND window_ = nullptr;
    UniqueHandle<ImageListTraits> images_;
    UniqueGdiObject font_;
    bool trayIcon_ = false;
};

}  // namespace vt::picker
