#pragma once
// vtctl's command line, read into one request. Portable: no system call, so every rule here is
// tested on its own.
#include <optional>
#include <string>
#include <vector>

namespace vt::ctl {

enum class Verb { Help, Start, Stop, Status, Theme, Pin, Unpin, Exclude, Include, Identify, Info };

struct Request {
    Verb verb = Verb::Help;
    std::string theme;                   // start --theme, theme PATH, pin's PATH
    bool noTheme = false;                // theme --none
    bool force = false;                  // load errors do not refuse the theme
    bool watch = false;                  // theme --watch: apply again at every save until Ctrl+C
    std::optional<unsigned> tickMs;      // start --tick MS
    bool partner = false;                // start --partner: started by the other bitness's vtctl
    std::string program;                 // pin / unpin
    std::string section;                 // exclude / include: MODULES, WINDOWCLASSES, NONESTED, NOSIZEFIXUPS
    std::string entry;
    std::optional<unsigned long long> window;  // identify HWND
    std::optional<std::pair<int, int>> point;  // identify --at X,Y
};

struct Parsed {
    Request request;
    std::string error;  // empty when the line was understood
};

// The arguments after the program name. "-h", "--help", "/?" and "help" anywhere ask for help.
Parsed ParseCommandLine(const std::vector<std::string>& args);

// The text `vtctl --help` prints.
const char* UsageText();

}  // namespace vt::ctl
