#include "WatchLoop.h"

#include <csignal>
#include <thread>

namespace vt {
namespace {

std::atomic<bool> ctrlC{false};

extern "C" void OnCtrlC(int) { ctrlC = true; }

}  // namespace

void RunWatchLoop(const std::string& themeFile, const std::function<void(const FileWatch&)>& onChange,
                  const std::function<void()>& onMissing, const std::atomic<bool>& stop, WatchTiming timing) {
    FileWatch watch(themeFile, timing.settle);
    while (!stop) {
        switch (watch.Poll()) {
            case WatchEvent::Changed: onChange(watch); break;
            case WatchEvent::Missing: onMissing(); break;
            case WatchEvent::None: break;
        }
        std::this_thread::sleep_for(timing.poll);
    }
}

const std::atomic<bool>& CtrlCFlag() {
    static const bool installed = (std::signal(SIGINT, &OnCtrlC), true);
    (void)installed;
    return ctrlC;
}

}  // namespace vt
