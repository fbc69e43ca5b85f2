// The player window's parts in windows of this test: flat button, window text, browser.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "controls/flat_icon_button.h"
#include "playback/web_browser.h"
#include "res/resource.h"
#include "ui/player_dlg.h"

static HWND Window(const char* type, DWORD style, int x, int y, int cx, int cy, HWND parent = 0) {
    return ::CreateWindowA(type, "", style | WS_VISIBLE, x, y, cx, cy, parent, 0, 0, nullptr);
}

static void Pump() {
    for (int i = 0; i < 5; ++i, ::Sleep(20))
        for (MSG msg; ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);)
            ::DispatchMessageA(&msg);
}

static std::string File(const char* name, const std::string& bytes) { // its full path
    std::ofstream(name, std::ios::binary) << bytes;
    char path[MAX_PATH] = {};
    return std::string(path, ::GetFullPathNameA(name, MAX_PATH, path, nullptr));
}

// A 24 x 22 flat button with the open icon, in a window that has it draw itself and counts clicks.
struct Button : CWnd {
    Button() {
        ::SetCursorPos(0, 0); // away from the button, which a real mouse move would light
        SubclassWindow(Window("STATIC", WS_POPUP, 50, 50, 200, 120));
        button.SubclassWindow(Window("BUTTON", WS_CHILD, 40, 30, 24, 22, m_hWnd));
        button.SetIcon(IDI_OPEN);
        button.SetHotBkColor(RGB(232, 228, 220), 0);
        ::SetForegroundWindow(m_hWnd);
        Pump();
    }
    ~Button() override { ::DestroyWindow(m_hWnd); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        clicks += message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void Mouse(int x, int y) {
        ::SetCursorPos(90 + x, 80 + y);
        ::SendMessageA(button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        Pump();
    }
    // Corners, face, where the icon's pixel (1, 3) is at rest and pressed; focus mark;
    // capture; clicks.
    std::string Look() {
        ::RedrawWindow(button.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const COLORREF colours[] = {RGB(0x6E, 0x46, 0x1E), RGB(232, 228, 220),
                                    GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT),
                                    GetSysColor(COLOR_BTNSHADOW)};
        const char* names[] = {"tab ", "hot ", "face ", "light ", "dark "};
        std::string look;
        HDC dc = ::GetDC(button.m_hWnd);
        for (POINT p : {POINT{0, 0}, {23, 21}, {1, 1}, {5, 7}, {6, 8}})
            for (int i = 0; i < 5; ++i)
                look += ::GetPixel(dc, p.x, p.y) == colours[i] ? names[i] : "";
        int dots = 0; // a focus mark: the dotted line along the top, inside the face
        for (int x = 2; x < 21; ++x)
            dots += ::GetPixel(dc, x, 2) != ::GetPixel(dc, x + 1, 2);
        look += dots >= 8 ? "focus " : "";
        ::ReleaseDC(button.m_hWnd, dc);
        return look + (::GetCapture() == button.m_hWnd ? "captured " : "") + char('0' + clicks);
    }
    CFlatIconButton button;
    int clicks = 0;
};

TEST(FlatButton, LookAndMouse) {
    Button b;
    EXPECT_EQ(b.Look(), "face face face tab tab 0");
    ::SendMessageA(b.button.m_hWnd, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(b.Look(), "dark light hot hot tab 0"); // pressed: sunken, icon moved
    ::SendMessageA(b.button.m_hWnd, BM_SETSTATE, FALSE, 0);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        ::SendMessageA(b.button.m_hWnd, message, 0, 0);
    EXPECT_EQ(b.Look(), "face face face tab tab focus 2"); // a double click is a second click
    ::SetForegroundWindow(::GetDesktopWindow());
    b.Mouse(12, 11);
    EXPECT_EQ(b.Look(), "face face face tab tab 2"); // another program's window is active
    ::SetForegroundWindow(b.m_hWnd);
    ::SetFocus(b.button.m_hWnd); // reached by the keyboard: its focus mark shows
    ::SendMessageW(b.button.m_hWnd, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    EXPECT_EQ(b.Look(), "face face face tab tab focus 2");
    ::EnableWindow(b.button.m_hWnd, FALSE);
    EXPECT_EQ(b.Look(), "face face face dark dark 2"); // disabled
}

TEST(WebBrowserHost, NavigatesToAPlainPath) {
    AfxEnableControlContainer();
    OleSession ole;
    HWND parent = Window("STATIC", WS_POPUP, 0, 0, 400, 300);
    CWebBrowser browser;
    browser.SubclassWindow(Window(WEBBROWSER_CLSID_STRING, WS_CHILD, 0, 20, 300, 200, parent));
    browser.Navigate(File("lumtest.TMP", "<HTML><BODY>page</BODY></HTML>\r\n").c_str());
    std::string url;
    for (int i = 0; i < 100 && (url = browser.GetLocationURL()).find("lumtest") == url.npos; ++i)
        Pump();
    EXPECT_NE(url.find("lumtest.TMP"), url.npos) << url;
    ::DeleteFileA("lumtest.TMP");
    ::DestroyWindow(parent);
}
