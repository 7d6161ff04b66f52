#include "ThemeCatalog.h"

#include <algorithm>
#include <exception>

#include "ControllerConfig.h"
#include "FramePreview.h"
#include "common/AsciiText.h"
#include "common/Notice.h"
#include "common/PathText.h"
#include "frame/win32/FrameDrawingHost.h"
#include "graphics/win32/GdiResources.h"
#include "menu/win32/Menus.h"
#include "script/drawing/DrawingContext.h"
#include "theme/ThemeInspector.h"
#include "theme/ThemeWords.h"

namespace vt::picker {
namespace {

constexpr char kAddedValue[] = "Picker Themes";

bool IsThemeFile(const std::string& name) {
    std::string upper = UpperCase(name);
    return upper == "THEMERC" || (upper.size() > 6 && upper.compare(upper.size() - 6, 6, ".THEME") == 0);
}

void Walk(const std::string& folder, int depth, std::vector<std::string>& found) {
    if (depth > 4) return;
    WIN32_FIND_DATAA data{};
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) Walk(folder + name + "\\", depth + 1, found);
        else if (IsThemeFile(name)) found.push_back(folder + name);
    } while (FindNextFileA(search, &data));
    FindClose(search);
}

std::string DisplayName(const std::string& path) {
    std::string file = FileNameOf(path);
    if (UpperCase(file) == "THEMERC") {
        std::string folder = FolderOf(path);
        std::string name = FileNameOf(folder);
        // xfwm4 keeps its themerc in THEME\xfwm4\.
        if (UpperCase(name) == "XFWM4") name = FileNameOf(FolderOf(folder));
        return name;
    }
    return file.substr(0, file.find_last_of('.'));
}

}  // namespace

std::vector<std::string> FindThemeFiles(const std::string& folder) {
    std::vector<std::string> found;
    Walk(WithTrailingBackslash(folder), 0, found);
    std::sort(found.begin(), found.end());
    return found;
}

ThemeEntry LoadThemeEntry(const std::string& path) {
    ThemeEntry entry;
    entry.path = path;
    entry.name = DisplayName(path);
    try {
        // A script's warnings would be boxes in the module; here they are errors of the theme.
        ScopedNoticeHandler quiet([&](const std::string& caption, const std::string& text, unsigned) {
            entry.errors.push_back(path + ": " + caption + ": " + text);
        });
        ThemeState theme;
        ThemeInspector inspector(theme);
        FrameDrawingHostScope host(theme);
        inspector.Load(path, {&RegisterThemeScriptWords});
        for (const ThemeLoadError& error : inspector.Errors()) {
            entry.errors.push_back(FormatCheckReport(path, {error}));
            while (!entry.errors.back().empty() && entry.errors.back().back() == '\n') entry.errors.back().pop_back();
        }
        if (theme.Elements && theme.Elements->Count() > 0) {
            RenderOptions options;
            options.width = kPreviewWidth;
            options.height = kPreviewHeight;
            options.title = entry.name;
            options.menu = {"&File", "&Edit"};
            GdiResources resources;
            TMenus menus(theme);
            FramePreview preview(options);
            entry.preview = preview.Render(theme, resources, &menus, FrameLook{});
        }
    } catch (const std::exception& error) {
        entry.errors.push_back(path + ":0: " + error.what());
    }
    return entry;
}

std::vector<std::string> AddedThemeFiles() {
    std::vector<std::string> files;
    std::string text = ReadControllerValue(kAddedValue).value_or("");
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        if (end > start) files.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return files;
}

bool AddThemeFile(const std::string& path) {
    std::vector<std::string> files = AddedThemeFiles();
    for (const std::string& file : files) {
        if (UpperCase(file) == UpperCase(path)) return true;
    }
    std::string text;
    for (const std::string& file : files) text += file + "\n";
    return WriteControllerValue(kAddedValue, text + path);
}

std::size_t VisiblePixels(const RgbaImage& image) {
    std::size_t count = 0;
    for (std::size_t i = 3; i < image.rgba.size(); i += 4) count += image.rgba[i] != 0;
    return count;
}

}  // namespace vt::picker
