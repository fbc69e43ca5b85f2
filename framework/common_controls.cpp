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
    ofn.Flags = m_flags | OFN_EXPLORER | OFN_ENABLESIZING;
    PopupInsideWorkArea inside;
    if (!sys::GetOpenFileNameW(&ofn))
        return false;
    m_path = Narrow(file.data());
    return true;
}
