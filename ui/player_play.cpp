// The play handler: probe the file, fit the window, copy the file into the work
// area, write the player page and show it.
#include <windows.h>

#include <optional>

#include "framework/app.h"
#include "framework/handles.h"
#include "framework/text.h"
#include "playback/page.h"
#include "res/resource.h"
#include "settings/canvas_size_dlg.h"
#include "settings/settings_store.h"
#include "ui/player_dlg.h"
#include "ui/window_rules.h"

namespace {

const char kNoFileText[] = "PCHファイルを指定してください。";
const char kMissingFileText[] = "指定されたPCHファイルは存在しません。";
const char kNotAnimationText[] = "指定されたファイルはPCHデータではありません。";
const char kNeoText[] = "指定されたファイルはPaintBBS NEOのアニメーションです。このプログラムでは再生できません。";
const char kWorkFileText[] = "作業ファイルの作成に失敗しました。";

const char kFolderText[] = "指定されたパスはフォルダです。";
const char kUnreadableText[] = "指定されたPCHファイルを読み込めません。";
const char kTooLargeText[] = "指定されたPCHファイルが大きすぎます。";
// Far above any animation the applets record (a few megabytes): a larger file is refused
// rather than copied.
constexpr long long kMaxAnimationBytes = 256LL << 20;

} // namespace

void CPlayerDlg::ShowError(const char* text) {
    ShowIfHidden();
    ShowMessage(m_hWnd, text, kErrorCaption, MB_OK);
}

bool CPlayerDlg::ReadFileHead(unsigned char (&block)[kProbeBlockSize], UniqueHandle& file) {
    const std::wstring path = Widen(m_strPchPath);
    file.reset(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        // Only a name that is not there is "missing"; a folder or a file that cannot be
        // opened (locked, no access) is said to be what it is.
        DWORD attributes = ::GetFileAttributesW(path.c_str());
        ShowError(attributes == INVALID_FILE_ATTRIBUTES      ? kMissingFileText
                  : (attributes & FILE_ATTRIBUTE_DIRECTORY) ? kFolderText
                                                            : kUnreadableText);
        return false;
    }
    // Only a file on a disk is read: a device or a pipe (COM1, AUX, \\.\pipe\...) can
    // keep a read waiting for ever.
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
        ShowError(kUnreadableText);
        return false;
    }
    LARGE_INTEGER length = {};
    if (!::GetFileSizeEx(file.get(), &length) || length.QuadPart > kMaxAnimationBytes) {
        ShowError(kTooLargeText);
        return false;
    }
    // A file shorter than the block, or a read that fails once the file is open, leaves
    // zeros, which classify like any other block: the file is refused as no animation.
    DWORD read = 0;
    ::ReadFile(file.get(), block, sizeof(block), &read, nullptr);
    return true;
}

void CPlayerDlg::TakeDefaultCanvasSize(CanvasSize& size) {
    size.width = ReadIntSetting(m_strIniPath, IntSetting::DefaultWidth);
    size.height = ReadIntSetting(m_strIniPath, IntSetting::DefaultHeight);
    if (ReadIntSetting(m_strIniPath, IntSetting::AskCanvasSize) == 0)
        return;
    ShowIfHidden();
    CCanvasSizeDlg dialog(this);
    dialog.m_nCanvasWidth = size.width;
    dialog.m_nCanvasHeight = size.height;
    if (dialog.DoModal() != IDOK)
        return;
    size.width = dialog.m_nCanvasWidth;
    size.height = dialog.m_nCanvasHeight;
    // The file plays at the size answered even where it cannot be stored as the default.
    SettingsLock lock;
    WriteIntSetting(m_strIniPath, IntSetting::DefaultWidth, size.width);
    WriteIntSetting(m_strIniPath, IntSetting::DefaultHeight, size.height);
}

bool CPlayerDlg::ProbeAnimationFile(AnimationKind& kind, CanvasSize& size, UniqueHandle& file) {
    if (m_strPchPath.empty()) {
        ShowError(kNoFileText);
        return false;
    }
    // A folder plays its first animation.
    const DWORD attributes = ::GetFileAttributesW(Widen(m_strPchPath).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
        !TakeFirstAnimationOf())
        return false;
    unsigned char block[kProbeBlockSize] = {};
    if (!ReadFileHead(block, file))
        return false;
    ProbeOutcome outcome = ProbeBlock(block, sizeof(block), m_strPchPath);
    if (outcome.kind == AnimationKind::None || outcome.kind == AnimationKind::PaintBBSNeo) {
        ShowError(outcome.kind == AnimationKind::None ? kNotAnimationText : kNeoText);
        return false;
    }
    kind = outcome.kind;
    size = outcome.size;
    SetWindowText(PlayCaption(kind).c_str());
    // A PaintBBS file that does not say its size: the stored default, and the
    // question when the user wants to be asked.
    if (!outcome.sizeKnown)
        TakeDefaultCanvasSize(size);
    return true;
}

void CPlayerDlg::OnPlay() {
    BusyScope busy(*this);
    // The wait cursor over the window; the start play runs before the window shows.
    std::optional<CWaitCursor> wait;
    if (::IsWindowVisible(m_hWnd))
        wait.emplace();
    UpdateData(true);
    AnimationKind kind;
    CanvasSize size;
    const std::string caption = GetWindowText();
    UniqueHandle file;
    if (!ProbeAnimationFile(kind, size, file))
        return;

    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    RECT client;
    ::GetClientRect(m_browser.m_hWnd, &client);
    const Rect workArea = DesktopWorkArea();
    // A maximised window's place when restored is kept in coordinates of the work area.
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    const bool maximised = ::IsZoomed(m_hWnd) && ::GetWindowPlacement(m_hWnd, &placement);
    const Rect now{window.left, window.top, window.right, window.bottom};
    const Rect restored{placement.rcNormalPosition.left + workArea.left,
                        placement.rcNormalPosition.top + workArea.top, 0, 0};
    // Only the play made at start-up in remembered-position mode is cascaded or
    // centred; later plays keep the window where it is.
    const bool startup = m_nStartStage == StartStage::PlayingRemembered;
    const int singleInstance = startup && m_nLaunchIndex >= 0
                                   ? ReadIntSetting(m_strIniPath, IntSetting::SingleInstance)
                                   : SettingDefault(IntSetting::SingleInstance);
    const int step = ::GetSystemMetrics(SM_CXDLGFRAME) + ::GetSystemMetrics(SM_CYCAPTION);
    const PlayPlan plan = PlanPlay({now, maximised, restored, client.right - client.left,
                                    client.bottom - client.top, ::GetSystemMetrics(SM_CXVSCROLL),
                                    size.width, size.height, MinimumWidth(window), startup,
                                    {m_nLaunchIndex, singleInstance, m_bCenterOnFirstPlay != 0,
                                     step, workArea}});
    const FitResult& fit = plan.fit;

    // A copy or page that cannot be written leaves the window as a rejected file does:
    // the previous page, copy, title and place stay.
    if (!m_work.PutPlayInPlace(file.get(), PlayerPageText(kind, size.width, size.height, plan.scroll,
                                                          PageFolder(m_strAppDir),
                                                          m_work.CopyRelativePath()))) {
        SetWindowText(caption.c_str());
        ShowError(kWorkFileText);
        return;
    }

    if (maximised) {
        placement.rcNormalPosition = {fit.x - workArea.left, fit.y - workArea.top,
                                      fit.x - workArea.left + fit.width, fit.y - workArea.top + fit.height};
        placement.showCmd = SW_SHOWMAXIMIZED;
        ::SetWindowPlacement(m_hWnd, &placement);
    } else if (!IsAlreadyPlaced(window, fit))
        ::SetWindowPos(m_hWnd, HWND_TOP, fit.x, fit.y, fit.width, fit.height, HiddenMoveFlags());
    // A new size has laid the controls out already (WM_SIZE); a move alone needs it.
    if (!maximised && window.right - window.left == fit.width && window.bottom - window.top == fit.height)
        ApplyLayout();
    m_browser.Navigate(m_work.PagePath());
}

int CPlayerDlg::MinimumWidth(const RECT& window) const {
    // The path box stretches with the window; everything else beside it must stay
    // whole, and the box itself keep room for a few characters.
    RECT box;
    ::GetWindowRect(::GetDlgItem(m_hWnd, IDC_PCH_PATH), &box);
    return window.right - window.left - (box.right - box.left) + kMinPathBoxWidth;
}

bool CPlayerDlg::IsAlreadyPlaced(const RECT& now, const FitResult& fit) const {
    // Plays of canvases of one size, one after another, leave the window in front where
    // it is: moving it onto its own place would only cost a round of window messages.
    return now.left == fit.x && now.top == fit.y && now.right - now.left == fit.width &&
           now.bottom - now.top == fit.height && ::GetForegroundWindow() == m_hWnd &&
           !::IsIconic(m_hWnd);
}

void CPlayerDlg::WriteInitialPage() {
    if (m_work.WritePage(InitialPageText()))
        m_browser.Navigate(m_work.PagePath());
}
