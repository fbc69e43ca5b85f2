// Owners of the system's handles: each closes what it holds when it goes, on every
// path, and none is copied. A kernel handle, a COM interface pointer and a BSTR; the
// GDI objects have theirs in framework/gdi.h, registry keys in settings/registry.h.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <utility>

#include "framework/system_dlls.h"

// A kernel object handle (file, process, thread, mutex). Both of the system's "no
// handle" values count as empty.
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : m_handle(handle) {}
    ~UniqueHandle() { Close(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    bool valid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
    HANDLE release() { return std::exchange(m_handle, nullptr); }
    void reset(HANDLE handle = nullptr) {
        Close();
        m_handle = handle;
    }
    // Closes now and tells whether the system closed it cleanly (a file's last
    // buffered bytes can fail here); an empty owner closes nothing and says true.
    bool Close() {
        HANDLE handle = release();
        return handle == nullptr || handle == INVALID_HANDLE_VALUE || ::CloseHandle(handle);
    }

  private:
    HANDLE m_handle = nullptr;
};

// One reference to a COM interface.
template <typename Interface> class ComPtr {
  public:
    ComPtr() = default;
    explicit ComPtr(Interface* adopted) : m_pointer(adopted) {} // takes over that reference
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* get() const { return m_pointer; }
    Interface* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }
    void reset() {
        if (Interface* pointer = std::exchange(m_pointer, nullptr))
            pointer->Release();
    }
    // For a call that hands out a new reference: the old one goes first.
    void** put() {
        reset();
        return reinterpret_cast<void**>(&m_pointer);
    }
    // Asks the object for another of its interfaces.
    template <typename Other> bool QueryInto(REFIID iid, ComPtr<Other>& out) const {
        return m_pointer != nullptr && SUCCEEDED(m_pointer->QueryInterface(iid, out.put())) &&
               out;
    }

  private:
    Interface* m_pointer = nullptr;
};

// A BSTR made by the system's string allocator.
class Bstr {
  public:
    Bstr() = default;
    Bstr(const wchar_t* text, UINT length) : m_text(sys::SysAllocStringLen(text, length)) {}
    ~Bstr() { reset(); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR get() const { return m_text; }
    void reset() {
        if (BSTR text = std::exchange(m_text, nullptr))
            sys::SysFreeString(text);
    }
    BSTR* put() {
        reset();
        return &m_text;
    }

  private:
    BSTR m_text = nullptr;
};
