// Setting a window's text only when it differs, on a real edit field: an unchanged
// text sends nothing (no redraw, the selection stays), any difference is set.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "framework/wnd.h"

namespace {

int g_setTextCount = 0;
WNDPROC g_editProc = nullptr;

LRESULT CALLBACK CountingEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT)
        ++g_setTextCount;
    return ::CallWindowProcA(g_editProc, hwnd, message, wParam, lParam);
}

std::string TextOf(HWND hwnd) {
    char text[256] = {};
    ::GetWindowTextA(hwnd, text, sizeof(text));
    return text;
}

} // namespace

TEST(WindowText, OnlyADifferentTextIsSet) {
    HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 200, 24, nullptr,
                                  nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    g_editProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingEditProc)));

    // The empty field stays as it is.
    SetWindowTextIfChanged(edit, "");
    EXPECT_EQ(g_setTextCount, 0);

    const std::string path = "C:\\\x95\x5C\\pic.pch"; // a Shift_JIS name ending in 0x5C
    SetWindowTextIfChanged(edit, path.c_str());
    EXPECT_EQ(g_setTextCount, 1);
    EXPECT_EQ(TextOf(edit), path);

    // The same text again: nothing is sent and the user's selection survives.
    ::SendMessageA(edit, EM_SETSEL, 3, 5);
    SetWindowTextIfChanged(edit, path.c_str());
    EXPECT_EQ(g_setTextCount, 1);
    DWORD start = 0, end = 0;
    ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 3u);
    EXPECT_EQ(end, 5u);

    // Texts that share a beginning, differ in one byte or are empty are all set.
    for (const char* other :
         {"C:\\\x95\x5C\\pic.pc", "C:\\\x95\x5C\\pic.pchx", "C:\\\x95\x5C\\pic.spc", ""}) {
        const int before = g_setTextCount;
        SetWindowTextIfChanged(edit, other);
        EXPECT_EQ(g_setTextCount, before + 1) << other;
        EXPECT_EQ(TextOf(edit), other);
    }
    ::DestroyWindow(edit);
}
