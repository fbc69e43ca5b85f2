#include "framework/common_controls.h"
#include "framework/system_dlls.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "framework/app.h"

CToolTipCtrl::~CToolTipCtrl() {
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
}

bool CToolTipCtrl::Create(HWND parent) {
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES};
    sys::InitCommonControlsEx(&init);
    m_hWnd = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr,
                               AfxGetInstanceHandle(), nullptr);
    return m_hWnd != nullptr;
}

void CToolTipCtrl::Activate(bool active) {
    ::SendMessageA(m_hWnd, TTM_ACTIVATE, active, 0);
}

void CToolTipCtrl::SetDelayTime(DWORD which, int milliseconds) {
    ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, which, MAKELPARAM(milliseconds, 0));
}

void CToolTipCtrl::AddTool(HWND control, const char* text) {
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = ::GetParent(control);
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.hinst = AfxGetInstanceHandle();
    info.lpszText = const_cast<char*>(text);
    ::SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::RelayEvent(MSG* msg) {
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

CFileDialog::CFileDialog(const char* filter, DWORD flags, const std::string& initialDir,
                         const std::string& title)
    : m_filter(filter), m_flags(flags), m_initialDir(initialDir), m_title(title) {
    for (char& c : m_filter)
        if (c == '|')
            c = '\0';
}

bool CFileDialog::DoModal(HWND owner) {
    std::vector<char> file(MAX_PATH, '\0');
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.hInstance = AfxGetInstanceHandle();
    ofn.lpstrFilter = m_filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = m_initialDir.c_str();
    ofn.lpstrTitle = m_title.c_str();
    ofn.Flags = m_flags | OFN_EXPLORER | OFN_ENABLESIZING;
    if (!sys::GetOpenFileNameA(&ofn))
        return false;
    m_path = file.data();
    return true;
}
