// Non-copyable owners of Win32 handles. Each one frees its handle exactly once, so
// "deleted before it is replaced" and "no leak on any path" hold by construction.
#pragma once

#include <windows.h>
#include <objbase.h>

namespace rolva {

template <typename Handle, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return Traits::IsValid(handle_); }

    // Frees the handle held (if any) and takes ownership of the new one.
    void Reset(Handle handle = Traits::Invalid())
    {
        if (Traits::IsValid(handle_) && handle_ != handle)
            Traits::Free(handle_);
        handle_ = handle;
    }

    // Gives up ownership without freeing.
    Handle Release()
    {
        Handle handle = handle_;
        handle_ = Traits::Invalid();
        return handle;
    }

private:
    Handle handle_ = Traits::Invalid();
};

template <typename GdiHandle>
struct GdiObjectTraits {
    static GdiHandle Invalid() { return nullptr; }
    static bool IsValid(GdiHandle h) { return h != nullptr; }
    static void Free(GdiHandle h) { DeleteObject(h); }
};

struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE h) { CloseHandle(h); }
};

// CreateFileA reports failure with INVALID_HANDLE_VALUE, not NULL.
struct FileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE h) { CloseHandle(h); }
};

// FindFirstChangeNotification's handles are closed with their own call.
struct ChangeNotificationTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE h) { FindCloseChangeNotification(h); }
};

// A FindFirstFile search, closed with its own call.
struct FindTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE h) { FindClose(h); }
};

struct ModuleTraits {
    static HMODULE Invalid() { return nullptr; }
    static bool IsValid(HMODULE h) { return h != nullptr; }
    static void Free(HMODULE h) { FreeLibrary(h); }
};

struct MenuTraits {
    static HMENU Invalid() { return nullptr; }
    static bool IsValid(HMENU h) { return h != nullptr; }
    static void Free(HMENU h) { DestroyMenu(h); }
};

struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static bool IsValid(HICON h) { return h != nullptr; }
    static void Free(HICON h) { DestroyIcon(h); }
};

using BitmapHandle = UniqueHandle<HBITMAP, GdiObjectTraits<HBITMAP>>;
using FontHandle = UniqueHandle<HFONT, GdiObjectTraits<HFONT>>;
using BrushHandle = UniqueHandle<HBRUSH, GdiObjectTraits<HBRUSH>>;
using RegionHandle = UniqueHandle<HRGN, GdiObjectTraits<HRGN>>;
using KernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using FileHandle = UniqueHandle<HANDLE, FileHandleTraits>;
using ModuleHandle = UniqueHandle<HMODULE, ModuleTraits>;
using ChangeNotificationHandle = UniqueHandle<HANDLE, ChangeNotificationTraits>;
using FindHandle = UniqueHandle<HANDLE, FindTraits>;
using MenuHandle = UniqueHandle<HMENU, MenuTraits>;
using IconHandle = UniqueHandle<HICON, IconTraits>;

// Selects a GDI object into a DC for one scope and puts the previous one back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelect() { SelectObject(dc_, previous_); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory DC compatible with another one, deleted at scope end.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() { if (dc_) DeleteDC(dc_); }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// COM on this thread as a single-threaded apartment for one scope; uninitialised at scope end
// only if this scope's initialisation succeeded (S_FALSE included, as COM counts it).
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComApartment()
    {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    // Usable for apartment-neutral work also where the thread had chosen the multithreaded one.
    bool Ready() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

private:
    HRESULT result_;
};

// The one owner of a COM interface pointer: released exactly once, never copied.
template <typename Interface>
class ComObject {
public:
    ComObject() = default;
    ~ComObject() { Reset(); }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    Interface* Get() const { return object_; }
    Interface* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    // For calls that hand out a new reference: releases what is held first.
    Interface** Receive()
    {
        Reset();
        return &object_;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }

    void Reset()
    {
        if (object_)
            object_->Release();
        object_ = nullptr;
    }

private:
    Interface* object_ = nullptr;
};

// GetDC/ReleaseDC pair.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { if (dc_) ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace rolva
