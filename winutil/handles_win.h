// Owners for Windows handles: each closes what it holds exactly once and
// cannot be copied, so a handle never outlives or doubles its owner.
#pragma once

#include <windows.h>

#include <utility>

namespace brelvix {

template <typename T, typename Traits> class UniqueResource {
  public:
    UniqueResource() = default;
    explicit UniqueResource(T value) : value_(value) {}
    ~UniqueResource() { Reset(); }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    UniqueResource(UniqueResource&& other) noexcept : value_(other.Release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }

    T Get() const { return value_; }
    explicit operator bool() const { return value_ != Traits::Invalid(); }
    // For APIs that fill in a handle: drops what is held first.
    T* Out() {
        Reset();
        return &value_;
    }
    T Release() { return std::exchange(value_, Traits::Invalid()); }
    void Reset(T value = Traits::Invalid()) {
        if (value_ != Traits::Invalid()) {
            Traits::Close(value_);
        }
        value_ = value;
    }

  private:
    T value_ = Traits::Invalid();
};

struct RegKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
// CreateFile fails with INVALID_HANDLE_VALUE, not with a null handle.
struct FileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct FindHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { FindClose(h); }
};
struct GdiObjectTraits {
    static HGDIOBJ Invalid() { return nullptr; }
    static void Close(HGDIOBJ h) { DeleteObject(h); }
};
struct MemoryDcTraits {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};

using RegKey = UniqueResource<HKEY, RegKeyTraits>;
using KernelHandle = UniqueResource<HANDLE, KernelHandleTraits>;
using FileHandle = UniqueResource<HANDLE, FileHandleTraits>;
using FindHandle = UniqueResource<HANDLE, FindHandleTraits>;
using GdiObject = UniqueResource<HGDIOBJ, GdiObjectTraits>;
using MemoryDc = UniqueResource<HDC, MemoryDcTraits>;

// A window's device context from GetDC, given back with ReleaseDC.
class WindowDc {
  public:
    explicit WindowDc(HWND wnd) : wnd_(wnd), dc_(GetDC(wnd)) {}
    ~WindowDc() {
        if (dc_) {
            ReleaseDC(wnd_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

  private:
    HWND wnd_;
    HDC dc_;
};

// The device context of a WM_PAINT, from BeginPaint, given back with EndPaint.
class PaintDc {
  public:
    explicit PaintDc(HWND wnd) : wnd_(wnd) { BeginPaint(wnd, &ps_); }
    ~PaintDc() { EndPaint(wnd_, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC Get() const { return ps_.hdc; }
    const RECT& Area() const { return ps_.rcPaint; }

  private:
    HWND wnd_;
    PAINTSTRUCT ps_{};
};

// Selects an object into a device context and puts the previous one back.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (old_ && old_ != HGDI_ERROR) {
            SelectObject(dc_, old_);
        }
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace brelvix
