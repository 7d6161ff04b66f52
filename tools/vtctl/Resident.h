#pragma once
// The resident half of `vtctl start`: the module loaded, switched on and installed for as long
// as this process pumps messages, and taken down again on every way out (vtctl stop, Ctrl+C,
// console close, logoff).
#include <optional>
#include <string>

namespace vt::ctl {

// Names that the controllers of one bitness (32 or 64) share with `vtctl stop` and `status`:
// a mutex held while one runs, and an event that asks it to stop.
std::string RunningMutexName(int bits);
std::string StopEventName(int bits);
// The bitness of this program.
constexpr int kOwnBits = int(sizeof(void*) * 8);

// Whether a controller of that bitness holds its mutex.
bool ControllerRunning(int bits);

struct ResidentOptions {
    std::string modulePath;
    std::optional<unsigned> tickMs;
    std::string partnerPath;  // vtctl.exe of the other bitness to start, or empty
};

// Runs until asked to stop; the exit status.
int RunResident(const ResidentOptions& options);

}  // namespace vt::ctl
