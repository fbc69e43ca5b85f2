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

// A GDI object (brush, pen, bitmap), deleted when its owner goes.
template <typename Handle> class GdiObject {
  public:
    explicit GdiObject(Handle handle) : m_handle(handle) {}
    ~GdiObject() { reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    Handle get() const { return m_handle; }
    void reset(Handle handle = nullptr) {
        if (m_handle != nullptr)
            ::DeleteObject(m_handle);
        m_handle = handle;
    }

  private:
    Handle m_handle;
};

// An icon the program loaded or made itself (not a shared one), destroyed when its
// owner goes.
class OwnedIcon {
  public:
    OwnedIcon() = default;
    ~OwnedIcon() { reset(); }
    OwnedIcon(const OwnedIcon&) = delete;
    OwnedIcon& operator=(const OwnedIcon&) = delete;
    HICON get() const { return m_icon; }
    void reset(HICON icon = nullptr) {
        if (m_icon != nullptr)
            ::DestroyIcon(m_icon);
        m_icon = icon;
    }

  private:
    HICON m_icon = nullptr;
};

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
