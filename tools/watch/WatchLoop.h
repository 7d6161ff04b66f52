#pragma once
// The loop of `vtctl theme --watch` and `vttheme render --watch`: polls a theme's files and hands
// each settled change to the tool, until Ctrl+C.
#include <atomic>
#include <chrono>
#include <functional>
#include <string>

#include "FileWatch.h"

namespace vt {

struct WatchTiming {
    std::chrono::milliseconds poll{100};
    std::chrono::milliseconds settle{250};  // a save is whole once its files were still this long
};

// `onChange` loads the theme and uses it (apply it, render it) only if it loaded clean and
// watch.Unchanged() still holds afterwards; otherwise it keeps what it has. `onMissing` says that
// the theme is gone and is waited for. Returns when `stop` becomes true.
void RunWatchLoop(const std::string& themeFile, const std::function<void(const FileWatch&)>& onChange,
                  const std::function<void()>& onMissing, const std::atomic<bool>& stop, WatchTiming timing = {});

// A flag that Ctrl+C sets (installed on the first call): the loop's `stop` for the tools.
const std::atomic<bool>& CtrlCFlag();

}  // namespace vt
