#include "common/win32/ModuleInstance.h"

#include <vector>

#include "common/PathText.h"

namespace vt {
namespace {

HINSTANCE g_instance = nullptr;

// Long enough for any path Windows hands out; past it the name is not worth having.
constexpr DWORD kLongestPath = 32768;

}  // namespace

void SetModuleInstance(HINSTANCE instance) { g_instance = instance; }

HINSTANCE ModuleInstance() { return g_instance ? g_instance : GetModuleHandleA(nullptr); }

std::string ModuleFileName(HMODULE module) {
    // A fixed MAX_PATH buffer would cut a deep install folder and send every look-up beside the
    // module to the wrong place, so grow until the name fits.
    std::vector<char> buffer(MAX_PATH + 1);
    for (;;) {
        DWORD length = GetModuleFileNameA(module, buffer.data(), DWORD(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::string(buffer.data(), length);
        if (buffer.size() >= kLongestPath) return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::string ModuleFolder() { return WithTrailingBackslash(FolderOf(ModuleFileName(ModuleInstance()))); }

}  // namespace vt
