// The flat icon button in a window of this test: its look in each state, read back
// pixel by pixel, its hover tracking through real input, its double click, and the
// GDI objects it leaves behind.
#include <gtest/gtest.h>

#include <windows.h>
#include <winternl.h>

#include <cstdio>
#include <string>

#include "controls/flat_icon_button.h"
#include "res/resource.h"

namespace {

int g_clicks = 0;

// The GDI objects this process holds. Windows counts them itself; Wine reports 0
// there, so under Wine the entries in use in the process's GDI handle table are
// counted (its table hangs off the process environment block).
long GdiObjectCount() {
    DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0 ||
        ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") == nullptr)
        return static_cast<long>(counted);
    struct WineGdiEntry {
        UINT64 object;
        ULONG owner;
        USHORT unique;
        UCHAR type;
        UCHAR flags;
        UINT64 user;
    };
    static_assert(sizeof(WineGdiEntry) == 24, "layout of Wine's GDI handle entries");
    PROCESS_BASIC_INFORMATION basic = {};
    ULONG length = 0;
    ::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &basic,
                                sizeof(basic), &length);
    const char* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
    // The table pointer's place in the environment block differs between the builds.
    const std::size_t tableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
    const WineGdiEntry* table = *reinterpret_cast<WineGdiEntry* const*>(peb + tableOffset);
    if (table == nullptr)
        return 0;
    long count = 0;
    for (int i = 0; i < 0x10000; ++i)
        count += table[i].type != 0;
    return count;
}

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_OPEN && HIWORD(wParam) == BN_CLICKED)
        ++g_clicks;
    LRESULT result = 0;
    // The parent reflects owner drawing to the button, as the dialogs do.
    if (message == WM_DRAWITEM) {
        DRAWITEMSTRUCT* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (CWnd* button = CWnd::FromHandle(item->hwndItem)) {
            static_cast<CFlatIconButton*>(button)->DrawItem(item);
            return TRUE;
        }
    }
    result = ::DefWindowProcA(hwnd, message, wParam, lParam);
    return result;
}

void Pump() {
    MSG msg;
    for (int i = 0; i < 5; ++i) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(20);
    }
}

// Pumps this thread's messages until done() is true, for at most five seconds.
template <typename Done> bool WaitForCondition(Done done) {
    for (int i = 0; i < 250; ++i) {
        Pump();
        if (done())
            return true;
    }
    return false;
}

// Saves the button's picture as a BMP beside the test program, for looking at.
void SaveBitmap(HWND button, const char* name) {
    RECT r;
    ::GetClientRect(button, &r);
    HDC dc = ::GetDC(button);
    HDC memory = ::CreateCompatibleDC(dc);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = r.right;
    info.bmiHeader.biHeight = r.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    DWORD stride = ((r.right * 3 + 3) / 4) * 4;
    DWORD size = stride * r.bottom;
    BITMAPFILEHEADER file = {0x4D42,
                             static_cast<DWORD>(sizeof(file) + sizeof(info.bmiHeader) + size), 0, 0,
                             static_cast<DWORD>(sizeof(file) + sizeof(info.bmiHeader))};
    if (FILE* out = std::fopen(name, "wb")) {
        std::fwrite(&file, sizeof(file), 1, out);
        std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out);
        std::fwrite(bits, size, 1, out);
        std::fclose(out);
    }
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(button, dc);
}

class FlatButton : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &ParentProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "FlatButtonTestParent";
        ::RegisterClassA(&wc);
        parent = ::CreateWindowA("FlatButtonTestParent", "flat button test",
                                 WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 120, nullptr,
                                 nullptr, wc.hInstance, nullptr);
        HWND hwnd =
            ::CreateWindowA("BUTTON", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 40, 30, 24, 22,
                            parent, reinterpret_cast<HMENU>(IDC_OPEN), wc.hInstance, nullptr);
        ASSERT_TRUE(button.SubclassWindow(hwnd));
        button.SetIcons(IDI_OPEN, 0, 0);
        button.SetHotBkColor(kHot, 0);
        ::SetForegroundWindow(parent);
        ::SetActiveWindow(parent);
        Pump();
    }
    void TearDown() override {
        ::ReleaseCapture();
        button.UnsubclassWindow();
        ::DestroyWindow(parent);
    }
    COLORREF Pixel(int x, int y) {
        ::RedrawWindow(button.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = ::GetDC(button.m_hWnd);
        COLORREF colour = ::GetPixel(dc, x, y);
        ::ReleaseDC(button.m_hWnd, dc);
        return colour;
    }
    void MoveMouseTo(int x, int y) {
        POINT p = {x, y};
        ::ClientToScreen(button.m_hWnd, &p);
        ::SetCursorPos(p.x, p.y);
        ::SendMessageA(button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        Pump();
    }

    static constexpr COLORREF kHot = RGB(232, 228, 220);
    HWND parent = nullptr;
    CFlatIconButton button;
};

TEST_F(FlatButton, DrawsEachStateByTheRules) {
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = ::GetSysColor(COLOR_BTNSHADOW);
    // Icon 16 x 14 centred in 24 x 22: its top left corner at (4, 4). The open
    // icon's top left pixel is transparent; (1, 3) of the icon is its folder tab.
    EXPECT_EQ(Pixel(0, 0), face);
    EXPECT_EQ(Pixel(1, 1), face);
    EXPECT_EQ(Pixel(23, 21), face);
    const COLORREF tab = Pixel(4 + 1, 4 + 3);
    EXPECT_NE(tab, face);
    SaveBitmap(button.m_hWnd, "flat-button-normal.bmp");

    MoveMouseTo(12, 11);
    EXPECT_EQ(Pixel(0, 0), light);  // raised: light above and left
    EXPECT_EQ(Pixel(23, 21), dark); // dark below and right
    EXPECT_EQ(Pixel(1, 1), kHot);   // hot face colour
    EXPECT_EQ(::GetCapture(), button.m_hWnd);
    SaveBitmap(button.m_hWnd, "flat-button-hot.bmp");

    ::SendMessageA(button.m_hWnd, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(Pixel(0, 0), dark); // sunken
    EXPECT_EQ(Pixel(23, 21), light);
    EXPECT_EQ(Pixel(4 + 1 + 1, 4 + 3 + 1), tab); // the icon moved one down and right
    SaveBitmap(button.m_hWnd, "flat-button-pressed.bmp");
    ::SendMessageA(button.m_hWnd, BM_SETSTATE, FALSE, 0);

    // The mouse leaves: the light goes out and the capture is given back.
    MoveMouseTo(-20, -20);
    EXPECT_EQ(Pixel(0, 0), face);
    EXPECT_EQ(Pixel(1, 1), face);
    EXPECT_NE(::GetCapture(), button.m_hWnd);
}

TEST_F(FlatButton, LeavingWithTheButtonHeldKeepsTheCapture) {
    MoveMouseTo(12, 11);
    ASSERT_EQ(::GetCapture(), button.m_hWnd);
    POINT p = {-20, -20};
    ::ClientToScreen(button.m_hWnd, &p);
    ::SetCursorPos(p.x, p.y);
    ::SendMessageA(button.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-20, -20));
    EXPECT_EQ(::GetCapture(), button.m_hWnd);
    EXPECT_EQ(Pixel(1, 1), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(FlatButton, APressDraggedOntoTheButtonDoesNotLightIt) {
    ::SendMessageA(button.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(12, 11));
    EXPECT_NE(::GetCapture(), button.m_hWnd);
    EXPECT_EQ(Pixel(1, 1), ::GetSysColor(COLOR_BTNFACE));
}

// Another application in the foreground: here a window of another thread, which
// has an input queue of its own, as another program's window would.
DWORD WINAPI OtherApplication(LPVOID done) {
    HWND other = ::CreateWindowA("STATIC", "other application", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 300, 300, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ::SetForegroundWindow(other);
    MSG msg;
    while (::WaitForSingleObject(done, 10) == WAIT_TIMEOUT) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    ::DestroyWindow(other);
    return 0;
}

TEST_F(FlatButton, NoLightWhileAnotherApplicationIsActive) {
    HANDLE done = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = ::CreateThread(nullptr, 0, &OtherApplication, done, 0, nullptr);
    ASSERT_TRUE(WaitForCondition([] { return ::GetActiveWindow() == nullptr; }));
    ::SendMessageA(button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(12, 11));
    EXPECT_NE(::GetCapture(), button.m_hWnd);
    EXPECT_EQ(Pixel(1, 1), ::GetSysColor(COLOR_BTNFACE));
    ::SetEvent(done);
    ::WaitForSingleObject(thread, 5000);
    ::CloseHandle(thread);
    ::CloseHandle(done);
}

TEST_F(FlatButton, DoubleClickCountsAsTwoClicks) {
    g_clicks = 0;
    const LPARAM at = MAKELPARAM(12, 11);
    ::SendMessageA(button.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(button.m_hWnd, WM_LBUTTONUP, 0, at);
    ::SendMessageA(button.m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::SendMessageA(button.m_hWnd, WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_EQ(g_clicks, 2);
}

TEST_F(FlatButton, RepaintsLeaveNoGdiObjectsBehind) {
    MoveMouseTo(12, 11);
    Pixel(0, 0); // first paint
    const long before = GdiObjectCount();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 200; ++i) {
        ::SendMessageA(button.m_hWnd, BM_SETSTATE, i % 2, 0);
        ::RedrawWindow(button.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    EXPECT_EQ(GdiObjectCount(), before);
}

} // namespace
