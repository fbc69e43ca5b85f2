#include "framework/common_controls.h"
#include "framework/system_dlls.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "framework/app.h"
#include "framework/text.h"
#include "framework/wnd.h"

CToolTipCtrl::~CToolTipCtrl() {
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
}

bool CToolTipCtrl::Create(HWND parent) {
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES};
    sys::InitCommonControlsEx(&init);
    m_hWnd = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr,
                               AfxGetInstanceHandle(), nullptr);
    return m_hWnd != nullptr;
}

void CToolTipCtrl::Activate(bool active) {
    ::SendMessageW(m_hWnd, TTM_ACTIVATE, active, 0);
}

void CToolTipCtrl::SetDelayTime(DWORD which, int milliseconds) {
    ::SendMessageW(m_hWnd, TTM_SETDELAYTIME, which, MAKELPARAM(milliseconds, 0));
}

void CToolTipCtrl::AddTool(HWND control, const char* text) {
    std::wstring tip = ProgramText(text);
    TOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = ::GetParent(control);
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.hinst = AfxGetInstanceHandle();
    info.lpszText = &tip[0];
    ::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::RelayEvent(MSG* msg) {
    if (m_hWnd != nullptr)
        ::SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

namespace {

// The dialog's own OK, watched: a name typed there that is a folder is taken as the
// choice, where the dialog would only open it.
struct FolderWatch {
    WNDPROC previous = nullptr;
    std::wstring chosen;
};
const wchar_t kFolderWatchProp[] = L"Lumaplay.FolderWatch";

LRESULT CALLBACK WatchOk(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* watch = static_cast<FolderWatch*>(::GetPropW(dialog, kFolderWatchProp));
    if (watch == nullptr)
        return ::DefWindowProcW(dialog, message, wParam, lParam);
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        std::vector<wchar_t> typed(32768, L'\0'), shown(32768, L'\0');
        ::SendMessageW(dialog, CDM_GETSPEC, typed.size(), reinterpret_cast<LPARAM>(typed.data()));
        ::SendMessageW(dialog, CDM_GETFOLDERPATH, shown.size(), reinterpret_cast<LPARAM>(shown.data()));
        std::wstring name = typed.data();
        if (name.size() > 1 && name.front() == L'"' && name.back() == L'"')
            name = name.substr(1, name.size() - 2);
        const bool absolute = (name.size() > 1 && name[1] == L':') || (!name.empty() && name[0] == L'\\');
        const std::wstring full = absolute ? name : std::wstring(shown.data()) + L"\\" + name;
        const DWORD attributes = name.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(full.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            watch->chosen = full;
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            return 0;
        }
    }
    return ::CallWindowProcW(watch->previous, dialog, message, wParam, lParam);
}

UINT_PTR CALLBACK WatchFolders(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* watch = reinterpret_cast<FolderWatch*>(reinterpret_cast<OPENFILENAMEW*>(lParam)->lCustData);
        HWND dialog = ::GetParent(hook);
        ::SetPropW(dialog, kFolderWatchProp, watch);
        watch->previous = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchOk)));
    }
    return 0;
}

} // namespace

CFileDialog::CFileDialog(const char* filter, DWORD flags, const std::string& initialDir,
                         const char* title)
    : m_filter(ProgramText(filter)), m_flags(flags), m_initialDir(Widen(initialDir)),
      m_title(ProgramText(title)) {
    for (wchar_t& c : m_filter)
        if (c == L'|')
            c = L'\0';
}

bool CFileDialog::DoModal(HWND owner) {
    // Room for a long name in a deep folder: the wide functions are not held to 260.
    std::vector<wchar_t> file(32768, L'\0');
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.hInstance = AfxGetInstanceHandle();
    ofn.lpstrFilter = m_filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = m_initialDir.c_str();
    ofn.lpstrTitle = m_title.c_str();
    ofn.Flags = m_flags | OFN_EXPLORER | OFN_ENABLESIZING | OFN_ENABLEHOOK;
    FolderWatch watch;
    ofn.lpfnHook = &WatchFolders;
    ofn.lCustData = reinterpret_cast<LPARAM>(&watch);
    PopupInsideWorkArea inside;
    if (!sys::GetOpenFileNameW(&ofn)) {
        m_path = Narrow(watch.chosen);
        return !watch.chosen.empty(); // a folder typed, taken as it is
    }
    m_path = Narrow(file.data());
    return true;
}
