// Takes the screenshots of docs/ from the real program under Wine: the player window at
// its start, grown, maximised, after a hand-off to a bigger canvas, with a focused, a
// focused and pressed, and a lit button, the About box, the system menu and the
// settings dialog, a play
// into the maximised window and the size it is restored to, and at its smallest. Each shot is a BMP of the window's
// place on the screen (all of it for the maximised window).
//   screenshots.exe <Lumaplay.exe folder> <output prefix>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring g_dir, g_out;
DWORD g_pid = 0;

void Save(const wchar_t* name, RECT r) {
    // A margin round it, inside the screen: a copy reaching past the screen's edge fails.
    InflateRect(&r, 6, 6);
    const RECT screenRect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&r, &r, &screenRect);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    BITMAPINFOHEADER info = {sizeof(info), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const DWORD row = (w * 3 + 3) & ~3u;
    std::string bits(row * h, '\0');
    GetDIBits(dc, bitmap, 0, h, &bits[0], reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof(file) + sizeof(info) + bits.size()), 0, 0,
                             DWORD(sizeof(file) + sizeof(info))};
    FILE* out = _wfopen((g_out + name + L".bmp").c_str(), L"wb");
    fwrite(&file, sizeof(file), 1, out);
    fwrite(&info, sizeof(info), 1, out);
    fwrite(bits.data(), bits.size(), 1, out);
    fclose(out);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

RECT RectOf(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    return r;
}

void Settle(HWND w, int ms = 700) {
    DWORD_PTR result;
    SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
    Sleep(ms);
}

HANDLE Start(const std::wstring& args) {
    std::wstring line = L"\"" + g_dir + L"Lumaplay.exe\" " + args;
    STARTUPINFOW si = {sizeof(si)};
    PROCESS_INFORMATION pi = {};
    CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, g_dir.c_str(), &si, &pi);
    CloseHandle(pi.hThread);
    if (g_pid == 0)
        g_pid = pi.dwProcessId;
    return pi.hProcess;
}

HWND Find(const wchar_t* title) {
    for (int i = 0; i < 200; ++i, Sleep(50)) {
        HWND h = FindWindowW(nullptr, title);
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        if (h != nullptr && pid == g_pid && IsWindowVisible(h))
            return h;
    }
    return nullptr;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3)
        return 2;
    g_dir = argv[1];
    g_out = argv[2];
    HANDLE main = Start(L"\"" + g_dir + L"sample[SX400SY300].pch\"");
    HWND w = Find(L"Lumaplay [PaintBBS]");
    if (w == nullptr)
        return 1;
    SetCursorPos(1000, 750);
    Settle(w);
    Save(L"start", RectOf(w));
    RECT r = RectOf(w);
    SetWindowPos(w, nullptr, r.left, r.top, r.right - r.left + 200, r.bottom - r.top + 60, SWP_NOZORDER);
    Settle(w);
    Save(L"grow", RectOf(w));
    ShowWindow(w, SW_MAXIMIZE);
    Settle(w);
    Save(L"maximise", RectOf(w));
    ShowWindow(w, SW_RESTORE);
    Settle(w);
    HANDLE second = Start(L"\"" + g_dir + L"bigger[SX640SY400].pch\"");
    WaitForSingleObject(second, 15000);
    CloseHandle(second);
    Settle(w);
    Save(L"handoff", RectOf(w));
    // The keyboard reaches the open button: the system's cues show.
    SetForegroundWindow(w);
    SendMessageW(w, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(w, 1002)), TRUE);
    SendMessageW(w, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    Settle(w);
    Save(L"focus", RectOf(w));
    HWND open = GetDlgItem(w, 1002);
    SendMessageW(open, BM_SETSTATE, TRUE, 0);
    Settle(w);
    Save(L"pressed", RectOf(w));
    SendMessageW(open, BM_SETSTATE, FALSE, 0);
    RECT b = RectOf(GetDlgItem(w, 1004));
    SetCursorPos((b.left + b.right) / 2, (b.top + b.bottom) / 2);
    Settle(w);
    Save(L"lit", RectOf(w));
    SetCursorPos(1000, 750);
    PostMessageW(w, WM_SYSCOMMAND, 129, 0);
    HWND about = Find(L"\xFF80\xFF9E\xFF72\xFF71\xFF9B\xFF78\xFF9E");
    if (about != nullptr) {
        Settle(about);
        Save(L"about", RectOf(about));
        PostMessageW(about, WM_COMMAND, IDOK, 0);
        Sleep(300);
    }
    // The system menu, opened by Alt+Space, with the steps through the folder.
    SetForegroundWindow(w);
    Settle(w, 300);
    INPUT keys[4] = {};
    const WORD vks[4] = {VK_MENU, VK_SPACE, VK_SPACE, VK_MENU};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = vks[i];
        keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    SendInput(4, keys, sizeof(INPUT));
    Sleep(700);
    if (HWND menu = FindWindowW(L"#32768", nullptr)) {
        RECT m = RectOf(menu), at = RectOf(w);
        UnionRect(&m, &m, &at);
        Save(L"menu", m);
        keybd_event(VK_ESCAPE, 0, 0, 0);
        keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
        Sleep(300);
    }
    PostMessageW(w, WM_COMMAND, 1004, 0);
    HWND settings = Find(L"\x8A2D\x5B9A");
    if (settings != nullptr) {
        Settle(settings);
        Save(L"settings", RectOf(settings));
        PostMessageW(settings, WM_COMMAND, IDCANCEL, 0);
        Sleep(300);
    }
    ShowWindow(w, SW_MAXIMIZE);
    Settle(w);
    HANDLE third = Start(L"\"" + g_dir + L"huge[SX1200SY900].pch\"");
    WaitForSingleObject(third, 15000);
    CloseHandle(third);
    Settle(w, 1500);
    Save(L"maxplay", RectOf(GetDesktopWindow()));
    ShowWindow(w, SW_RESTORE);
    Settle(w, 1500);
    Save(L"restored", RectOf(GetDesktopWindow()));
        SetWindowPos(w, nullptr, 0, 0, 20, 10, SWP_NOMOVE | SWP_NOZORDER);
    Settle(w);
    Save(L"smallest", RectOf(w));
    PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitForSingleObject(main, 10000);
    return 0;
}
