#pragma once
// What the drawing words need of the frame: element rectangles of a theme, and window texts.
// Every program that runs theme scripts over real windows (the module, the preview) puts one in
// the theme's drawing context.
#include "script/drawing/DrawingContext.h"
#include "theme/ThemeState.h"

namespace vt {

class FrameDrawingHost final : public DrawingHost {
public:
    explicit FrameDrawingHost(const ThemeState& theme) : theme_(theme) {}

    Rect ElementRect(std::ptrdiff_t index) const override;
    std::string WindowText(std::uintptr_t window) const override;

private:
    const ThemeState& theme_;
};

// Puts a FrameDrawingHost for `theme` in the theme's drawing context for one scope.
class FrameDrawingHostScope {
public:
    explicit FrameDrawingHostScope(ThemeState& theme) : theme_(theme), host_(theme) { theme_.Drawing.Host = &host_; }
    ~FrameDrawingHostScope() { theme_.Drawing.Host = nullptr; }
    FrameDrawingHostScope(const FrameDrawingHostScope&) = delete;
    FrameDrawingHostScope& operator=(const FrameDrawingHostScope&) = delete;

private:
    ThemeState& theme_;
    FrameDrawingHost host_;
};

}  // namespace vt
