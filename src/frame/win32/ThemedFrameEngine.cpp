#include "frame/win32/ThemedFrameEngine.h"

#include <algorithm>
#include <optional>

#include "common/PathText.h"
#include "common/RegularFile.h"
#include "common/win32/ConfigKey.h"
#include "common/win32/ModuleInstance.h"
#include "common/win32/WindowDpi.h"
#include "frame/ElementGeometry.h"
#include "frame/ElementPainter.h"
#include "frame/FrameHit.h"
#include "frame/ThemesConfig.h"
#include "frame/win32/FrameDrawingHost.h"
#include "frame/win32/ScriptSurface.h"
#include "frame/win32/WindowGeometry.h"
#include "frame/win32/WindowRegion.h"
#include "frame/win32/WindowScrollBars.h"
#include "frame/win32/ZoomAnimation.h"
#include "graphics/ScaledPixels.h"
#include "graphics/win32/GdiGuards.h"
#include "graphics/win32/GdiSurface.h"
#include "script/Engine.h"
#include "script/drawing/DrawingContext.h"
#include "theme/TextLines.h"
#include "theme/ThemeErrors.h"
#include "theme/ThemeLoader.h"
#include "theme/ThemeWords.h"
#include "theme/win32/ThemeLock.h"
#include "theme/win32/WindowsSystemColours.h"

namespace vt {
namespace {

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

ThemedFrameEngine::ThemedFrameEngine(SharedArea& sharedArea, ThemeState& theme, FrameMenus* menus)
    : sharedArea_(sharedArea),
      theme_(theme),
      host_(theme),
      menus_(menus),
      input_(theme, resources_, sharedArea, menus, settings_) {}

ThemedFrameEngine::~ThemedFrameEngine() { UnloadTheme(); }

void ThemedFrameEngine::Start() {
    ThemeGuard guard;
    theme_.Drawing.Host = &host_;
    LoadTheme();
    settings_.repaintMessage = RegisterWindowMessageA("Veltrane Repaint Message");
}

void ThemedFrameEngine::End() {
    ThemeGuard guard;
    UnloadTheme();
    theme_.ThemeInfo.clear();
    themePath_.clear();
    theme_.Drawing.Host = nullptr;
}

void ThemedFrameEngine::SwitchTheme() {
    // A change that reaches this thread inside a pass of its own (sent into the modal loop of a
    // menu it tracks) would free the theme under that pass: it is refused, and the caller may
    // try it again later.
    if (ThemeLock().HeldByThisThread()) throw LockTimeout();
    ThemeGuard guard;  // waits for every other thread's pass to end
    UnloadTheme();
    LoadTheme();
}

bool ThemedFrameEngine::ThemePinned() const {
    ThemeGuard guard;
    return pinned_;
}

std::vector<std::string> ThemedFrameEngine::ThemeInfo() const {
    ThemeGuard guard;
    return theme_.ThemeInfo;
}

SizeFixups ThemedFrameEngine::Fixups(ThemeView& view) const {
    view.Hold();
    return {theme_.WidthFixup, theme_.HeightFixup, theme_.MenuFixup};
}

bool ThemedFrameEngine::WindowZoom(ThemeView& view) const {
    view.Hold();
    return theme_.WindowZoom;
}

void ThemedFrameEngine::ReleasePressed(ThemeView& view, HWND window) {
    view.Hold();
    input_.ReleasePressed(window);
}

void ThemedFrameEngine::StandDown(ThemeView& view, HWND hoverWindow) {
    view.Hold();
    input_.StandDown(view, hoverWindow);
}

void ThemedFrameEngine::LoadTheme() {
    input_.ForgetElements();
    sharedArea_.Open();
    ThemeChoice choice = ChooseTheme();
    themePath_ = choice.path;
    if (choice.pinned) pinned_ = true;  // also when the file is missing: a pinned process stays pinned
    ThemeLoadSteps steps;
    steps.words = {&RegisterThemeScriptWords};
    if (themePath_.empty() || !FileExists(themePath_)) {
        StartThemeLoad(theme_, steps.words);   // empty structures: no theme
        return;
    }
    const WindowsSystemColours system{};
    steps.systemColours = &system;   // no GDI form of the theme exists yet
    try {
        LoadThemeState(themePath_, theme_, steps);  // errors of single lines are shown, one box each
    } catch (const std::exception&) {
        // The file could not be read as a whole: the process stays without a theme.
    }
    settings_.calcScripts = HasCalcRectWords(theme_);  // event words are bound by the end of the load
    PrepareScaledImages();
    loaded_.store(theme_.ThemeLoaded, std::memory_order_release);
}

void ThemedFrameEngine::PrepareScaledImages() {
    // Per-theme work belongs to the load, not to the first paint: the images at the screen's
    // scale are made now (windows on a monitor of another scale make theirs on first use).
    const std::int32_t dpi = WindowDpi(nullptr);
    if (dpi == kBaseDpi || !theme_.Theme) return;
    TThemeItems& items = theme_.Theme->Items();
    for (std::size_t i = 0; i < items.Count(); ++i) resources_.AtDpi(items[i].Bitmap(), dpi);
}

void ThemedFrameEngine::UnloadTheme() {
    loaded_.store(false, std::memory_order_release);  // new messages pass through from here on
    input_.ForgetElements();  // the hovered element is about to be freed
    // The GDI forms first: they are keyed by the bitmaps released next.
    resources_.Clear();
    ReleaseThemeStructures(theme_);
    theme_.ThemeLoaded = false;
    settings_.calcScripts = false;
}

UniqueGdiObject ThemedFrameEngine::BuildRegion(ThemeView& view, HWND window, LONG_PTR style, bool shrunk) {
    WindowGeometry g = ReadWindowGeometry(window);
    g.style = std::uint32_t(style);
    return vt::BuildRegion(view.Layout(theme_, LayoutOf(window, g)), resources_, window, shrunk, settings_.calcScripts);
}

FrameBorders ThemedFrameEngine::Borders(ThemeView& view, HWND window, std::int32_t width, std::int32_t height) {
    WindowGeometry g = ReadWindowGeometry(window);
    g.width = width;
    g.height = height;
    FrameLayout& layout = view.Layout(theme_, LayoutOf(window, g));
    ScriptSurface scripts(theme_.Drawing, settings_.calcScripts, resources_, window, g.style, g.dpi);
    const Rect client = Intersection(layout.ClientRect(false), Rect{0, 0, width, height});
    FrameBorders borders{client.Left, client.Top, width - client.Right, height - client.Bottom};
    if (client.IsEmpty()) return FrameBorders{};
    // The top counts to the first caption or title band that shows; without one, like a side.
    std::int32_t captionTop = std::min(borders.left, client.Top);
    for (std::size_t i = 0; theme_.Elements && i < theme_.Elements->Count(); ++i) {
        const TUIElement& e = theme_.Elements->At(std::ptrdiff_t(i));
        if ((e.HitCode != kCodeCaption && e.HitCode != kCodeTitle) || !ElementApplies(e, g.style)) continue;
        captionTop = std::clamp(layout.RectAt(std::ptrdiff_t(i)).Top, 0, client.Top);
        break;
    }
    borders.top = captionTop;
    return borders;
}

void ThemedFrameEngine::PaintFrame(ThemeView& view, HWND window, bool active) {
    view.Hold();
    vt::PaintFrame(Tools(view), window, active);
}

void ThemedFrameEngine::PaintFrameOnto(ThemeView& view, HWND window, HDC dc, bool active) {
    view.Hold();
    vt::PaintFrameOnto(Tools(view), window, dc, active);
}

SIZE ThemedFrameEngine::FrameInset(ThemeView& view, HWND window, std::int32_t width, std::int32_t height, std::int32_t dpi) {
    WindowGeometry g = ReadWindowGeometry(window);
    g.width = width;
    g.height = height;
    g.dpi = dpi;
    FrameLayout& layout = view.Layout(theme_, LayoutOf(window, g));
    ScriptSurface scripts(theme_.Drawing, settings_.calcScripts, resources_, window, g.style, dpi);
    const Rect client = Intersection(layout.ClientRect(g.hasMenuBar), Rect{0, 0, width, height});
    return SIZE{width - client.Width(), height - client.Height()};
}

void ThemedFrameEngine::RepaintElements(ThemeView& view, HWND window, std::intptr_t first, std::intptr_t second, bool active) {
    view.Hold();
    vt::RepaintElements(Tools(view), window, first, second, active);
}

void ThemedFrameEngine::RunIdleScripts(ThemeView& view, HWND window, bool active) {
    view.Hold();
    vt::RunIdleScripts(Tools(view), window, active);
}

void ThemedFrameEngine::SystemColoursChanged(ThemeView& view) {
    view.Hold();
    // The GDI forms were made from the old pixels. Dropping all of them is simplest and cheap:
    // a colour change is rare, and the next paint makes again only what it draws.
    if (!ApplySystemColours(theme_, WindowsSystemColours()).empty()) resources_.Clear();
}

LRESULT ThemedFrameEngine::CalcClientArea(ThemeView& view, HWND window, WPARAM wParam, LPARAM lParam) {
    view.Hold();
    // Both forms carry the proposed window rectangle first: the client area is the CLIENT
    // element's rectangle on a window of that size, in the same coordinates, kept inside it so
    // that an absurd element can never give the program a client area outside its window.
    RECT* proposed = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    if (!proposed) return 0;
    const RECT outer = *proposed;
    const std::int32_t W = outer.right - outer.left, H = outer.bottom - outer.top;
    WindowGeometry g = ReadWindowGeometry(window);
    g.width = W;
    g.height = H;
    FrameLayout& layout = view.Layout(theme_, LayoutOf(window, g));
    ScriptSurface scripts(theme_.Drawing, settings_.calcScripts, resources_, window, g.style, g.dpi);
    Rect client = Intersection(layout.ClientRect(g.hasMenuBar), Rect{0, 0, W, H});
    // The program's own scroll bars take their room inside the client element.
    client = WindowScrollBars(g, client).client;
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

LRESULT ThemedFrameEngine::HitTest(ThemeView& view, HWND window, WPARAM, LPARAM lParam) {
    view.Hold();
    return input_.HitTest(view, window, lParam);
}

bool ThemedFrameEngine::SetFrameCursor(HWND, WPARAM, WORD hitCode) { return NonClientInput::SetFrameCursor(hitCode); }

MessageAnswer ThemedFrameEngine::ButtonDown(ThemeView& view, HWND window, WPARAM hitCode, LPARAM lParam) {
    view.Hold();
    return input_.ButtonDown(window, hitCode, lParam);
}

ShrinkRequest ThemedFrameEngine::ButtonUp(ThemeView& view, HWND window, WPARAM hitCode, LPARAM lParam, bool shrunk) {
    view.Hold();
    return input_.ButtonUp(window, hitCode, lParam, shrunk);
}

CommandAnswer ThemedFrameEngine::SystemCommand(ThemeView& view, HWND window, WPARAM command, LPARAM lParam, bool shrunk) {
    view.Hold();
    return input_.SystemCommand(view, window, command, lParam, shrunk);
}

void ThemedFrameEngine::ZoomRect(ThemeView& view, const RECT& from, const RECT& to, int steps) {
    view.Hold();  // the screen is drawn on from one thread at a time
    vt::ZoomRect(from, to, steps);
}

LRESULT ThemedFrameEngine::HitTestAt(HWND window, LPARAM screenPoint) {
    ThemeView view;
    return HitTest(view, window, 0, screenPoint);
}

Rect ThemedFrameEngine::MenuBarStrip(HWND window) {
    ThemeView view;
    const WindowGeometry g = ReadWindowGeometry(window);
    FrameLayout& layout = view.Layout(theme_, LayoutOf(window, g));
    ScriptSurface scripts(theme_.Drawing, settings_.calcScripts, resources_, window, g.style, g.dpi);
    return layout.MenuBarRect();
}

void ThemedFrameEngine::WithFrameSurface(HWND window, const std::function<void(GdiSurface&)>& use) {
    ThemeGuard guard;
    WindowDc dc(window, GetWindowDC(window));
    if (!dc) return;
    GdiSurface surface(dc.Get(), resources_);
    use(surface);
}

std::unique_ptr<FrameEngine> CreateFrameEngine(SharedArea& sharedArea, ThemeState& theme, FrameMenus* menus) {
    return std::make_unique<ThemedFrameEngine>(sharedArea, theme, menus);
}

}  // namespace vt
