// RAII owners for the Win32 handles the platform holds: windows, device
// contexts, GDI objects, icons, registry keys, kernel handles, COM interfaces
// and COM itself, and for the scoped changes to a device context: selected
// objects, saved states and painting. Each owner is move-only: a handle has
// exactly one owner, which releases it when it goes.
// Needs: <windows.h>, <objbase.h>.
#pragma once

#include <windows.h>

#include <objbase.h>

#include <utility>

namespace startart::win32 {

template <class Traits>
class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return Traits::Valid(handle_); }
    // Gives the handle up without releasing it.
    Handle release() { return std::exchange(handle_, Traits::Invalid()); }
    void reset(Handle handle = Traits::Invalid()) {
        if (Traits::Valid(handle_)) {
            Traits::Close(handle_);
        }
        handle_ = handle;
    }

  private:
    Handle handle_ = Traits::Invalid();
};

template <class H, auto CloseFunction>
struct NullIsInvalid {
    using Handle = H;
    static Handle Invalid() { return nullptr; }
    static bool Valid(Handle handle) { return handle != nullptr; }
    static void Close(Handle handle) { CloseFunction(handle); }
};

struct KernelTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static bool Valid(Handle handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { CloseHandle(handle); }
};

using UniqueWindow = UniqueHandle<NullIsInvalid<HWND, DestroyWindow>>;
using UniqueDc = UniqueHandle<NullIsInvalid<HDC, DeleteDC>>;
using UniqueIcon = UniqueHandle<NullIsInvalid<HICON, DestroyIcon>>;
using UniqueKey = UniqueHandle<NullIsInvalid<HKEY, RegCloseKey>>;
using UniqueKernelHandle = UniqueHandle<KernelTraits>;
template <class T>
using UniqueGdiObject = UniqueHandle<NullIsInvalid<T, DeleteObject>>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueRegion = UniqueGdiObject<HRGN>;

// A device context got with GetDC, given back with ReleaseDC.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// A change to a device context, undone when this goes by handing Undo the
// state from before the change. Changes are undone in the reverse order of
// making them, so they move by construction only: assigning one would undo
// a change while a later one still stands on top of it.
template <class State, auto Undo>
class DcChange {
  public:
    DcChange(HDC dc, State before) : dc_(dc), before_(before) {}
    ~DcChange() {
        if (dc_) {
            Undo(dc_, before_);
        }
    }
    DcChange(DcChange&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)), before_(other.before_) {}
    DcChange(const DcChange&) = delete;
    DcChange& operator=(const DcChange&) = delete;

  private:
    HDC dc_;
    State before_;
};

// An object selected into a device context for a while; the one it replaced
// comes back when this goes.
class Selection : public DcChange<HGDIOBJ, SelectObject> {
  public:
    Selection(HDC dc, HGDIOBJ object) : DcChange(dc, SelectObject(dc, object)) {}
};

// The state of a device context (clipping, selections, modes), saved and
// brought back when this goes.
class SavedDc : public DcChange<int, RestoreDC> {
  public:
    explicit SavedDc(HDC dc) : DcChange(dc, SaveDC(dc)) {}
};

// The painting of a window's invalid area, from BeginPaint to EndPaint.
class PaintDc {
  public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() {
        if (window_) {
            EndPaint(window_, &paint_);
        }
    }
    PaintDc(PaintDc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), paint_(other.paint_), dc_(other.dc_) {}
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC get() const { return dc_; }
    // The area to paint; drawing outside it is clipped away.
    const RECT& Area() const { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

template <class T>
class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    T* operator->() const { return pointer_; }
    T* Get() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // For functions that hand out a new reference; drops the one held.
    T** Put() {
        Reset();
        return &pointer_;
    }
    void Reset() {
        if (pointer_) {
            std::exchange(pointer_, nullptr)->Release();
        }
    }

  private:
    T* pointer_ = nullptr;
};

// COM for this thread, for as long as this lives.
class ComApartment {
  public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool initialised_;
};

}  // namespace startart::win32
