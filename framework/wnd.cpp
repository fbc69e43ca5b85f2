#include "framework/wnd.h"

#include <cstring>
#include <string>

#include "framework/geometry.h"
#include "framework/text.h"

namespace {
const wchar_t kObjectProp[] = L"Lumaplay.CWnd";
}

void BringToForeground(HWND hwnd) {
    if (hwnd != nullptr && ::GetForegroundWindow() != hwnd)
        ::SetForegroundWindow(hwnd);
}

namespace {
BOOL CALLBACK FindFrontPopup(HWND hwnd, LPARAM param) {
    HWND& found = *reinterpret_cast<HWND*>(param);
    for (HWND owner = ::GetWindow(hwnd, GW_OWNER); owner != nullptr; owner = ::GetWindow(owner, GW_OWNER))
        if (owner == found && ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd)) {
            found = hwnd;
            return FALSE;
        }
    return TRUE;
}
} // namespace

HWND FrontPopup(HWND owner) {
    // The thread's windows come in Z order, the topmost first.
    HWND found = owner;
    ::EnumThreadWindows(::GetWindowThreadProcessId(owner, nullptr), &FindFrontPopup,
                        reinterpret_cast<LPARAM>(&found));
    return found;
}

Rect DesktopWorkArea() {
    RECT work = {};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return Rect{work.left, work.top, work.right, work.bottom};
}

void PlaceInsideWorkArea(HWND hwnd) {
    HWND owner = ::GetWindow(hwnd, GW_OWNER);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(owner != nullptr ? owner : hwnd, MONITOR_DEFAULTTONEAREST),
                      &monitor);
    RECT area = monitor.rcWork, rect;
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &area);
    ::GetWindowRect(hwnd, &rect);
    const auto toRect = [](const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; };
    const Rect at = CentredInside(toRect(rect), toRect(area), toRect(monitor.rcWork));
    if (at.left != rect.left || at.top != rect.top)
        ::SetWindowPos(hwnd, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {
// The innermost open scope. Only the window thread shows windows, so one will do.
PopupInsideWorkArea* g_popupScope = nullptr;
}

PopupInsideWorkArea::PopupInsideWorkArea()
    : m_hook(::SetWindowsHookExW(WH_CBT, &OnCbt, nullptr, ::GetCurrentThreadId())),
      m_outer(g_popupScope) {
    g_popupScope = this;
}

PopupInsideWorkArea::~PopupInsideWorkArea() {
    g_popupScope = m_outer;
    if (m_hook != nullptr)
        ::UnhookWindowsHookEx(m_hook);
}

LRESULT CALLBACK PopupInsideWorkArea::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    // Activated, the window has its size and the system's place: it is moved before it
    // is first drawn there.
    PopupInsideWorkArea* scope = g_popupScope;
    if (code == HCBT_ACTIVATE && scope != nullptr && !scope->m_placed) {
        scope->m_placed = true;
        PlaceInsideWorkArea(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string WindowText(HWND hwnd) {
    int length = ::GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int copied = ::GetWindowTextW(hwnd, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return Narrow(text);
}

void SetWindowTextIfChanged(HWND hwnd, const char* text) {
    if (WindowText(hwnd) != text)
        ::SetWindowTextW(hwnd, Widen(text).c_str());
}

CWnd::~CWnd() {
    if (m_oldWndProc != nullptr && m_hWnd != nullptr && ::IsWindow(m_hWnd))
        UnsubclassWindow();
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    return static_cast<CWnd*>(::GetPropW(hwnd, kObjectProp));
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
    ::SetPropW(hwnd, kObjectProp, this);
    m_oldWndProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    return true;
}

HWND CWnd::UnsubclassWindow() {
    HWND hwnd = m_hWnd;
    if (hwnd != nullptr && m_oldWndProc != nullptr) {
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_oldWndProc));
        ::RemovePropW(hwnd, kObjectProp);
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
    return WindowText(m_hWnd);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_oldWndProc != nullptr)
        return ::CallWindowProcW(m_oldWndProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
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
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    CurrentMessage saved = self->m_current;
    self->m_current = {message, wParam, lParam};
    LRESULT result;
    if (message == WM_NCDESTROY) {
        // The window is gone after this: hand the message on and let go of it.
        WNDPROC old = self->m_oldWndProc;
        self->UnsubclassWindow();
        result = ::CallWindowProcW(old, hwnd, message, wParam, lParam);
        return result;
    }
    result = self->WindowProc(message, wParam, lParam);
    self->m_current = saved;
    return result;
}
