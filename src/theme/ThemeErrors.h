#pragma once
// How theme loading complains. A failing line raises ThemeError (or an engine or image error);
// the reader's per-line guard turns it into a ThemeLoadError and hands it to the sink. The
// module's sink shows one box per failing line; the console tools collect the errors instead.
#include <functional>
#include <stdexcept>
#include <string>

namespace vt {

class ThemeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ThemeLoadError {
    int line = 0;         // 1-based; 0 when the error concerns the file as a whole
    std::string message;  // as raised, carriage returns included
    unsigned long lastError = 0;  // the thread's last system error when the error was caught
};

using ThemeErrorSink = std::function<void(const ThemeLoadError&)>;

// The last system error of the calling thread, for the error box. The portable core cannot ask
// the system itself: natively this is 0; the module installs GetLastError.
using LastErrorSource = unsigned long (*)();
LastErrorSource SetLastErrorSource(LastErrorSource source);  // null restores "always 0"
unsigned long LastSystemError();

// The box text: message, CR, "GetLastError returned: N", CR, "Line L" (the line part is left
// out for errors of the file as a whole).
std::string FormatThemeLoadError(const std::string& message, unsigned long lastError, int line);

// The module's sink: one "Veltrane Theme Load Error" box per error, through vt::ShowNotice.
void ShowThemeLoadError(const ThemeLoadError& error);

// Hands one error to the sink (null sink: ShowThemeLoadError). The last system error is taken
// first, before anything else can change it.
void ReportThemeLoadError(int line, const std::string& message, const ThemeErrorSink& sink);

// Runs one unit of loading work (a line, an image) and reports what it raises instead of
// letting it end the load. Returns whether the work completed.
template <typename Work>
bool GuardThemeLine(int line, const ThemeErrorSink& sink, Work&& work) {
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        ReportThemeLoadError(line, e.what(), sink);
    } catch (...) {
        ReportThemeLoadError(line, "Unknown error", sink);
    }
    return false;
}

}  // namespace vt
