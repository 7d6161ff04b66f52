#include "GeometryDump.h"

#include <exception>

#include "frame/ElementGeometry.h"
#include "script/drawing/DrawingContext.h"

namespace vt {
namespace {

constexpr std::uint32_t kOverlappedWindow = 0x00CF0000;

std::string Corners(const Rect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}

}  // namespace

std::string DumpGeometry(ThemeState& theme, std::int32_t width, std::int32_t height, std::int32_t dpi) {
    DrawingContext& context = theme.Drawing;
    context.WindowStyle = kOverlappedWindow;
    context.Dpi = dpi;
    std::string out;
    for (std::size_t i = 0; theme.Elements && i < theme.Elements->Count(); ++i) {
        TUIElement& e = theme.Elements->At(std::ptrdiff_t(i));
        out += "rect " + std::to_string(i) + " code=" + std::to_string(e.HitCode) +
               " applies=" + (ElementApplies(e, kOverlappedWindow) ? "1 " : "0 ");
        try {
            ComputeElementRect(theme, e, width, height, dpi);
            out += Corners(e.Rect) + "\n";
        } catch (const std::exception& error) {
            theme.Scripts->ClearStacks();
            out += std::string("error=") + error.what() + "\n";
        }
    }
    try {
        out += "client " + Corners(ComputeClientRect(theme, kOverlappedWindow, width, height, false, dpi)) + "\n";
    } catch (const std::exception& error) {
        theme.Scripts->ClearStacks();
        out += std::string("client error=") + error.what() + "\n";
    }
    return out;
}

}  // namespace vt
