// Owning wrappers for Win32 handles and COM pointers.
//
// An owning type releases its handle exactly once; a borrowed handle stays a
// raw HWND/HANDLE and never goes into one of these.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <string_view>
#include <utility>

namespace win {

// Traits: Type, the value meaning "no handle", and how to release one.
template <typename Traits>
class Unique {
public:
    using Type = typename Traits::Type;

    Unique() = default;
    explicit Unique(Type h) : h_(h) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : h_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    ~Unique() { reset(); }

    Type get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Invalid(); }

    Type release() { return std::exchange(h_, Traits::Invalid()); }
    void reset(Type h = Traits::Invalid())
    {
        if (h_ != Traits::Invalid())
            Traits::Close(h_);
        h_ = h;
    }
    // Releases the current handle and gives the address for an out parameter.
    Type* put()
    {
        reset();
        return &h_;
    }

private:
    Type h_ = Traits::Invalid();
};

namespace detail {
template <typename T, auto CloseFn>
struct NullTraits {
    using Type = T;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { CloseFn(h); }
};
template <auto CloseFn>
struct InvalidValueTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) { CloseFn(h); }
};
inline void DeleteGdi(HGDIOBJ h) { DeleteObject(h); }
} // namespace detail

using UniqueHandle     = Unique<detail::NullTraits<HANDLE, CloseHandle>>;          // events, threads, mutexes
using UniqueFile       = Unique<detail::InvalidValueTraits<CloseHandle>>;          // CreateFile
using UniqueFind       = Unique<detail::InvalidValueTraits<FindClose>>;            // FindFirstFile
using UniqueKey        = Unique<detail::NullTraits<HKEY, RegCloseKey>>;
using UniqueIcon       = Unique<detail::NullTraits<HICON, DestroyIcon>>;
using UniqueMenu       = Unique<detail::NullTraits<HMENU, DestroyMenu>>;
using UniqueAccel      = Unique<detail::NullTraits<HACCEL, DestroyAcceleratorTable>>;
using UniqueModule     = Unique<detail::NullTraits<HMODULE, FreeLibrary>>;
using UniqueWindow     = Unique<detail::NullTraits<HWND, DestroyWindow>>;
using UniqueMemoryDC   = Unique<detail::NullTraits<HDC, DeleteDC>>;
template <typename T>
using UniqueGdi        = Unique<detail::NullTraits<T, detail::DeleteGdi>>;
using UniqueFont       = UniqueGdi<HFONT>;
using UniqueBrush      = UniqueGdi<HBRUSH>;
using UniquePen        = UniqueGdi<HPEN>;
using UniqueBitmap     = UniqueGdi<HBITMAP>;

// A BSTR copied from a text, freed with the guard; get() is null when the
// copy could not be made.
class Bstr {
public:
    explicit Bstr(std::wstring_view text) : s_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(s_); }
    BSTR get() const { return s_; }

private:
    BSTR s_;
};

// A device context borrowed from a window with GetDC and given back with
// ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC()
    {
        if (dc_)
            ReleaseDC(hwnd_, dc_);
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// The device context of a WM_PAINT handler: BeginPaint on construction,
// EndPaint on destruction, which validates the painted region.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(hwnd_, &ps_); }
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_ = {};
    HDC dc_;
};

// Selects a GDI object into a DC for the lifetime of the guard.
class SelectObjectGuard {
public:
    SelectObjectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    SelectObjectGuard(const SelectObjectGuard&) = delete;
    SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;
    ~SelectObjectGuard() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// An owned COM interface pointer.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other) {
            reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ~ComPtr() { reset(); }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void reset()
    {
        if (p_)
            std::exchange(p_, nullptr)->Release();
    }
    T** put()
    {
        reset();
        return &p_;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }

private:
    T* p_ = nullptr;
};

// COM initialised for the current thread (single-threaded apartment) for the
// lifetime of the object. A thread already in another apartment keeps it.
class ComInit {
public:
    ComInit() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ComInit(const ComInit&) = delete;
    ComInit& operator=(const ComInit&) = delete;
    ~ComInit()
    {
        if (SUCCEEDED(hr_))
            CoUninitialize();
    }

private:
    HRESULT hr_;
};

} // namespace win
