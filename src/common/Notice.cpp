#include "common/Notice.h"

#include <cstdio>

namespace vt {
namespace {

void DefaultNotice(const std::string& caption, const std::string& text, unsigned) {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
}

NoticeHandler& CurrentNotice() {
    static NoticeHandler handler = DefaultNotice;
    return handler;
}

BeepHandler& CurrentBeep() {
    static BeepHandler handler = [](unsigned, unsigned) {};
    return handler;
}

}  // namespace

void ShowNotice(const std::string& caption, const std::string& text, unsigned style) {
    try {
        CurrentNotice()(caption, text, style);
    } catch (...) {
        // A notice is a courtesy; failing to show one must not become a second failure.
    }
}

void PlayBeep(unsigned frequency, unsigned milliseconds) {
    try {
        CurrentBeep()(frequency, milliseconds);
    } catch (...) {
    }
}

NoticeHandler SetNoticeHandler(NoticeHandler handler) {
    NoticeHandler previous = std::move(CurrentNotice());
    CurrentNotice() = handler ? std::move(handler) : NoticeHandler(DefaultNotice);
    return previous;
}

BeepHandler SetBeepHandler(BeepHandler handler) {
    BeepHandler previous = std::move(CurrentBeep());
    CurrentBeep() = handler ? std::move(handler) : BeepHandler([](unsigned, unsigned) {});
    return previous;
}

}  // namespace vt
