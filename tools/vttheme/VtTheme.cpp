// vttheme check THEME | vttheme dump THEME | vttheme render THEME OUT.png [options] | vttheme new NAME DIR
//
// Loads a theme (native, or kwm or xfwm4 when the path names a themerc or kwmrc) as the module does,
// without showing any box. check prints each load error as PATH:LINE: MESSAGE; dump prints the
// loaded model and then the errors. Exit status: 0 when every line loaded, 1 when any failed,
// 2 for a usage error. render (vttheme.exe, the Windows build) also paints a window framed by the
// theme into a PNG: see RenderCommand.h. new writes a theme to start from (ThemeTemplate.h).
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "GeometryDump.h"
#include "RenderOptions.h"
#include "ThemeTemplate.h"
#include "common/Dpi.h"
#include "common/Notice.h"
#include "theme/ThemeInspector.h"
#include "theme/ThemeWords.h"
#ifdef VT_THEME_RENDER
#include "RenderCommand.h"
#endif

namespace {

// The script word sets a theme can use besides the core words, registered after them as the
// module does. check and dump have no drawing surface: a theme whose top-level code draws fails
// its line, as it would in the module.
const std::vector<vt::WordRegistration> kExtraWords = {&vt::RegisterThemeScriptWords};

int Usage() {
    std::fputs("usage: vttheme check THEME\n       vttheme dump THEME [--size WxH [--scale PERCENT]]\n"
               "       vttheme render THEME OUT.png [--size WxH] [--inactive] [--hover ELEMENT]\n"
               "                      [--pressed ELEMENT] [--menu \"&File,&Edit\"] [--title TEXT] [--sheet]\n"
               "                      [--scale PERCENT] [--watch]\n"
               "       vttheme new NAME DIR\n",
               stderr);
    return 2;
}

int Run(int argc, char** argv) {
    if (argc < 3) return Usage();
    std::string command = argv[1];
    std::string path = argv[2];

    // Script warnings (a word defined twice) are worth seeing, but they are not load errors and
    // must not wait for anybody.
    vt::SetNoticeHandler([&path](const std::string& caption, const std::string& text, unsigned) {
        std::fprintf(stderr, "%s: %s: %s\n", path.c_str(), caption.c_str(), text.c_str());
    });

    if (command == "new") {
        if (argc != 4) return Usage();
        try {
            std::printf("%s written\n", vt::WriteThemeTemplate(argv[2], argv[3]).c_str());
            return 0;
        } catch (const std::runtime_error& e) {
            std::fprintf(stderr, "vttheme new: %s\n", e.what());
            return 1;
        }
    }
    if (command == "render") {
#ifdef VT_THEME_RENDER
        return vt::RenderCommand(std::vector<std::string>(argv + 2, argv + argc), kExtraWords);
#else
        std::fputs("vttheme render paints with Win32: it is part of the Windows build (vttheme.exe)\n", stderr);
        return 2;
#endif
    }
    if (command != "check" && command != "dump") return Usage();
    // dump --size WxH [--scale PERCENT]: the elements' rectangles on such a window after the model.
    std::int32_t width = 0, height = 0, scale = 100;
    try {
        for (int i = 3; i < argc; ++i) {
            const std::string option = argv[i];
            if (command != "dump" || i + 1 >= argc) return Usage();
            if (option == "--size") vt::ParseWindowSize(argv[++i], width, height);
            else if (option == "--scale") scale = vt::ParseScale(argv[++i]);
            else return Usage();
        }
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "vttheme: %s\n", e.what());
        return 2;
    }
    if (scale != 100 && width == 0) return Usage();

    vt::ThemeState theme;
    vt::ThemeInspector inspector(theme);
    inspector.Load(path, kExtraWords);
    std::string report = command == "dump" ? inspector.Dump() : inspector.CheckReport();
    if (width > 0) report += vt::DumpGeometry(theme, width, height, scale * vt::kBaseDpi / 100);
    std::fwrite(report.data(), 1, report.size(), stdout);
    std::fflush(stdout);
    return inspector.Errors().empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vttheme: %s\n", e.what());
    } catch (...) {
        std::fputs("vttheme: unexpected failure\n", stderr);
    }
    return 3;
}
