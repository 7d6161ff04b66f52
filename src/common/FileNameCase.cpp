#include "common/FileNameCase.h"

#ifdef _WIN32
#include <io.h>
#else
#include <filesystem>
#include <system_error>
#endif

#include "common/AsciiText.h"

namespace vt {

std::string FindExistingFile(const std::string& name) {
    if (FileExists(name)) return name;
#ifdef _WIN32
    return {};  // the file system already ignores case
#else
    // Theme files written on Windows may separate folders with backslashes.
    std::string path = name;
    for (char& c : path)
        if (c == '\\') c = '/';
    if (path != name && FileExists(path)) return path;
    std::size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    std::string leaf = slash == std::string::npos ? path : path.substr(slash + 1);
    if (leaf.empty()) return {};
    std::string best;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        if (!SameText(candidate, leaf)) continue;
        std::string full = slash == std::string::npos ? candidate : path.substr(0, slash + 1) + candidate;
        // Several spellings of one name: take the smallest, so the choice does not depend on
        // the order the directory lists its entries in.
        if (FileExists(full) && (best.empty() || full < best)) best = full;
    }
    return best;
#endif
}

std::string ExistingFileName(const std::string& name) {
#ifdef _WIN32
    // Opening the name as written finds the file in any letter case, and reports a missing one
    // itself: asking the file system first would only cost every image of every load a call.
    return name;
#else
    std::string found = FindExistingFile(name);
    return found.empty() ? name : found;
#endif
}

FolderFiles::FolderFiles(const std::string& prefix) : prefix_(prefix) {
    auto add = [this](const std::string& name) {
        // Several spellings of one name: keep the smallest, as FindExistingFile does.
        auto [it, added] = byUpperName_.emplace(UpperCase(name), name);
        if (!added && name < it->second) it->second = name;
    };
#ifdef _WIN32
    _finddata_t entry{};
    const intptr_t search = _findfirst((prefix_ + "*").c_str(), &entry);
    if (search == -1) return;
    do {
        if (!(entry.attrib & _A_SUBDIR)) add(entry.name);
    } while (_findnext(search, &entry) == 0);
    _findclose(search);
#else
    std::error_code ec;
    for (std::filesystem::directory_iterator it(prefix_.empty() ? "." : prefix_, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError)) add(it->path().filename().string());
    }
#endif
}

std::string FolderFiles::Find(const std::string& name) const {
    const auto found = byUpperName_.find(UpperCase(name));
    return found == byUpperName_.end() ? std::string() : prefix_ + found->second;
}

}  // namespace vt
