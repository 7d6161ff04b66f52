#include "frame/win32/ScriptSurface.h"

#include "script/drawing/DrawingContext.h"

namespace vt {
bool HasCalcRectWords(const ThemeState& theme) {
    if (theme.Elements) {
        for (std::size_t i = 0; i < theme.Elements->Count(); ++i) {
            if (theme.Elements->At(std::ptrdiff_t(i)).OnCalcRect) return true;
        }
    }
    return theme.ShrinkElement && theme.ShrinkElement->OnCalcRect;
}

ScriptSurface::ScriptSurface(DrawingContext& context, bool wanted, GdiResources& resources, HWND window,
                             std::uint32_t style, std::int32_t dpi)
    : context_(context), resources_(resources), window_(window), dpi_(dpi) {
    context.WindowStyle = style;
    context.Dpi = dpi;
    context.Window = reinterpret_cast<std::uintptr_t>(window);
    context.Surface = nullptr;
    if (wanted) Acquire();
}

ScriptSurface::~ScriptSurface() { Release(); }

void ScriptSurface::Acquire() {
    if (dc_) return;
    dc_.emplace(window_, GetWindowDC(window_));
    if (!*dc_) return;
    surface_.emplace(dc_->Get(), resources_);
    surface_->SetDpi(dpi_);
    context_.Surface = &*surface_;
}

void ScriptSurface::Release() {
    context_.Surface = nullptr;
    surface_.reset();
    dc_.reset();
}

}  // namespace vt
