#include "CurrentDirectoryGuard.h"

#include <cerrno>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

#include "theme/ThemeErrors.h"

namespace vt {
namespace {

// The narrow (ANSI code page on Windows) calls: paths in theme configuration are 8-bit text.
bool ChangeDirectory(const std::string& folder) {
#ifdef _WIN32
    return _chdir(folder.c_str()) == 0;
#else
    return chdir(folder.c_str()) == 0;
#endif
}

}  // namespace

std::string CurrentDirectory() {
    std::vector<char> buffer(1024);
    for (;;) {
#ifdef _WIN32
        char* got = _getcwd(buffer.data(), int(buffer.size()));
#else
        char* got = getcwd(buffer.data(), buffer.size());
#endif
        if (got) return std::string(buffer.data());
        if (errno != ERANGE || buffer.size() > 65536)
            throw ThemeError(std::string("Cannot read the current directory: ") + std::strerror(errno));
        buffer.resize(buffer.size() * 2);
    }
}

CurrentDirectoryGuard::CurrentDirectoryGuard(const std::string& folder) {
    if (folder.empty()) return;
    previous_ = CurrentDirectory();
    if (!ChangeDirectory(folder))
        throw ThemeError("Cannot make \"" + folder + "\" the current directory: " + std::strerror(errno));
    changed_ = true;
}

CurrentDirectoryGuard::~CurrentDirectoryGuard() {
    if (changed_) ChangeDirectory(previous_);
}

}  // namespace vt
