#include "frame/win32/FramePainter.h"

#include <optional>
#include <string>

#include "common/Notice.h"
#include "frame/ElementGeometry.h"
#include "frame/ElementPainter.h"
#include "graphics/win32/GdiGuards.h"
#include "frame/win32/FrameWindowDc.h"
#include "frame/win32/WindowGeometry.h"
#include "frame/win32/WindowScrollBars.h"
#include "graphics/win32/GdiSurface.h"
#include "script/Engine.h"
#include "script/drawing/DrawingContext.h"

namespace vt {
namespace {

class IconPainter final : public WindowIconPainter {
public:
    IconPainter(HWND window, GdiSurface& surface) : window_(window), surface_(surface) {}
    void DrawIcon(DrawingSurface&, const Rect& r) override {
        // The large icon scaled; a program that sets only a small one (WM_SETICON), or only its
        // class's, shows that one.
        auto icon = reinterpret_cast<HICON>(SendMessageA(window_, WM_GETICON, ICON_BIG, 0));
        if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(window_, WM_GETICON, ICON_SMALL, 0));
        if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(window_, GCLP_HICON));
        if (!icon) return;
        DrawIconEx(surface_.PreparedDc(), r.Left, r.Top, icon, r.Width(), r.Height(), 0, nullptr, DI_NORMAL);
    }

private:
    HWND window_;
    GdiSurface& surface_;
};

class TitleReader final : public WindowTitleSource {
public:
    explicit TitleReader(HWND window) : window_(window) {}
    // An empty title is an ordinary title: many real windows have none.
    std::string Title() override { return WindowText(window_); }

private:
    HWND window_;
};

// The layout of the window a pass reads: the message's, or one of the pass's own.
class PassLayout {
public:
    PassLayout(const FramePaintTools& tools, HWND window, const WindowGeometry& geometry, bool active) {
        const LayoutWindow on = LayoutOf(window, geometry, active);
        layout_ = tools.view ? &tools.view->Layout(tools.theme, on) : &own_.emplace(tools.theme, on);
    }
    FrameLayout& Get() const { return *layout_; }

private:
    std::optional<FrameLayout> own_;
    FrameLayout* layout_;
};

// What every pass does before it draws: a surface on the window's DC with the context loaded,
// the client rectangle (its OnCalcRect run) taken out of the drawing.
struct FramePass {
    FramePass(const FramePaintTools& tools, HWND window, HDC dc, bool active)
        : geometry(Geometry(tools, window)), surface(dc, tools.resources), icon(window, surface), title(window),
          layout(tools, window, geometry, active) {
        surface.SetDpi(geometry.dpi);
    }

    static WindowGeometry Geometry(const FramePaintTools& tools, HWND window) {
        WindowGeometry g = ReadWindowGeometry(window);
        if (tools.dpi) g.dpi = tools.dpi;
        return g;
    }

    WindowGeometry geometry;
    GdiSurface surface;
    IconPainter icon;
    TitleReader title;
    PassLayout layout;
    Rect clientArea;  // the client element's rectangle, kept out of the drawing
};

void LoadPassContext(DrawingContext& context, HWND window, const WindowGeometry& g, GdiSurface& surface) {
    context.WindowStyle = g.style;
    context.Window = reinterpret_cast<std::uintptr_t>(window);
    context.Dpi = g.dpi;
    context.Surface = &surface;
}

// Takes the pass's surface out of the context again, however the scope ends.
struct SurfaceOff {
    DrawingContext& context;
    ~SurfaceOff() { context.Surface = nullptr; }
};

// The client rectangle, computed with the pass's surface in the context, then excluded.
Rect ExcludeClient(const FramePaintTools& tools, HWND window, FramePass& pass) {
    LoadPassContext(tools.theme.Drawing, window, pass.geometry, pass.surface);
    SurfaceOff off{tools.theme.Drawing};
    Rect client = pass.layout.Get().ClientRect(pass.geometry.hasMenuBar);
    pass.surface.ExcludeClipRect(client);
    return client;
}

PaintPass MakePaintPass(const FramePaintTools& tools, HWND window, FramePass& pass, bool active) {
    return PaintPass{tools.theme,         pass.surface,          pass.icon,
                     reinterpret_cast<std::uintptr_t>(window),
                     pass.geometry.width, pass.geometry.height, pass.geometry.style,
                     active,              tools.hoverWindow == window, std::string(), pass.geometry.dpi,
                     &pass.title,         &pass.layout.Get(),
                     !tools.pressedWindow || tools.pressedWindow == window};
}

// The strip between the caption and the client area, where the menus draw the menu bar; with
// `area`, only when the strip reaches into it.
void PaintMenuBarStrip(const FramePaintTools& tools, HWND window, FramePass& pass, const Rect* area = nullptr) {
    if (!pass.geometry.hasMenuBar || !tools.menus) return;
    LoadPassContext(tools.theme.Drawing, window, pass.geometry, pass.surface);
    SurfaceOff off{tools.theme.Drawing};
    Rect bar = pass.layout.Get().MenuBarRect();
    if (area && !Overlap(bar, *area)) return;
    tools.menus->PaintMenuBar(pass.surface, window, pass.geometry.menu, bar);
}

// A painting pass onto `dc` (window coordinates): a surface on it, the client area excluded,
// the pass's data for `paint`; everything released however `paint` ends.
template <typename Paint>
void RunFramePassOnto(const FramePaintTools& tools, HWND window, HDC dc, bool active, Paint paint) {
    if (!tools.theme.Elements) return;
    FramePass pass(tools, window, dc, active);
    pass.clientArea = ExcludeClient(tools, window, pass);
    paint(MakePaintPass(tools, window, pass, active), pass);
}

// A painting pass onto the window's own DC.
template <typename Paint>
void RunFramePass(const FramePaintTools& tools, HWND window, bool active, Paint paint) {
    if (!tools.theme.Elements) return;
    FrameWindowDc dc(window);
    if (!dc) {
        PlayBeep(1000, 100);
        return;
    }
    RunFramePassOnto(tools, window, dc.Get(), active, paint);
}

void PaintWholeFrame(const FramePaintTools& tools, HWND window, const PaintPass& paintPass, FramePass& pass) {
    PaintElements(paintPass);
    PaintMenuBarStrip(tools, window, pass);
}

}  // namespace

void PaintFrame(const FramePaintTools& tools, HWND window, bool active) {
    RunFramePass(tools, window, active, [&](const PaintPass& paintPass, FramePass& pass) {
        PaintWholeFrame(tools, window, paintPass, pass);
        DrawSystemScrollBars(window, pass.geometry, WindowScrollBars(pass.geometry, pass.clientArea));
    });
}

void PaintFrameOnto(const FramePaintTools& tools, HWND window, HDC dc, bool active) {
    RunFramePassOnto(tools, window, dc, active, [&](const PaintPass& paintPass, FramePass& pass) {
        PaintWholeFrame(tools, window, paintPass, pass);
    });
}

void RepaintElements(const FramePaintTools& tools, HWND window, std::intptr_t first, std::intptr_t second,
                     bool active) {
    RunFramePass(tools, window, active, [&](const PaintPass& paintPass, FramePass& pass) {
        // The menu bar lies over the elements: where the area reaches it, it is drawn again too.
        const Rect area = RepaintElementArea(paintPass, first, second);
        if (!area.IsEmpty()) PaintMenuBarStrip(tools, window, pass, &area);
    });
}

void RunIdleScripts(const FramePaintTools& tools, HWND window, bool active) {
    if (!tools.theme.Elements) return;
    WindowDc dc(window, GetWindowDC(window));
    if (!dc) return;
    GdiSurface surface(dc.Get(), tools.resources);
    // The ticked window's own style and handle, so that WINDOWTEXT and WINDOWSTYLE in OnIdle
    // describe it rather than whatever window was drawn last.
    const WindowGeometry g = ReadWindowGeometry(window);
    surface.SetDpi(g.dpi);
    DrawingContext& context = tools.theme.Drawing;
    LoadPassContext(context, window, g, surface);
    context.IsActive = active;
    SurfaceScope scope(context, surface);
    // The words read this window's rectangles: those the message computed, anchored ones beyond.
    PassLayout(tools, window, g, active).Get().Claim();
    for (std::size_t i = 0; i < tools.theme.Elements->Count(); ++i) {
        if (TDefinition* idle = tools.theme.Elements->At(std::ptrdiff_t(i)).OnIdle) tools.theme.Scripts->ExecuteWord(idle);
    }
}

}  // namespace vt
