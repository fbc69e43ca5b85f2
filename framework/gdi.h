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

// A GDI object made for the length of a scope.
template <typename Handle> class GdiObject {
  public:
    explicit GdiObject(Handle handle) : m_handle(handle) {}
    ~GdiObject() {
        if (m_handle != nullptr)
            ::DeleteObject(m_handle);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    Handle get() const { return m_handle; }

  private:
    Handle m_handle;
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
