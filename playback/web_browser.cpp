#include "playback/web_browser.h"

#include "res/resource.h"

namespace {

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

void AfxEnableControlContainer() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &HostWindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = WEBBROWSER_CLSID_STRING;
    ::RegisterClassA(&wc);
}

void CWebBrowser::Navigate(const char*) {}
