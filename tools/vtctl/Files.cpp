#include "Files.h"

#include <windows.h>

#include "common/PathText.h"
#include "common/win32/UniqueHandle.h"

namespace vt::ctl {
namespace {

std::string ErrorText(const std::string& what, const std::string& path) {
    return "cannot " + what + " " + path + " (error " + std::to_string(GetLastError()) + ")";
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& text, std::string& error) {
    text.clear();
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND) return true;
        error = ErrorText("open", path);
        return false;
    }
    char buffer[8192];
    DWORD got = 0;
    for (;;) {
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            error = ErrorText("read", path);
            return false;
        }
        if (got == 0) return true;
        text.append(buffer, got);
    }
}

bool ReplaceFileAtomically(const std::string& path, const std::string& text, std::string& error) {
    const std::string temp = WithTrailingBackslash(FolderOf(path)) + "~" + FileNameOf(path) + "." +
                             std::to_string(GetCurrentProcessId()) + ".tmp";
    {
        UniqueFileHandle file(CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                          nullptr));
        if (!file) {
            error = ErrorText("create", temp);
            return false;
        }
        DWORD written = 0;
        bool ok = WriteFile(file.get(), text.data(), DWORD(text.size()), &written, nullptr) && written == text.size() &&
                  FlushFileBuffers(file.get());
        if (!ok) {
            error = ErrorText("write", temp);
            file.reset();
            DeleteFileA(temp.c_str());
            return false;
        }
    }
    if (!MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = ErrorText("replace", path);
        DeleteFileA(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace vt::ctl
