#include "common/PathText.h"

namespace vt {

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos) return {};
    std::string folder = path.substr(0, slash);
    if (folder.empty() || folder.back() == ':') folder += path[slash];
    return folder;
}

std::string WithTrailingBackslash(const std::string& folder) {
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder;
    return folder + '\\';
}

std::string FileNameOf(const std::string& path) {
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsAbsolutePath(const std::string& name) {
    if (name.empty()) return false;
    if (name[0] == '/' || name[0] == '\\') return true;
    const char drive = char(name[0] | 0x20);
    return name.size() >= 2 && name[1] == ':' && drive >= 'a' && drive <= 'z';
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || IsAbsolutePath(name)) return name;
    const char last = folder.back();
    if (last == '/' || last == '\\' || last == ':') return folder + name;
    const std::size_t slash = folder.find_last_of("/\\");
#ifdef _WIN32
    const char separator = slash == std::string::npos ? '\\' : folder[slash];
#else
    const char separator = slash == std::string::npos ? '/' : folder[slash];
#endif
    return folder + separator + name;
}

}  // namespace vt
