// Device contexts and GDI objects: owned, never copied, always given back.
#pragma once

#include <windows.h>

// A device context. It owns nothing by itself; derived classes that make one delete it.
class CDC {
  public:
    CDC() = default;
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    HDC m_hDC = nullptr;
};

// A GDI object (brush, pen, bitmap) or an icon the program made itself (not a shared
// one), given back to the system by Free when its owner goes.
template <typename Handle, auto Free> class GdiOwner {
  public:
    GdiOwner() = default;
    explicit GdiOwner(Handle handle) : m_handle(handle) {}
    ~GdiOwner() { reset(); }
    GdiOwner(const GdiOwner&) = delete;
    GdiOwner& operator=(const GdiOwner&) = delete;
    Handle get() const { return m_handle; }
    void reset(Handle handle = nullptr) {
        if (m_handle != nullptr)
            Free(m_handle);
        m_handle = handle;
    }

  private:
    Handle m_handle = nullptr;
};

template <typename Handle> using GdiObject = GdiOwner<Handle, &::DeleteObject>;
using OwnedIcon = GdiOwner<HICON, &::DestroyIcon>;

// A window's device context, given back when its owner goes.
class WindowDC {
  public:
    explicit WindowDC(HWND hwnd) : m_hwnd(hwnd), m_dc(::GetDC(hwnd)) {}
    ~WindowDC() {
        if (m_dc != nullptr)
            ::ReleaseDC(m_hwnd, m_dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return m_dc; }

  private:
    HWND m_hwnd;
    HDC m_dc;
};

// Selects an object into a device context and selects the earlier one back.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ object)
        : m_dc(dc), m_previous(object != nullptr ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectGuard() {
        if (m_previous != nullptr)
            ::SelectObject(m_dc, m_previous);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

  private:
    HDC m_dc;
    HGDIOBJ m_previous;
};
