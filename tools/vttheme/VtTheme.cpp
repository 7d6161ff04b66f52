// vttheme check THEME | vttheme dump THEME
//
// Loads a theme (native, or kwm or xfwm4 when the path names a themerc or kwmrc) as the module does,
// without showing any box. check prints each load error as PATH:LINE: MESSAGE; dump prints the
// loaded model and then the errors. Exit status: 0 when every line loaded, 1 when any failed,
// 2 for a usage error.
#include <cstdio>
#include <string>
#include <vector>

#include "common/Notice.h"
#include "theme/ThemeInspector.h"
#include "theme/ThemeWords.h"

namespace {

// The script word sets a theme can use besides the core words, registered after them as the
// module does. There is no drawing surface here: a theme whose top-level code draws fails its
// line, as it would in the module.
const std::vector<vt::WordRegistration> kExtraWords = {&vt::RegisterThemeScriptWords};

int Usage() {
    std::fputs("usage: vttheme check THEME\n       vttheme dump THEME\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Usage();
    std::string command = argv[1];
    std::string path = argv[2];
    if (command != "check" && command != "dump") return Usage();

    // Script warnings (a word defined twice) are worth seeing, but they are not load errors and
    // must not wait for anybody.
    vt::SetNoticeHandler([&path](const std::string& caption, const std::string& text, unsigned) {
        std::fprintf(stderr, "%s: %s: %s\n", path.c_str(), caption.c_str(), text.c_str());
    });

    vt::ThemeInspector inspector;
    inspector.Load(path, kExtraWords);
    std::string report = command == "dump" ? inspector.Dump() : inspector.CheckReport();
    std::fwrite(report.data(), 1, report.size(), stdout);
    std::fflush(stdout);
    return inspector.Errors().empty() ? 0 : 1;
}
