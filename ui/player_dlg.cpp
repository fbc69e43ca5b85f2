#include "ui/player_dlg.h"
#include "framework/system_dlls.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstring>
#include <utility>
#include <vector>

#include "framework/app.h"
#include "framework/handles.h"
#include "framework/text.h"
#include "program/identity.h"
#include "program/paths.h"
#include "res/resource.h"
#include "settings/settings_dlg.h"
#include "settings/settings_store.h"
#include "ui/about_dlg.h"
#include "ui/layout.h"
#include "ui/placement.h"
#include "ui/window_rules.h"

namespace {

// Controls kept attached to the window's edges; the hidden ones are never touched.
LayoutEntry g_layout[] = {
    {IDC_BROWSER, ANCHOR_STRETCH_BOTH, 0, 0, 0, 0, 0},
    {IDC_SETTINGS, ANCHOR_TOP_RIGHT, 0, 0, 0, 0, 0},
    {IDC_OPEN, ANCHOR_TOP_RIGHT, 0, 0, 0, 0, 0},
    {IDC_PCH_PATH, ANCHOR_STRETCH_WIDTH, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0},
};

Rect ToRect(const RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

Rect WindowRect(HWND hwnd) {
    RECT r;
    ::GetWindowRect(hwnd, &r);
    return ToRect(r);
}

// Posted when the window becomes free with handed-over files waiting.
constexpr UINT WM_PLAY_PENDING = WM_APP + 1;

// The window the step keys go to (there is one a process).
CPlayerDlg* g_stepKeysWindow = nullptr;

const char kOpenTitle[] = "PCHファイルを開く";
const char kNoBrowserText[] = "ブラウザコントロールを作成できませんでした。";
const char kOpenFilter[] = "PCH File (*.pch,*.spch)|*.pch;*.spch||";

} // namespace

BEGIN_MESSAGE_MAP(CPlayerDlg)
ON_COMMAND(IDC_OPEN, OnOpenFile)
ON_COMMAND(IDC_PLAY, OnPlay)
ON_MESSAGE(WM_DROPFILES, OnDropFiles)
ON_MESSAGE(WM_SIZE, OnSize)
ON_MESSAGE(WM_SYSCOMMAND, OnSysCommand)
ON_COMMAND(IDC_SETTINGS, OnSettings)
ON_MESSAGE(WM_CTLCOLOREDIT, OnCtlColor)
ON_MESSAGE(WM_CTLCOLORSTATIC, OnCtlColor)
ON_MESSAGE(WM_COPYDATA, OnCopyData)
ON_MESSAGE(WM_PLAY_PENDING, OnPlayPending)
ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
END_MESSAGE_MAP()

CPlayerDlg::CPlayerDlg(int launchIndex, const std::string& firstFile, const ProgramPaths& paths,
                       CWnd* parent)
    : CDialog(IDD_PLAYER_DIALOG, parent), m_strIniPath(paths.iniPath), m_strAppDir(paths.appDir),
      m_strProgramPath(paths.programPath), m_strWindowMark(paths.exeName),
      m_nLaunchIndex(launchIndex), m_strPchPath(firstFile), m_work(paths.workDir),
      m_hIcon(::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

CPlayerDlg::~CPlayerDlg() = default; // the work files go with m_work

void CPlayerDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_PCH_PATH, m_strPchPath);
    DDX_Control(dx, IDC_BROWSER, m_browser);
    if (!dx->m_bSaveAndValidate && ::IsWindowVisible(m_hWnd))
        ScrollPathBox();
}

BOOL CPlayerDlg::PreTranslateMessage(MSG* msg) {
    // The tips are made when the pointer first moves over the window: nobody can see
    // them before, and a start does not wait for them.
    if (m_toolTip.m_hWnd == nullptr && msg->message == WM_MOUSEMOVE)
        CreateToolTips();
    m_toolTip.RelayEvent(msg);
    return CDialog::PreTranslateMessage(msg);
}

void CPlayerDlg::CreateToolTips() {
    m_toolTip.Create(m_hWnd);
    m_toolTip.Activate(true);
    m_toolTip.SetDelayTime(TTDT_AUTOMATIC, 350);
    m_toolTip.AddTool(GetDlgItem(IDC_PCH_PATH), "PCHのパスを入力してください");
    m_toolTip.AddTool(m_btnOpen.m_hWnd, "PCHファイルを選択します");
    m_toolTip.AddTool(m_btnSettings.m_hWnd, "設定");
}

LRESULT CPlayerDlg::OnGetMinMaxInfo(WPARAM, LPARAM lParam) {
    // Never smaller than the path box row: the box keeps room for a few characters
    // beside both buttons; the browser may shrink to nothing.
    LRESULT result = Default();
    if (m_bLayoutCaptured) {
        MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = g_layout[3].slackWidth + kMinPathBoxWidth;
        info->ptMinTrackSize.y = g_layout[0].slackHeight;
    }
    return result;
}

void CPlayerDlg::ScrollPathBox() {
    // The start of the path when it all fits, else its end: the file's own name.
    HWND box = GetDlgItem(IDC_PCH_PATH);
    const std::wstring text = Widen(WindowText(box));
    RECT room = {};
    ::SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    SIZE extent = {};
    {
        WindowDC dc(box);
        SelectGuard font(dc.get(), reinterpret_cast<HFONT>(::SendMessageW(box, WM_GETFONT, 0, 0)));
        ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    // The box scrolls only as far as the caret needs: by way of the start, the end lands
    // at the right edge of a box that has grown since, not where it was.
    ::SendMessageW(box, EM_SETSEL, 0, 0);
    ::SendMessageW(box, EM_SCROLLCARET, 0, 0);
    if (extent.cx > room.right - room.left) {
        ::SendMessageW(box, EM_SETSEL, text.size(), text.size());
        ::SendMessageW(box, EM_SCROLLCARET, 0, 0);
    }
}

BOOL CPlayerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_browser.IsEmbedded())
        ShowError(kNoBrowserText); // the window still opens: settings and About work
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    // Marks this window as a player window that accepts files from later starts.
    ::SetPropW(m_hWnd, Widen(m_strWindowMark).c_str(), reinterpret_cast<HANDLE>(1));
    // The steps through the folder and the About item, in the system menu however it is
    // opened (Alt+Space, the window icon, the caption, the taskbar button); the step
    // keys reach the window from any of its controls, the browser's too.
    if (HMENU menu = ::GetSystemMenu(m_hWnd, FALSE)) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING, IDM_NEXT_FILE, ProgramText("次のファイル(&F)\tAlt+→").c_str());
        ::AppendMenuW(menu, MF_STRING, IDM_PREVIOUS_FILE, ProgramText("前のファイル(&B)\tAlt+←").c_str());
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, ProgramText("バージョン情報(&A)...").c_str());
    }
    g_stepKeysWindow = this;
    m_hStepKeys = ::SetWindowsHookExW(WH_GETMESSAGE, &StepKeyHook, nullptr, ::GetCurrentThreadId());

    m_pEditBrush.reset(::CreateSolidBrush(RGB(255, 255, 255)));

    const COLORREF hot = HighlightColour(::GetSysColor(COLOR_MENU));
    m_btnOpen.SubclassDlgItem(IDC_OPEN, this);
    m_btnOpen.SetIcon(IDI_OPEN);
    m_btnOpen.SetHotBkColor(hot, 0);
    m_btnSettings.SubclassDlgItem(IDC_SETTINGS, this);
    m_btnSettings.SetIcon(IDI_SETTINGS);
    m_btnSettings.SetHotBkColor(hot, 0);

    CaptureLayout(); // the template's own geometry: nothing to apply yet
    const bool remembered = PlaceAtStart();

    if (!m_strPchPath.empty()) {
        // Played while still hidden: the window first shows at its fitted place and
        // size. A message or question on the way shows it first, as it stands.
        m_nStartStage = remembered ? StartStage::PlayingRemembered : StartStage::PlayingFixed;
        OnPlay();
    } else {
        WriteInitialPage();
    }
    m_nStartStage = StartStage::Running;
    ScrollPathBox();
    return TRUE;
}

bool CPlayerDlg::PlaceAtStart() {
    Rect window = WindowRect(m_hWnd);
    int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    StartPosition pos;
    if (ReadIntSetting(m_strIniPath, IntSetting::FixedStartPos) != 0) {
        pos = FixedStartPosition(ReadIntSetting(m_strIniPath, IntSetting::StartPosX),
                                 ReadIntSetting(m_strIniPath, IntSetting::StartPosY), window,
                                 screenWidth, screenHeight, DesktopWorkArea());
        ::SetWindowPos(m_hWnd, HWND_TOP, pos.x, pos.y, 0, 0, SWP_NOSIZE | HiddenMoveFlags());
        if (m_strPchPath.empty())
            ::ShowWindow(m_hWnd, SW_SHOW);
        return false;
    }
    pos = RememberedStartPosition(ReadIntSetting(m_strIniPath, IntSetting::SavedPosX),
                                  ReadIntSetting(m_strIniPath, IntSetting::SavedPosY), window,
                                  screenWidth, screenHeight);
    if (pos.move)
        ::SetWindowPos(m_hWnd, HWND_TOP, pos.x, pos.y, 0, 0, SWP_NOSIZE | HiddenMoveFlags());
    m_bCenterOnFirstPlay = pos.centerOnFirstPlay ? 1 : 0;
    return true;
}

void CPlayerDlg::CaptureLayout() {
    Rect window = WindowRect(m_hWnd);
    for (LayoutEntry* entry = g_layout; entry->ctrlId != 0; ++entry)
        CaptureLayoutEntry(*entry, window, WindowRect(GetDlgItem(entry->ctrlId)));
    m_bLayoutCaptured = true;
}

UINT CPlayerDlg::HiddenMoveFlags() const {
    // A window not shown yet is not activated by a move: its first show activates it,
    // and activating it hidden costs the start a round of window messages.
    return ::IsWindowVisible(m_hWnd) ? 0 : SWP_NOACTIVATE;
}

void CPlayerDlg::ShowIfHidden() {
    if (!::IsWindowVisible(m_hWnd))
        ::ShowWindow(m_hWnd, SW_SHOW);
}

void CPlayerDlg::ApplyLayout() {
    // Nothing to do before the table is captured, or while minimised (the controls come
    // back with the restore). A hidden window is laid out: the start play fits it
    // before it first shows.
    if (!m_bLayoutCaptured || ::IsIconic(m_hWnd))
        return;
    Rect window = WindowRect(m_hWnd);
    HDWP batch = ::BeginDeferWindowPos(4);
    if (batch == nullptr)
        return;
    for (const LayoutEntry* entry = g_layout; entry->ctrlId != 0; ++entry) {
        ControlPlacement p = ApplyLayoutEntry(*entry, window);
        POINT at = {p.x, p.y};
        if (p.move)
            ::ScreenToClient(m_hWnd, &at);
        UINT flags =
            SWP_NOZORDER | SWP_SHOWWINDOW | (p.move ? 0 : SWP_NOMOVE) | (p.size ? 0 : SWP_NOSIZE);
        batch = ::DeferWindowPos(batch, GetDlgItem(entry->ctrlId), nullptr, p.move ? at.x : 0,
                                 p.move ? at.y : 0, p.width, p.height, flags);
        if (batch == nullptr)
            return; // a failed batch is ended by the system and moves nothing
    }
    ::EndDeferWindowPos(batch);
    if (::IsWindowVisible(m_hWnd)) // a hidden window's box is set once, before it shows
        ScrollPathBox();
}

LRESULT CPlayerDlg::OnSize(WPARAM, LPARAM) {
    LRESULT result = Default();
    ApplyLayout();
    return result;
}

BOOL CPlayerDlg::DestroyWindow() {
    // A closing window takes no more files from later starts, nor steps.
    ::RemovePropW(m_hWnd, Widen(m_strWindowMark).c_str());
    if (m_hStepKeys != nullptr)
        ::UnhookWindowsHookEx(std::exchange(m_hStepKeys, nullptr));
    g_stepKeysWindow = nullptr;
    Rect window = WindowRect(m_hWnd);
    // Both keys from this window, whoever closes at the same time. A closing window has
    // no one to tell that they could not be stored: the next start takes the old ones.
    SettingsLock lock;
    WriteIntSetting(m_strIniPath, IntSetting::SavedPosX, window.left);
    WriteIntSetting(m_strIniPath, IntSetting::SavedPosY, window.top);
    return CDialog::DestroyWindow();
}

void CPlayerDlg::PlayFromRoad(const std::string& path) {
    m_strPchPath = path;
    UpdateData(false);
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_browser.m_hWnd), TRUE);
    OnPlay();
}

void CPlayerDlg::QueueStep(int step) {
    m_pendingFiles.push_back({std::string(), step});
    if (m_nBusy == 0)
        ::PostMessageA(m_hWnd, WM_PLAY_PENDING, 0, 0);
}

LRESULT CALLBACK CPlayerDlg::StepKeyHook(int code, WPARAM wParam, LPARAM lParam) {
    // Alt+Right and Alt+Left, taken as the thread's messages are, before any window
    // (the browser, a question shown meanwhile) sees them; a held key's repeats are
    // dropped, so holding it steps once.
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == WM_SYSKEYDOWN &&
        (msg->wParam == VK_RIGHT || msg->wParam == VK_LEFT) && (msg->lParam & (1L << 29)) != 0 &&
        g_stepKeysWindow != nullptr) {
        if ((msg->lParam & (1L << 30)) == 0)
            g_stepKeysWindow->QueueStep(msg->wParam == VK_RIGHT ? 1 : -1);
        msg->message = WM_NULL;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

CPlayerDlg::BusyScope::BusyScope(CPlayerDlg& dlg) : m_dlg(dlg) {
    ++m_dlg.m_nBusy;
}

CPlayerDlg::BusyScope::~BusyScope() {
    if (--m_dlg.m_nBusy == 0 && (!m_dlg.m_pendingFiles.empty() || m_dlg.m_bCloseWhenFree))
        ::PostMessageA(m_dlg.m_hWnd, WM_PLAY_PENDING, 0, 0);
}

void CPlayerDlg::OnOpenFile() {
    BusyScope busy(*this);
    std::string initialDir = ReadLastDir(m_strIniPath, m_strAppDir);
    CFileDialog dialog(kOpenFilter, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST,
                       initialDir, kOpenTitle);
    bool chosen = dialog.DoModal(m_hWnd);
    ::SetCurrentDirectoryW(Widen(m_strAppDir).c_str());
    if (!chosen)
        return;
    // A folder that cannot be stored (a read-only settings file) only means that the
    // next dialog opens where this one did; the play goes on.
    WriteLastDir(m_strIniPath, FolderOfFile(dialog.GetPathName()));
    PlayFromRoad(dialog.GetPathName());
}

LRESULT CPlayerDlg::OnDropFiles(WPARAM wParam, LPARAM) {
    CWaitCursor wait;
    HDROP drop = reinterpret_cast<HDROP>(wParam);
    std::vector<wchar_t> name(sys::DragQueryFileW(drop, 0, nullptr, 0) + 1, L'\0');
    sys::DragQueryFileW(drop, 0, name.data(), static_cast<UINT>(name.size()));
    sys::DragFinish(drop);
    BringToForeground(m_hWnd);
    PlayFromRoad(Narrow(name.data()));
    return 0;
}

LRESULT CPlayerDlg::OnSysCommand(WPARAM wParam, LPARAM) {
    if ((wParam & 0xFFF0) == IDM_NEXT_FILE || (wParam & 0xFFF0) == IDM_PREVIOUS_FILE) {
        QueueStep((wParam & 0xFFF0) == IDM_NEXT_FILE ? 1 : -1);
        return 0;
    }
    if (wParam == IDM_ABOUTBOX) {
        BusyScope busy(*this);
        CAboutDlg about;
        about.DoModal();
        return 0;
    }
    // The close box, Alt+F4 and the menu's close item: the only way the window closes.
    // While a question or dialog is on screen (the taskbar can still send this), the
    // close waits for it and the dialog comes to the front; files handed over and not
    // played yet are played first, as their senders were told they arrived.
    if ((wParam & 0xFFF0) == SC_CLOSE) {
        if (m_nBusy > 0) {
            BringToForeground(FrontPopup(m_hWnd));
        } else if (std::erase_if(m_pendingFiles, [](const PendingPlay& p) { return p.step != 0; }),
                   !m_pendingFiles.empty()) {
            m_bCloseWhenFree = true;
            ::PostMessageA(m_hWnd, WM_PLAY_PENDING, 0, 0);
        } else {
            CDialog::OnCancel();
        }
        return 0;
    }
    return Default();
}

void CPlayerDlg::OnSettings() {
    // Changed settings take effect at the next play, which reads them afresh.
    BusyScope busy(*this);
    // The focus comes back to the control that had it (the settings button, for a
    // keyboard user), as the window takes it again.
    CSettingsDlg settings(m_strIniPath, m_strProgramPath);
    settings.DoModal();
}

LRESULT CPlayerDlg::OnCtlColor(WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) != GetDlgItem(IDC_PCH_PATH))
        return Default();
    HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetBkColor(dc, RGB(255, 255, 255));
    ::SetTextColor(dc, RGB(0, 0, 255));
    return reinterpret_cast<LRESULT>(m_pEditBrush.get());
}

LRESULT CPlayerDlg::OnCopyData(WPARAM, LPARAM lParam) {
    // The window comes to the front, or the question it shows, if any.
    BringToForeground(FrontPopup(m_hWnd));
    const COPYDATASTRUCT* record = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    std::string name;
    if (record != nullptr) {
        const HandOffName got = ReadHandOffRecord(record->dwData, record->lpData, record->cbData);
        name = got.wide ? Narrow(std::wstring(got.utf16.begin(), got.utf16.end()))
                        : Narrow(FromCodePage(CP_ACP, got.ansi));
    }
    // The file is only taken here: the sending start waits for this handler, and a play
    // (its messages, its questions) must not keep it waiting. The play follows once the
    // handler has returned, or, while a question is on screen, once the window is free.
    if (!name.empty()) {
        m_pendingFiles.push_back({name, 0});
        if (m_nBusy == 0)
            ::PostMessageA(m_hWnd, WM_PLAY_PENDING, 0, 0);
    }
    Default();
    // Tells the sending start that the file arrived.
    return TRUE;
}

LRESULT CPlayerDlg::OnPlayPending(WPARAM, LPARAM) {
    // Busy again (a play of its own since): the end of that play posts this anew.
    if (m_nBusy > 0)
        return 0;
    if (m_pendingFiles.empty()) {
        if (m_bCloseWhenFree) // a close asked for while files still waited
            CDialog::OnCancel();
        return 0;
    }
    const PendingPlay next = m_pendingFiles.front();
    m_pendingFiles.pop_front();
    if (next.step != 0)
        Step(next.step); // which itself posts this again when it plays nothing
    else
        PlayFromRoad(next.file); // its end posts this again for the next one, or the close
    return 0;
}
