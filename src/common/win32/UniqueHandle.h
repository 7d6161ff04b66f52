#pragma once
// One owner per acquired Win32 handle: the guard releases it with the function that matches how
// it was acquired, on every way out of the scope that holds it. Each kind of handle is a Traits
// struct naming its type, its "none" value and its release call; the aliases below are the kinds
// the module uses. A handle whose release needs a partner (ReleaseDC needs the HWND) gets a small
// class of its own instead.
#include <windows.h>

#include <utility>

namespace vt {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::None(); }

    // Gives the handle up without releasing it (to a call that takes ownership).
    Handle release() noexcept { return std::exchange(handle_, Traits::None()); }
    // Releases the current handle, then owns `handle`.
    void reset(Handle handle = Traits::None()) noexcept {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::None()) Traits::Close(old);
    }
    // For out-parameters: releases what is held and hands out the slot to fill.
    Handle* put() noexcept {
        reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::None();
};

struct RegistryKeyTraits {
    using Handle = HKEY;
    static Handle None() noexcept { return nullptr; }
    static void Close(Handle key) noexcept { RegCloseKey(key); }
};

// Kernel objects whose failure value is null (file mappings, processes, threads, events).
struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle None() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { CloseHandle(handle); }
};

// Kernel objects whose failure value is INVALID_HANDLE_VALUE (files, snapshots).
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle None() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { CloseHandle(handle); }
};

struct MappedViewTraits {
    using Handle = void*;
    static Handle None() noexcept { return nullptr; }
    static void Close(Handle view) noexcept { UnmapViewOfFile(view); }
};

struct HookTraits {
    using Handle = HHOOK;
    static Handle None() noexcept { return nullptr; }
    static void Close(Handle hook) noexcept { UnhookWindowsHookEx(hook); }
};

struct LibraryTraits {
    using Handle = HMODULE;
    static Handle None() noexcept { return nullptr; }
    static void Close(Handle module) noexcept { FreeLibrary(module); }
};

// Regions, bitmaps, fonts, pens, brushes. Calls that take ownership of one (SetWindowRgn on
// success) are handed it with release().
struct GdiObjectTraits {
    using Handle = HGDIOBJ;
    static Handle None() noexcept { return nullptr; }
    static void Close(Handle object) noexcept { DeleteObject(object); }
};

struct WindowTraits {
    using Handle = HWND;
    static Handle None() noexcept { return nullptr; }
    static void Close(Handle window) noexcept { DestroyWindow(window); }
};

// A menu not (yet) given to a window: a window destroys its own menu, so a menu handed to
// CreateWindowEx or SetMenu is given up with release().
struct MenuTraits {
    using Handle = HMENU;
    static Handle None() noexcept { return nullptr; }
    static void Close(Handle menu) noexcept { DestroyMenu(menu); }
};

using UniqueRegistryKey = UniqueHandle<RegistryKeyTraits>;
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFileHandle = UniqueHandle<FileHandleTraits>;
using UniqueMappedView = UniqueHandle<MappedViewTraits>;
using UniqueHook = UniqueHandle<HookTraits>;
using UniqueLibrary = UniqueHandle<LibraryTraits>;
using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;

}  // namespace vt
