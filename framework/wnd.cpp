#include "framework/wnd.h"

#include <cstring>
#include <string>

namespace {
const char kObjectProp[] = "Lumaplay.CWnd";
}

void BringToForeground(HWND hwnd) {
    if (hwnd != nullptr && ::GetForegroundWindow() != hwnd)
        ::SetForegroundWindow(hwnd);
}

void SetWindowTextIfChanged(HWND hwnd, const char* text) {
    const std::size_t length = std::strlen(text);
    if (static_cast<std::size_t>(::GetWindowTextLengthA(hwnd)) == length) {
        std::string current(length + 1, '\0');
        const int copied = ::GetWindowTextA(hwnd, &current[0], static_cast<int>(length) + 1);
        if (copied == static_cast<int>(length) && std::memcmp(current.data(), text, length) == 0)
            return;
    }
    ::SetWindowTextA(hwnd, text);
}

CWnd::~CWnd() {
    if (m_oldWndProc != nullptr && m_hWnd != nullptr && ::IsWindow(m_hWnd))
        UnsubclassWindow();
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    return static_cast<CWnd*>(::GetPropA(hwnd, kObjectProp));
}

bool CWnd::SubclassDlgItem(int id, CWnd* parent) {
    HWND child = ::GetDlgItem(parent->m_hWnd, id);
    return child != nullptr && SubclassWindow(child);
}

bool CWnd::SubclassWindow(HWND hwnd) {
    if (m_hWnd != nullptr || FromHandle(hwnd) != nullptr)
        return false;
    m_hWnd = hwnd;
    PreSubclassWindow();
    ::SetPropA(hwnd, kObjectProp, this);
    m_oldWndProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    return true;
}

HWND CWnd::UnsubclassWindow() {
    HWND hwnd = m_hWnd;
    if (hwnd != nullptr && m_oldWndProc != nullptr) {
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_oldWndProc));
        ::RemovePropA(hwnd, kObjectProp);
    }
    m_oldWndProc = nullptr;
    m_hWnd = nullptr;
    return hwnd;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

std::string CWnd::GetWindowText() const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = ::GetWindowTextA(m_hWnd, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_oldWndProc != nullptr)
        return ::CallWindowProcA(m_oldWndProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

bool CWnd::DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_DRAWITEM) {
        // Owner-drawn controls draw themselves.
        DRAWITEMSTRUCT* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        CWnd* control = item != nullptr ? FromHandle(item->hwndItem) : nullptr;
        if (control != nullptr && control->ReflectDrawItem(item)) {
            result = TRUE;
            return true;
        }
    }
    const MessageMapEntry* entry = GetMessageMap();
    for (; entry != nullptr && entry->message != 0; ++entry) {
        if (entry->message != message)
            continue;
        if (message == WM_COMMAND) {
            // Menu items, accelerators and button clicks all carry code 0.
            if (entry->commandId != LOWORD(wParam) || HIWORD(wParam) != 0)
                continue;
            (this->*entry->onCommand)();
            result = 0;
            return true;
        }
        result = (this->*entry->onMessage)(wParam, lParam);
        return true;
    }
    return false;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (DispatchToMap(message, wParam, lParam, result))
        return result;
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* self = FromHandle(hwnd);
    if (self == nullptr)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    CurrentMessage saved = self->m_current;
    self->m_current = {message, wParam, lParam};
    LRESULT result;
    if (message == WM_NCDESTROY) {
        // The window is gone after this: hand the message on and let go of it.
        WNDPROC old = self->m_oldWndProc;
        self->UnsubclassWindow();
        result = ::CallWindowProcA(old, hwnd, message, wParam, lParam);
        return result;
    }
    result = self->WindowProc(message, wParam, lParam);
    self->m_current = saved;
    return result;
}
