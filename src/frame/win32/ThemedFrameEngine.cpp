#include "frame/win32/ThemedFrameEngine.h"

#include <algorithm>
#include <optional>

#include "common/PathText.h"
#include "common/win32/ConfigKey.h"
#include "common/win32/ModuleInstance.h"
#include "frame/ElementGeometry.h"
#include "frame/ThemesConfig.h"
#include "frame/win32/ScriptSurface.h"
#include "frame/win32/WindowGeometry.h"
#include "frame/win32/WindowRegion.h"
#include "graphics/ScaledPixels.h"
#include "script/Engine.h"
#include "script/drawing/DrawingContext.h"
#include "theme/TextLines.h"
#include "theme/ThemeErrors.h"
#include "theme/ThemeLoader.h"
#include "theme/ThemeWords.h"

namespace vt {
namespace {

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// What the drawing words need of the layers above them.
Rect ElementRectAt(std::ptrdiff_t index) {
    ThemeState& theme = CurrentTheme();
    if (!theme.Elements) throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return theme.Elements->At(index).Rect;
}

std::string WindowTextOf(std::uintptr_t window) { return WindowText(reinterpret_cast<HWND>(window)); }

// The theme chosen for this program: themes.cfg beside the module pins one per executable,
// the registry's Theme value names the one for all other programs.
struct ThemeChoice {
    std::string path;
    bool pinned = false;
};

ThemeChoice ChooseTheme() {
    const std::string config = ModuleFolder() + "themes.cfg";
    if (FileExists(config)) {
        std::optional<std::string> pinned;
        try {
            pinned = FindHostTheme(ReadTextLines(config), FileNameOf(ModuleFileName(nullptr)));
        } catch (const std::exception&) {
            // An unreadable themes.cfg pins nothing: the registry decides.
        }
        if (pinned && !pinned->empty()) return {*pinned, true};
    }
    ThemeChoice choice;
    if (UniqueRegistryKey key = OpenConfigKey()) ReadConfigString(key.get(), "Theme", choice.path);
    return choice;
}

}  // namespace

ThemedFrameEngine::ThemedFrameEngine(SharedArea& sharedArea, ThemeState& theme, MenuBarPainter* menuBar)
    : sharedArea_(sharedArea), theme_(theme), menuBar_(menuBar) {}

ThemedFrameEngine::~ThemedFrameEngine() { UnloadTheme(); }

void ThemedFrameEngine::Start() {
    SetDrawingHost(DrawingHost{&ElementRectAt, &WindowTextOf});
    LoadTheme();
    repaintMessage_ = RegisterWindowMessageA("Veltrane Repaint Message");
}

void ThemedFrameEngine::End() {
    UnloadTheme();
    theme_.ThemeInfo.clear();
    themePath_.clear();
    SetDrawingHost(DrawingHost{});
}

void ThemedFrameEngine::SwitchTheme() {
    UnloadTheme();
    LoadTheme();
}

void ThemedFrameEngine::LoadTheme() {
    ResetThemeSettings(theme_);
    StopEngine();
    StartEngine();
    RegisterThemeScriptWords();
    sharedArea_.Open();
    CreateThemeStructures(theme_);
    ThemeChoice choice = ChooseTheme();
    themePath_ = choice.path;
    if (choice.pinned) pinned_ = true;  // also when the file is missing: a pinned process stays pinned
    if (themePath_.empty() || !FileExists(themePath_)) return;
    try {
        LoadThemeFile(themePath_, theme_);  // errors of single lines are shown, one box each
    } catch (const std::exception&) {
        // The file could not be read as a whole: the process stays without a theme.
    }
    calcScripts_ = HasCalcRectWords(theme_);  // event words are bound by the end of the load
}

void ThemedFrameEngine::UnloadTheme() {
    StopEngine();
    // The GDI forms first: they are keyed by the bitmaps released next.
    resources_.Clear();
    ReleaseThemeStructures(theme_);
    theme_.ThemeLoaded = false;
    calcScripts_ = false;
}

UniqueGdiObject ThemedFrameEngine::BuildRegion(HWND window, LONG_PTR style, bool shrunk) {
    return vt::BuildRegion(theme_, resources_, window, std::uint32_t(style), shrunk, calcScripts_);
}

void ThemedFrameEngine::PaintFrame(HWND window, bool active) { vt::PaintFrame(Tools(), window, active); }

void ThemedFrameEngine::RepaintElements(HWND window, std::intptr_t first, std::intptr_t second, bool active) {
    vt::RepaintElements(Tools(), window, first, second, active);
}

void ThemedFrameEngine::RunIdleScripts(HWND window, bool active) { vt::RunIdleScripts(Tools(), window, active); }

LRESULT ThemedFrameEngine::CalcClientArea(HWND window, WPARAM wParam, LPARAM lParam) {
    // Both forms carry the proposed window rectangle first: the client area is the CLIENT
    // element's rectangle on a window of that size, in the same coordinates, kept inside it so
    // that an absurd element can never give the program a client area outside its window.
    RECT* proposed = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    if (!proposed) return 0;
    const RECT outer = *proposed;
    const std::int32_t W = outer.right - outer.left, H = outer.bottom - outer.top;
    WindowGeometry g = ReadWindowGeometry(window);
    ScriptSurface scripts(calcScripts_, resources_, window, g.style);
    Rect client = ComputeClientRect(theme_, g.style, W, H, g.hasMenuBar);
    client = Intersection(client, Rect{0, 0, W, H});
    if (wParam) {
        *proposed = RECT{outer.left + client.Left, outer.top + client.Top, outer.left + client.Right,
                         outer.top + client.Bottom};
    } else {
        // The first calculation keeps the rectangle's corner and takes the client size.
        proposed->right = outer.left + client.Width();
        proposed->bottom = outer.top + client.Height();
    }
    return 0;
}

std::unique_ptr<FrameEngine> CreateFrameEngine(SharedArea& sharedArea, MenuBarPainter* menuBar) {
    return std::make_unique<ThemedFrameEngine>(sharedArea, CurrentTheme(), menuBar);
}

}  // namespace vt
