#include "theme/ThemeErrors.h"

#include "common/Notice.h"

namespace vt {
namespace {

unsigned long NoSystemError() { return 0; }

LastErrorSource& CurrentLastErrorSource() {
    static LastErrorSource source = NoSystemError;
    return source;
}

}  // namespace

LastErrorSource SetLastErrorSource(LastErrorSource source) {
    LastErrorSource previous = CurrentLastErrorSource();
    CurrentLastErrorSource() = source ? source : NoSystemError;
    return previous;
}

unsigned long LastSystemError() { return CurrentLastErrorSource()(); }

std::string FormatThemeLoadError(const std::string& message, unsigned long lastError, int line) {
    std::string text = message + "\rGetLastError returned: " + std::to_string(lastError);
    if (line > 0) text += "\rLine " + std::to_string(line);
    return text;
}

void ShowThemeLoadError(const ThemeLoadError& error) {
    ShowNotice("Veltrane Theme Load Error",
               FormatThemeLoadError(error.message, error.lastError, error.line),
               kNoticeOk | kNoticeSetForeground | kNoticeTopmost | kNoticeServiceNotification);
}

void ReportThemeLoadError(int line, const std::string& message, const ThemeErrorSink& sink) {
    unsigned long lastError = LastSystemError();
    ThemeLoadError error{line, message, lastError};
    if (sink) {
        try {
            sink(error);
        } catch (...) {
            // A report that cannot be delivered must not end the load of the remaining lines.
        }
    } else {
        ShowThemeLoadError(error);
    }
}

}  // namespace vt
