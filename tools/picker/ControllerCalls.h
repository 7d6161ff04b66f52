#pragma once
// What the picker asks of Veltrane, always through vtctl.exe beside it (run hidden, its output
// read back): the picker itself never loads the module.
#include <string>

namespace vt::picker {

struct CallResult {
    int code = -1;       // vtctl's exit status; -1 when it could not run or did not end in time
    std::string output;  // stdout and stderr together
};

class ControllerCalls {
public:
    explicit ControllerCalls(std::string vtctlPath) : vtctl_(std::move(vtctlPath)) {}

    // Runs `vtctl ARGS` and waits (at most 20 s).
    CallResult Run(const std::string& args) const;
    // Starts the resident `vtctl start` (it starts its partner) without waiting for it.
    bool Start() const;
    // Whether a controller of that bitness runs.
    static bool Running(int bits);

private:
    std::string vtctl_;
};

}  // namespace vt::picker
