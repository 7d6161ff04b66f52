#include "HookTestSupport.h"

#include <atomic>
#include <mutex>
#include <thread>

#include "ProbeProcess.h"

namespace vt::test {
namespace {

RecordingWindow* g_creating = nullptr;

const char kClassA[] = "VtRecordingWindowA";
const wchar_t kClassW[] = L"VtRecordingWindowW";

void RegisterClasses() {
    static bool done = false;
    if (done) return;
    WNDCLASSA classA{};
    classA.lpfnWndProc = RecordingWindow::OwnProcedure(false);
    classA.hInstance = GetModuleHandleA(nullptr);
    classA.lpszClassName = kClassA;
    RegisterClassA(&classA);
    WNDCLASSW classW{};
    classW.lpfnWndProc = RecordingWindow::OwnProcedure(true);
    classW.hInstance = GetModuleHandleA(nullptr);
    classW.lpszClassName = kClassW;
    RegisterClassW(&classW);
    done = true;
}

RecordingWindow* Owner(HWND window) {
    auto* owner = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!owner && g_creating) {
        owner = g_creating;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    }
    return owner;
}

}  // namespace

RecordingWindow::RecordingWindow(DWORD style, HWND parent, HMENU menu, bool unicode) : unicode_(unicode) {
    RegisterClasses();
    if (parent && !(style & WS_POPUP)) style |= WS_CHILD;
    g_creating = this;
    window_ = unicode ? CreateWindowExW(0, kClassW, L"", style, 10, 10, 200, 150, parent, menu,
                                        GetModuleHandleA(nullptr), nullptr)
                      : CreateWindowExA(0, kClassA, "", style, 10, 10, 200, 150, parent, menu,
                                        GetModuleHandleA(nullptr), nullptr);
    g_creating = nullptr;
}

RecordingWindow::~RecordingWindow() { Destroy(); }

void RecordingWindow::Destroy() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
}

WNDPROC RecordingWindow::OwnProcedure(bool unicode) { return unicode ? ProcW : ProcA; }

std::vector<HWND>& Journal() {
    static std::vector<HWND> journal;
    return journal;
}

LRESULT RecordingWindow::Record(UINT message, LPARAM lParam) {
    seen_.push_back(message);
    Journal().push_back(window_);
    if (message == WM_SETTEXT && lParam) {
        if (unicode_) {
            lastText_ = reinterpret_cast<const wchar_t*>(lParam);
        } else {
            const char* text = reinterpret_cast<const char*>(lParam);
            lastText_.assign(text, text + strlen(text));
        }
    }
    return 0;
}

bool RecordingWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    RecordingWindow* owner = Owner(window);
    if (!owner) return false;
    owner->Record(message, lParam);
    Handler handler = owner->handler_;  // the handler may replace itself or destroy the window
    return handler && handler(message, wParam, lParam, result);
}

LRESULT CALLBACK RecordingWindow::ProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (Handle(window, message, wParam, lParam, result)) return result;
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK RecordingWindow::ProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (Handle(window, message, wParam, lParam, result)) return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

bool ProcedureInside(HWND window, HMODULE module) {
    auto procedure = reinterpret_cast<void*>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    MEMORY_BASIC_INFORMATION info{};
    return module && VirtualQuery(procedure, &info, sizeof info) == sizeof info &&
           info.AllocationBase == static_cast<void*>(module);
}

namespace {

// Removes the copies earlier runs could not remove.
void RemoveStaleCopies(const std::string& temp) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((temp + "vt-hook-*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string folder = temp + found.cFileName + "\\";
        DeleteFileA((folder + "veltrane.dll").c_str());
        DeleteFileA((folder + "exclude.cfg").c_str());
        RemoveDirectoryA(folder.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace

ModuleFolderCopy::ModuleFolderCopy() {
    static std::atomic<unsigned> counter{0};
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    if (counter == 0) RemoveStaleCopies(temp);
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);  // process ids repeat across runs under Wine
    folder_ = std::string(temp) + "vt-hook-" + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(now.QuadPart) + "-" + std::to_string(++counter) + "\\";
    ok_ = CreateDirectoryA(folder_.c_str(), nullptr) &&
          CopyFileA((ProgramFolder() + "veltrane.dll").c_str(), ModulePath().c_str(), FALSE);
    files_.push_back(ModulePath());
}

ModuleFolderCopy::~ModuleFolderCopy() {
    // Other processes that the hook reached (under Wine also its own desktop and service
    // processes) keep the module mapped until they end; what cannot go now goes on a later run.
    for (const std::string& file : files_) DeleteFileA(file.c_str());
    RemoveDirectoryA(folder_.c_str());
}

void ModuleFolderCopy::WriteFile(const std::string& name, const std::string& text) {
    std::string path = folder_ + name;
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    if (file) ::WriteFile(file.get(), text.data(), DWORD(text.size()), &written, nullptr);
    files_.push_back(path);
}

namespace {

class BoxSweeper {
public:
    BoxSweeper() : thread_([this] { Run(); }) {}
    ~BoxSweeper() {
        stop_ = true;
        thread_.join();
    }
    std::vector<std::string> Take() {
        std::lock_guard<std::mutex> lock(mutex_);
        return std::exchange(closed_, {});
    }

private:
    static BOOL CALLBACK Visit(HWND window, LPARAM self) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        char className[64] = {};
        GetClassNameA(window, className, int(sizeof className));
        if (process == GetCurrentProcessId() && std::string(className) == "#32770" && IsWindowVisible(window)) {
            char caption[256] = {};
            GetWindowTextA(window, caption, int(sizeof caption));
            reinterpret_cast<BoxSweeper*>(self)->Closed(caption);
            PostMessageA(window, WM_COMMAND, IDOK, 0);
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
        return TRUE;
    }
    void Closed(const std::string& caption) {
        std::lock_guard<std::mutex> lock(mutex_);
        closed_.push_back(caption);
    }
    void Run() {
        while (!stop_) {
            EnumWindows(Visit, reinterpret_cast<LPARAM>(this));
            Sleep(100);
        }
    }

    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::string> closed_;
    std::thread thread_;
};

}  // namespace

std::vector<std::string> TakeClosedBoxes() {
    static BoxSweeper sweeper;
    return sweeper.Take();
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

}  // namespace vt::test
