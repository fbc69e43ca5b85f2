#include "ui/player_dlg.h"

#include "app/paths.h"
#include "app/player_app.h"
#include "app/startup.h"
#include "res/resource.h"
#include "settings/settings_store.h"

BEGIN_MESSAGE_MAP(CPlayerDlg)
ON_COMMAND(IDC_PLAY, OnPlay)
ON_MESSAGE(WM_SYSCOMMAND, OnSysCommand)
ON_MESSAGE(WM_COPYDATA, OnCopyData)
END_MESSAGE_MAP()

CPlayerDlg::CPlayerDlg(int launchIndex, CWnd* parent)
    : CDialog(IDD_PLAYER_DIALOG, parent), m_nLaunchIndex(launchIndex),
      m_strPchPath(GetPlayerApp()->m_szCmdFiles[0]),
      m_hIcon(::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))) {
    char programPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, programPath, MAX_PATH);
    ProgramPaths paths = ComposeProgramPaths(programPath, IsAnsiLeadByte);
    m_strIniPath = paths.iniPath;
    m_strAppDir = paths.appDir;
}

CPlayerDlg::~CPlayerDlg() = default;

void CPlayerDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_PCH_PATH, m_strPchPath);
    DDX_Control(dx, IDC_BROWSER, m_browser);
}

BOOL CPlayerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    // Marks this window as a player window that accepts files from later starts.
    ::SetPropA(m_hWnd, AfxGetApp()->m_pszExeName, reinterpret_cast<HANDLE>(1));
    return TRUE;
}

BOOL CPlayerDlg::DestroyWindow() {
    // A closing window takes no more files from later starts.
    ::RemovePropA(m_hWnd, AfxGetApp()->m_pszExeName);
    RECT rect;
    ::GetWindowRect(m_hWnd, &rect);
    WriteIntSetting(m_strIniPath, IntSetting::SavedPosX, rect.left);
    WriteIntSetting(m_strIniPath, IntSetting::SavedPosY, rect.top);
    return CDialog::DestroyWindow();
}

void CPlayerDlg::OnPlay() {}

LRESULT CPlayerDlg::OnSysCommand(WPARAM wParam, LPARAM) {
    if ((wParam & 0xFFF0) == SC_CLOSE) {
        CDialog::OnCancel();
        return 0;
    }
    return Default();
}

LRESULT CPlayerDlg::OnCopyData(WPARAM, LPARAM lParam) {
    ::SetForegroundWindow(m_hWnd);
    const COPYDATASTRUCT* record = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    std::string name = record != nullptr ? ReadHandOffName(record->lpData, record->cbData) : "";
    if (!name.empty()) {
        m_strPchPath = name;
        UpdateData(false);
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_browser.m_hWnd), TRUE);
        OnPlay();
    }
    Default();
    // Tells the sending start that the file arrived.
    return TRUE;
}
