#pragma once
// Makes a folder the current directory for one scope and returns to the previous one on every
// way out, errors included. Tests use it to run readers that take names relative to the current
// directory, and to check that a load leaves the directory alone.
#include <string>

namespace vt {

class CurrentDirectoryGuard {
public:
    // An empty folder leaves the current directory as it is. Throws ThemeError when the
    // current directory cannot be read or the folder cannot be made current.
    explicit CurrentDirectoryGuard(const std::string& folder);
    ~CurrentDirectoryGuard();
    CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
    CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

private:
    std::string previous_;
    bool changed_ = false;
};

std::string CurrentDirectory();  // throws ThemeError when it cannot be read

}  // namespace vt
