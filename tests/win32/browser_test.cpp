// The browser host in a window of this test: the control is embedded, navigates to a
// written page file and reports that file as its location.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "playback/web_browser.h"
#include "res/resource.h"

namespace {

void Pump(DWORD ms) {
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
    }
}

std::string TempPage(const char* name, const char* text) {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + name;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
    ::CloseHandle(file);
    return path;
}

TEST(WebBrowserHost, NavigatesToAPlainPathAndFillsItsWindow) {
    AfxEnableControlContainer();
    HWND parent = ::CreateWindowA("STATIC", "host test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  400, 300, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    HWND host =
        ::CreateWindowA(WEBBROWSER_CLSID_STRING, "", WS_CHILD | WS_VISIBLE, 0, 20, 300, 200, parent,
                        reinterpret_cast<HMENU>(IDC_BROWSER), ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(host, nullptr);
    CWebBrowser browser;
    ASSERT_TRUE(browser.SubclassWindow(host));
    // Given nothing to show until the first Navigate.
    EXPECT_EQ(browser.GetLocationURL(), "");

    std::string page = TempPage("lumtest1.TMP", "<HTML><BODY>one</BODY></HTML>\r\n");
    browser.Navigate(page.c_str());
    std::string location;
    for (int i = 0; i < 100 && location.empty(); ++i) {
        Pump(50);
        location = browser.GetLocationURL();
    }
    std::string name = "lumtest1.TMP";
    EXPECT_NE(location.find(name), std::string::npos) << location;

    // The control's own window fills the host.
    HWND inner = ::GetWindow(host, GW_CHILD);
    ASSERT_NE(inner, nullptr);
    RECT hostRect, innerRect;
    ::GetClientRect(host, &hostRect);
    ::GetWindowRect(inner, &innerRect);
    EXPECT_EQ(innerRect.right - innerRect.left, hostRect.right);
    EXPECT_EQ(innerRect.bottom - innerRect.top, hostRect.bottom);

    // The same path again after a rewrite is navigated again.
    std::string second = TempPage("lumtest2.TMP", "<HTML><BODY>two</BODY></HTML>\r\n");
    browser.Navigate(second.c_str());
    for (int i = 0; i < 100 && location.find("lumtest2") == std::string::npos; ++i) {
        Pump(50);
        location = browser.GetLocationURL();
    }
    EXPECT_NE(location.find("lumtest2.TMP"), std::string::npos) << location;

    browser.UnsubclassWindow();
    ::DestroyWindow(parent);
    ::DeleteFileA(page.c_str());
    ::DeleteFileA(second.c_str());
}

} // namespace
