// footprint_start DLL THEME OUT
// What a new program pays when the module comes into it: the time to load the DLL and the time of
// its start (GetThemeInfo's first call starts it, as the hook's first message does: the theme is
// read, its images decoded, its words compiled), and what each step adds to the heaps' bytes in
// use and to the GDI objects. THEME is written to the controller's Theme value first (put back at
// the end). After each step the program writes a line to OUT and waits (at most 10 s) for the file
// OUT.N (N = 1, 2, 3) to appear: meanwhile run.sh reads the private resident memory of its Wine
// process, which a Windows program cannot read for itself (Wine opens /proc/self in its server).
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "ControllerConfig.h"
#include "HeapUse.h"
#include "common/win32/UniqueHandle.h"

namespace {

class Steps {
public:
    Steps(FILE* out, std::string goPrefix) : out_(out), goPrefix_(std::move(goPrefix)) {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&since_);
    }
    // Reports the step since the last one and waits for the reader.
    void Done(const char* name) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        const double ms = double(now.QuadPart - since_.QuadPart) * 1000.0 / double(frequency_.QuadPart);
        const SIZE_T heap = vt::HeapBytesInUse();
        const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        std::fprintf(out_, "%-6s %8.2f ms  heap %+9ld B  GDI %+4ld\n", name, ms, long(heap) - long(heap_),
                     long(gdi) - long(gdi_));
        std::fflush(out_);
        heap_ = heap, gdi_ = gdi;
        const std::string go = goPrefix_ + "." + std::to_string(++count_);
        for (int i = 0; i < 1000 && GetFileAttributesA(go.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(10);
        QueryPerformanceCounter(&since_);
    }

private:
    FILE* out_;
    std::string goPrefix_;
    LARGE_INTEGER frequency_{}, since_{};
    SIZE_T heap_ = vt::HeapBytesInUse();
    DWORD gdi_ = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    int count_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: footprint_start DLL THEME OUT\n");
        return 2;
    }
    FILE* out = std::fopen(argv[3], "w");
    if (!out) return 1;
    vt::ControllerValueRestorer keep("Theme");
    vt::WriteControllerValue("Theme", argv[2]);
    // What any GUI program has before the hook reaches it: a window, a DC, a message queue (in a
    // program without them, the first user32 call would load the display driver at the module's cost).
    vt::UniqueWindow window(CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr));
    if (HDC dc = GetDC(window.get())) ReleaseDC(window.get(), dc);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Steps steps(out, argv[3]);
    steps.Done("before");
    HMODULE module = LoadLibraryA(argv[1]);
    using Info = void(WINAPI*)(char*, std::uint32_t);
    Info info = module ? reinterpret_cast<Info>(reinterpret_cast<void*>(GetProcAddress(module, "GetThemeInfo"))) : nullptr;
    if (!info) {
        std::fprintf(out, "footprint_start: cannot load %s\n", argv[1]);
        return 1;
    }
    steps.Done("load");
    char text[4096] = {};
    info(text, sizeof text);
    steps.Done("start");
    std::fprintf(out, "footprint_start: done\n");
    std::fclose(out);
    return 0;
}
