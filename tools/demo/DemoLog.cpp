#include "DemoLog.h"

#include <cstdio>

namespace vt::demo {
namespace {

std::FILE* g_log = nullptr;

}  // namespace

bool OpenLog(const std::string& path) {
    CloseLog();
    g_log = std::fopen(path.c_str(), "w");
    return g_log != nullptr;
}

void CloseLog() {
    if (g_log) std::fclose(g_log);
    g_log = nullptr;
}

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    if (g_log) {
        std::fprintf(g_log, "%s\n", line.c_str());
        std::fflush(g_log);
    }
}

}  // namespace vt::demo
