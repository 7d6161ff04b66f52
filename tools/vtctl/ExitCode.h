#pragma once
// vtctl's exit status, one value per kind of failure, so scripts can tell them apart.
namespace vt::ctl {

enum ExitCode : int {
    kDone = 0,
    kSystemFailure = 1,   // a registry, file, shared-area or process call failed
    kUsage = 2,           // the command line was not understood
    kAlreadyRunning = 3,  // start while a controller of this bitness runs
    kNotRunning = 4,      // stop with no controller running
    kModuleMissing = 5,   // veltrane.dll beside vtctl cannot be loaded
    kThemeRefused = 6,    // the theme file is missing, or has load errors and no --force
    kNothingToRemove = 7, // unpin / include of an entry the file does not hold
    kNoAnswer = 8,        // identify: no such window, or no answer from it
};

}  // namespace vt::ctl
