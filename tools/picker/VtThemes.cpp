// Veltrane Themes (vtthemes.exe): the theme picker. It lives beside vtctl.exe in the package's
// x86\ folder and talks only to vtctl and the configuration; nothing of it runs in the module.
//   vtthemes [--tray] [--themes FOLDER] [--add THEME] [--report FILE] | --exit
// --tray: start Veltrane when it is off and show only the notification-area icon (at logon).
// --themes: the installed themes (default: ..\themes beside this folder). --add: adds a theme file
// to the list. --report: writes what was loaded, with the time to all previews, to FILE. --exit:
// ends the running picker (Veltrane stays as it is).
#include <windows.h>

#include <string>

#include "PickerWindow.h"
#include "ThemeCatalog.h"
#include "common/PathText.h"
#include "common/win32/ModuleInstance.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace vt::picker;
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    try {
        const std::string folder = vt::WithTrailingBackslash(vt::FolderOf(vt::ModuleFileName(nullptr)));
        PickerOptions options;
        options.vtctlPath = folder + "vtctl.exe";
        options.themesFolder = vt::WithTrailingBackslash(vt::FolderOf(folder.substr(0, folder.size() - 1))) + "themes";
        std::string added;
        bool exit = false;
        for (int i = 1; i < __argc; ++i) {
            std::string arg = __argv[i];
            bool more = i + 1 < __argc;
            if (arg == "--tray") options.tray = true;
            else if (arg == "--themes" && more) options.themesFolder = __argv[++i];
            else if (arg == "--add" && more) added = __argv[++i];
            else if (arg == "--report" && more) options.reportPath = __argv[++i];
            else if (arg == "--exit") exit = true;
        }
        if (exit) {
            if (HWND running = FindWindowA(kWindowClass, nullptr)) PostMessageA(running, kExitMessage, 0, 0);
            return 0;
        }
        if (!added.empty()) AddThemeFile(added);
        // One picker at a time: a second start shows the first one's window.
        if (HWND first = FindWindowA(kWindowClass, nullptr)) {
            if (!options.tray) PostMessageA(first, kShowMessage, 0, 0);
            return 0;
        }
        PickerWindow picker(options);
        return picker.Run();
    } catch (...) {
        return 1;
    }
}
