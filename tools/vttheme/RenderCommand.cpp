#include "RenderCommand.h"

#include <cstdio>
#include <stdexcept>

#include "ElementChoice.h"
#include "FramePreview.h"
#include "PreviewSheet.h"
#include "RenderOptions.h"
#include "WatchLoop.h"
#include "frame/win32/FrameDrawingHost.h"
#include "graphics/PngWriter.h"
#include "graphics/win32/GdiResources.h"
#include "menu/win32/Menus.h"
#include "script/drawing/DrawingContext.h"
#include "theme/win32/WindowsSystemColours.h"

namespace vt {
namespace {

constexpr int kSheetGap = 8;  // transparent columns between the pictures of a sheet
constexpr std::size_t kSheetLooks = 4;  // active, inactive, hover, pressed

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "vttheme render: %s\n", message.c_str());
    return status;
}

// The named element, or for a sheet without a name the first with that look (-1: none).
std::ptrdiff_t ChooseElement(const ElementList& elements, const std::string& which, bool sheet,
                             Bitmap* TUIElement::*look) {
    if (!which.empty()) return FindPreviewElement(elements, which);
    return sheet ? FirstElementWithLook(elements, look) : -1;
}

// Loads the theme and paints it into options.out. In a watch, a theme with errors, or one whose
// files changed while it was read, leaves the last picture as it is.
int RenderOnce(const RenderOptions& options, const std::vector<WordRegistration>& extraWords, const FileWatch* watch) {
    ThemeState theme;
    ThemeInspector inspector(theme);
    FrameDrawingHostScope host(theme);
    const WindowsSystemColours systemColours{};
    inspector.Load(options.theme, extraWords, &systemColours);  // the desktop's colours, as in the module
    const std::string report = inspector.CheckReport();
    std::fwrite(report.data(), 1, report.size(), stdout);
    std::fflush(stdout);
    const int loaded = inspector.Errors().empty() ? 0 : 1;
    if (watch && loaded) return Fail(1, "the theme has errors: " + options.out + " keeps the last good picture");
    if (watch && !watch->Unchanged()) return 0;  // read while being saved: the next change reads it whole

    if (!theme.Elements || theme.Elements->Count() == 0) return Fail(loaded ? 1 : 3, options.theme + ": no elements to draw");

    FrameLook look{!options.inactive, -1, -1};
    try {
        look.hover = ChooseElement(*theme.Elements, options.hover, options.sheet, &TUIElement::HoverBitmap);
        look.pressed = ChooseElement(*theme.Elements, options.pressed, options.sheet, &TUIElement::DownBitmap);
    } catch (const std::invalid_argument& e) {
        return Fail(2, e.what());
    }

    try {
        // The GDI forms of the theme's images go before the theme they were made from.
        GdiResources resources;
        TMenus menus(theme);
        FramePreview preview(options);
        RgbaImage image;
        if (options.sheet) {
            image = SideBySide({preview.Render(theme, resources, &menus, FrameLook{true, -1, -1}),
                                preview.Render(theme, resources, &menus, FrameLook{false, -1, -1}),
                                preview.Render(theme, resources, &menus, FrameLook{true, look.hover, -1}),
                                preview.Render(theme, resources, &menus, FrameLook{true, -1, look.pressed})},
                               kSheetGap);
        } else {
            image = preview.Render(theme, resources, &menus, look);
        }
        SavePngFile(options.out, image);
    } catch (const std::exception& e) {
        return Fail(3, e.what());
    }
    if (watch) std::printf("vttheme render: %s written\n", options.out.c_str());
    std::fflush(stdout);
    return loaded;
}

}  // namespace

int RenderCommand(const std::vector<std::string>& args, const std::vector<WordRegistration>& extraWords) {
    RenderOptions options;
    try {
        options = ParseRenderOptions(args);
        if (options.sheet) CheckSheetSize(options.width, options.height, kSheetLooks, kSheetGap);
    } catch (const std::invalid_argument& e) {
        return Fail(2, std::string(e.what()) +
                           "\nusage: vttheme render THEME OUT.png [--size WxH] [--inactive] [--hover ELEMENT]"
                           " [--pressed ELEMENT] [--menu \"&File,&Edit\"] [--title TEXT] [--sheet] [--watch]");
    }
    if (!options.watch) return RenderOnce(options, extraWords, nullptr);

    // Until Ctrl+C: the picture again at every save of the theme or its images.
    std::printf("vttheme render: watching %s (Ctrl+C ends)\n", options.theme.c_str());
    std::fflush(stdout);
    RunWatchLoop(
        options.theme, [&](const FileWatch& watch) { RenderOnce(options, extraWords, &watch); },
        [&] { Fail(0, options.theme + ": missing; waiting for it to come back"); }, CtrlCFlag());
    return 0;
}

}  // namespace vt
