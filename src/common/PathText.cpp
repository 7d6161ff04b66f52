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

}  // namespace vt
