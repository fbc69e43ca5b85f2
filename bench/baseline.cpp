// The least a program can do for the result Lumaplay gives at start: a dialog
// hosting the WebBrowser control, navigated to an existing page. Its title becomes
// "Baseline done" once Navigate has returned.
#include <windows.h>

#include "playback/web_browser.h"
#include "res/resource.h"

namespace {

CWebBrowser g_browser;
const char* g_page = "";

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        g_browser.SubclassWindow(::GetDlgItem(dialog, IDC_BROWSER));
        g_browser.Navigate(g_page);
        ::SetWindowTextA(dialog, "Baseline done");
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            g_browser.UnsubclassWindow();
            ::EndDialog(dialog, 0);
        }
        return TRUE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            g_browser.UnsubclassWindow();
            ::EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    g_page = commandLine;
    AfxEnableControlContainer();
    OleSession ole;
    ::DialogBoxParamA(instance, MAKEINTRESOURCEA(1), nullptr, &DialogProc, 0);
    return 0;
}
