// The play handler: probe the file, fit the window, copy the file into the work
// area, write the player page and show it.
#include <windows.h>

#include <optional>
#include <vector>

#include "framework/app.h"
#include "framework/files.h"
#include "framework/handles.h"
#include "framework/text.h"
#include "playback/page.h"
#include "playback/window_fit.h"
#include "program/paths.h"
#include "res/resource.h"
#include "settings/canvas_size_dlg.h"
#include "settings/settings_store.h"
#include "ui/player_dlg.h"
#include "ui/window_rules.h"

namespace {

const char kNoFileText[] = "PCHファイルを指定してください。";
const char kMissingFileText[] = "指定されたPCHファイルは存在しません。";
const char kNotAnimationText[] = "指定されたファイルはPCHデータではありません。";
const char kWorkFileText[] = "作業ファイルの作成に失敗しました。";

const char kFolderText[] = "指定されたパスはフォルダです。";
const char kUnreadableText[] = "指定されたPCHファイルを読み込めません。";
const char kTooLargeText[] = "指定されたPCHファイルが大きすぎます。";
// Far above any animation the applets record (a few megabytes): a larger file is refused
// rather than copied.
constexpr long long kMaxAnimationBytes = 256LL << 20;

// A work file is replaced only once its new bytes are all there: they go to a sibling
// ("~") first, which then takes the file's place. A full disk or a file held open
// elsewhere leaves the old one whole, and the failure is reported.
std::wstring Sibling(const char* path) {
    return Widen(path) + L"~";
}

bool WriteSibling(const char* path, const std::string& text) {
    return WriteWholeFile(Sibling(path), text);
}

bool Replace(const std::wstring& from, const std::wstring& to) {
    return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

// The initial page alone. Empty path: the work files could not be made at all.
bool WriteWorkFile(const char* path, const std::string& text) {
    if (path[0] == '\0')
        return false;
    if (WriteSibling(path, text) && Replace(Sibling(path), Widen(path)))
        return true;
    ::DeleteFileW(Sibling(path).c_str());
    return false;
}

struct CopyJob {
    HANDLE from;
    HANDLE to;
    bool done;
};

DWORD WINAPI CopyFromStart(void* param) {
    CopyJob& job = *static_cast<CopyJob*>(param);
    LARGE_INTEGER start = {};
    bool ok = ::SetFilePointerEx(job.from, start, nullptr, FILE_BEGIN) != FALSE;
    std::vector<char> buffer(1 << 18);
    for (DWORD read = 1, written = 0; ok && read > 0;)
        ok = ::ReadFile(job.from, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr) &&
             (read == 0 || (::WriteFile(job.to, buffer.data(), read, &written, nullptr) && written == read));
    job.done = ok;
    return 0;
}

// Copies the open file on a thread of its own while this one goes on painting and
// answering (a hand-off waits in the queue, as during any play); keys and clicks wait
// until the copy is done. The new copy is made here, before anything is answered, so
// that it is there all the while.
bool CopyWhileAnswering(HANDLE from, const std::wstring& to) {
    UniqueHandle out(::CreateFileW(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    CopyJob job = {from, out.get(), false};
    if (!out.valid())
        return false;
    UniqueHandle thread(::CreateThread(nullptr, 0, &CopyFromStart, &job, 0, nullptr));
    if (!thread.valid()) {
        CopyFromStart(&job);
        return out.Close() && job.done;
    }
    HANDLE wait = thread.get();
    const UINT ranges[][2] = {{0, WM_NCMOUSEMOVE - 1}, {WM_NCXBUTTONDBLCLK + 1, WM_KEYFIRST - 1},
                              {WM_KEYLAST + 1, WM_MOUSEFIRST - 1}, {WM_MOUSELAST + 1, 0xFFFFFFFF}};
    while (::MsgWaitForMultipleObjects(1, &wait, FALSE, INFINITE,
                                       QS_POSTMESSAGE | QS_SENDMESSAGE | QS_PAINT | QS_TIMER) ==
           WAIT_OBJECT_0 + 1) {
        MSG msg;
        for (const auto& range : ranges)
            while (::PeekMessageW(&msg, nullptr, range[0], range[1], PM_REMOVE)) {
                if (msg.message == WM_QUIT) {
                    ::PostQuitMessage(static_cast<int>(msg.wParam)); // for the loop outside
                    break;
                }
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
    }
    return out.Close() && job.done;
}

// The copy and the page that names its applet change together or not at all: the old
// copy steps aside first and comes back when the page cannot follow it.
bool PutPlayInPlace(const char* copy, HANDLE source, const char* page, const std::string& text) {
    if (copy[0] == '\0' || page[0] == '\0')
        return false;
    const std::wstring copyPath = Widen(copy), pagePath = Widen(page), old = copyPath + L"~old";
    bool done = CopyWhileAnswering(source, Sibling(copy)) &&
                WriteSibling(page, text) && Replace(copyPath, old);
    if (done && !(Replace(Sibling(copy), copyPath) && Replace(Sibling(page), pagePath))) {
        Replace(old, copyPath);
        done = false;
    }
    for (const std::wstring& left : {Sibling(copy), Sibling(page), old})
        ::DeleteFileW(left.c_str());
    return done;
}

// The program folder as the page gives it to the applet. The page is Shift_JIS, so the
// folder is written in Shift_JIS; a folder with a character Shift_JIS lacks goes by its
// short name, and where it has none, as a file URL of its UTF-8 bytes.
std::string PageFolder(const std::string& appDir) {
    std::string sjis;
    if (ToCodePage(932, Widen(appDir), sjis))
        return sjis;
    const std::wstring shortForm =
        ShortPathIn(932, Widen(ReplaceAll(appDir, "/", "\\")));
    if (!shortForm.empty() && ToCodePage(932, shortForm, sjis)) {
        sjis = NormalizeShiftJisSeparators(sjis);
        return sjis.back() == '/' ? sjis : sjis + "/";
    }
    return FileUrl(appDir);
}

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
    unsigned char block[kProbeBlockSize] = {};
    if (!ReadFileHead(block, file))
        return false;
    ProbeOutcome outcome = ProbeBlock(block, sizeof(block), m_strPchPath);
    if (outcome.kind == AnimationKind::None) {
        ShowError(kNotAnimationText);
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
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const Rect workArea{work.left, work.top, work.right, work.bottom};
    // A maximised window stays so: the fit becomes the size it is restored to, worked
    // out from where it was restored to before (its placement is in coordinates of the
    // work area), with the frame it has now.
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    const bool maximised = ::IsZoomed(m_hWnd) && ::GetWindowPlacement(m_hWnd, &placement);
    Rect from{window.left, window.top, window.right, window.bottom};
    if (maximised) {
        from.left = placement.rcNormalPosition.left + work.left;
        from.top = placement.rcNormalPosition.top + work.top;
        from.right = from.left + (window.right - window.left);
        from.bottom = from.top + (window.bottom - window.top);
    }
    FitResult fit = FitWindowToCanvas({from,
                                       client.right - client.left,
                                       client.bottom - client.top,
                                       ::GetSystemMetrics(SM_CXVSCROLL),
                                       workArea,
                                       size.width,
                                       size.height,
                                       MinimumWidth(window)});
    // The page scrolls where the canvas does not fit the window it is shown in.
    const bool scroll = fit.scroll || (maximised && (fit.width > window.right - window.left ||
                                                     fit.height > window.bottom - window.top));

    // A copy or page that cannot be written leaves the window as a rejected file does:
    // the previous page, copy, title and place stay.
    if (!PutPlayInPlace(m_szPchCopyPath, file.get(), m_szPagePath,
                        PlayerPageText(kind, size.width, size.height, scroll,
                                       PageFolder(m_strAppDir), m_strPchRelPath))) {
        SetWindowText(caption.c_str());
        ShowError(kWorkFileText);
        return;
    }

    // Only the play made at start-up in remembered-position mode is cascaded or
    // centred; later plays keep the window where it is.
    if (m_nStartStage == StartStage::PlayingRemembered) {
        int singleInstance = m_nLaunchIndex >= 0
                                 ? ReadIntSetting(m_strIniPath, IntSetting::SingleInstance)
                                 : SettingDefault(IntSetting::SingleInstance);
        int step = ::GetSystemMetrics(SM_CXDLGFRAME) + ::GetSystemMetrics(SM_CYCAPTION);
        ApplyStartupPlacement(
            {m_nLaunchIndex, singleInstance, m_bCenterOnFirstPlay != 0, step, workArea}, fit);
    }
    if (maximised) {
        placement.rcNormalPosition = {fit.x - work.left, fit.y - work.top,
                                      fit.x - work.left + fit.width, fit.y - work.top + fit.height};
        placement.showCmd = SW_SHOWMAXIMIZED;
        ::SetWindowPlacement(m_hWnd, &placement);
    } else if (!IsAlreadyPlaced(window, fit))
        ::SetWindowPos(m_hWnd, HWND_TOP, fit.x, fit.y, fit.width, fit.height, HiddenMoveFlags());
    // A new size has laid the controls out already (WM_SIZE); a move alone needs it.
    if (!maximised && window.right - window.left == fit.width && window.bottom - window.top == fit.height)
        ApplyLayout();
    m_browser.Navigate(m_szPagePath);
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
    if (WriteWorkFile(m_szPagePath, InitialPageText()))
        m_browser.Navigate(m_szPagePath);
}
