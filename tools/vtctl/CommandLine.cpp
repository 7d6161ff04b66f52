#include "CommandLine.h"

#include <cerrno>
#include <cstdlib>

namespace vt::ctl {
namespace {

bool ParseUnsigned(const std::string& text, unsigned long long max, unsigned long long& value, int base = 10) {
    if (text.empty() || text[0] == '-' || text[0] == '+') return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoull(text.c_str(), &end, base);
    return errno == 0 && *end == '\0' && value <= max;
}

bool ParseInt(const std::string& text, int& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long number = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || number < -1000000 || number > 1000000) return false;
    value = int(number);
    return true;
}

// A window handle as Windows tools print them: hexadecimal with 0x, or decimal.
bool ParseWindow(const std::string& text, unsigned long long& value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return ParseUnsigned(text.substr(2), ~0ull, value, 16) && value != 0;
    }
    return ParseUnsigned(text, ~0ull, value) && value != 0;
}

// A name that a line of themes.cfg or exclude.cfg can hold whole.
bool FitsOneLine(const std::string& text) { return text.find_first_of("\r\n") == std::string::npos; }

const char* SectionOf(const std::string& option) {
    if (option == "--module") return "MODULES";
    if (option == "--class") return "WINDOWCLASSES";
    if (option == "--nonested") return "NONESTED";
    if (option == "--nosizefixups") return "NOSIZEFIXUPS";
    return nullptr;
}

Parsed Fail(std::string error) { return Parsed{Request{}, std::move(error)}; }

}  // namespace

const char* UsageText() {
    return "usage: vtctl COMMAND [OPTIONS]\n"
           "\n"
           "  start [--theme PATH [--force]] [--tick MS]\n"
           "                         switch Veltrane on and stay resident until vtctl stop, Ctrl+C or logoff;\n"
           "                         the vtctl of the other bitness (..\\x64 or ..\\x86) is started too\n"
           "  stop                   end both resident controllers; every window gets its own frame back\n"
           "  status                 running or not, enabled, theme, module path and bitness\n"
           "  theme PATH [--force]   check the theme as the module loads it, then switch every program to it\n"
           "  theme PATH --watch     the same, and again at every save of the theme or its images (Ctrl+C ends)\n"
           "  theme --none           no theme: programs keep their own frames\n"
           "  pin PROGRAM.EXE PATH [--force]\n"
           "                         give one program its own theme (themes.cfg beside the module)\n"
           "  unpin PROGRAM.EXE      let it follow the current theme again\n"
           "  exclude --module NAME | --class NAME | --nonested NAME | --nosizefixups NAME\n"
           "                         keep a program or window class out (exclude.cfg beside the module)\n"
           "  include (same options) take it back in\n"
           "  identify HWND | --at X,Y\n"
           "                         the program that owns a window (HWND as 0x1A2B or decimal)\n"
           "  info                   the [INFO] text of the theme the module loads here\n"
           "\n"
           "exit status: 0 done, 1 a system call failed, 2 usage, 3 already running, 4 not running,\n"
           "             5 module missing, 6 theme refused, 7 nothing to remove, 8 no answer\n";
}

Parsed ParseCommandLine(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "-h" || arg == "--help" || arg == "/?" || arg == "help") return Parsed{};
    }
    if (args.empty()) return Fail("no command given");
    Request request;
    const std::string& verb = args[0];
    std::vector<std::string> positional;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        std::string text;
        if (arg == "--force" && (verb == "theme" || verb == "pin" || verb == "start")) {
            request.force = true;
        } else if (arg == "--watch" && verb == "theme") {
            request.watch = true;
        } else if (arg == "--none" && verb == "theme") {
            request.noTheme = true;
        } else if (arg == "--partner" && verb == "start") {
            request.partner = true;
        } else if (arg == "--theme" && verb == "start") {
            if (!value(request.theme) || request.theme.empty()) return Fail("--theme needs a theme file");
        } else if (arg == "--tick" && verb == "start") {
            unsigned long long ms = 0;
            if (!value(text) || !ParseUnsigned(text, 3600000, ms) || ms == 0) {
                return Fail("--tick needs a number of milliseconds from 1 to 3600000");
            }
            request.tickMs = unsigned(ms);
        } else if (SectionOf(arg) && (verb == "exclude" || verb == "include")) {
            if (!request.section.empty()) return Fail("one of --module, --class, --nonested, --nosizefixups at a time");
            request.section = SectionOf(arg);
            if (!value(request.entry) || request.entry.empty()) return Fail(arg + " needs a name");
        } else if (arg == "--at" && verb == "identify") {
            std::size_t comma = std::string::npos;
            int x = 0, y = 0;
            if (!value(text) || (comma = text.find(',')) == std::string::npos || !ParseInt(text.substr(0, comma), x) ||
                !ParseInt(text.substr(comma + 1), y)) {
                return Fail("--at needs a screen point X,Y");
            }
            request.point = std::make_pair(x, y);
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            return Fail("unknown option " + arg + " for " + verb);
        } else {
            positional.push_back(arg);
        }
    }
    auto expect = [&](std::size_t count, const char* what) -> std::string {
        if (positional.size() < count) return std::string(verb + " needs ") + what;
        if (positional.size() > count) return "unexpected argument " + positional[count];
        return {};
    };
    std::string error;
    if (verb == "start" || verb == "stop" || verb == "status" || verb == "info") {
        request.verb = verb == "start" ? Verb::Start : verb == "stop" ? Verb::Stop : verb == "status" ? Verb::Status : Verb::Info;
        error = expect(0, "");
    } else if (verb == "theme") {
        request.verb = Verb::Theme;
        if (request.noTheme) {
            error = expect(0, "");
            if (error.empty() && (request.force || request.watch)) error = "--force and --watch go with a theme file, not --none";
        } else if ((error = expect(1, "a theme file (or --none)")).empty()) {
            request.theme = positional[0];
        }
    } else if (verb == "pin") {
        request.verb = Verb::Pin;
        if ((error = expect(2, "PROGRAM.EXE and a theme file")).empty()) {
            request.program = positional[0];
            request.theme = positional[1];
        }
    } else if (verb == "unpin") {
        request.verb = Verb::Unpin;
        if ((error = expect(1, "PROGRAM.EXE")).empty()) request.program = positional[0];
    } else if (verb == "exclude" || verb == "include") {
        request.verb = verb == "exclude" ? Verb::Exclude : Verb::Include;
        error = expect(0, "");
        if (error.empty() && request.section.empty()) {
            error = verb + " needs --module, --class, --nonested or --nosizefixups and a name";
        }
    } else if (verb == "identify") {
        request.verb = Verb::Identify;
        if (request.point) {
            error = expect(0, "");
        } else if ((error = expect(1, "a window handle or --at X,Y")).empty()) {
            unsigned long long window = 0;
            if (!ParseWindow(positional[0], window)) error = "not a window handle: " + positional[0];
            request.window = window;
        }
    } else {
        return Fail("unknown command " + verb);
    }
    if (!error.empty()) return Fail(error);
    // What the files can hold: one line per entry, a program name before the first '='.
    if (request.verb == Verb::Pin || request.verb == Verb::Unpin) {
        const std::string& name = request.program;
        if (name.empty() || name.find_first_of("=\\/") != std::string::npos || !FitsOneLine(name)) {
            return Fail("PROGRAM.EXE is a file name without folder and without '=': " + name);
        }
        if (!FitsOneLine(request.theme)) return Fail("a theme path fits on one line");
    }
    if (request.verb == Verb::Exclude || request.verb == Verb::Include) {
        // The module reads such a line as a comment or a section, never as an entry.
        if (!FitsOneLine(request.entry)) return Fail("a name fits on one line");
        if (request.entry[0] == '#') return Fail(request.entry + " starts with '#': exclude.cfg would read it as a comment");
        if (request.entry[0] == '[') return Fail(request.entry + " starts with '[': exclude.cfg would read it as a section");
    }
    return Parsed{request, {}};
}

}  // namespace vt::ctl
