// The player window: path box, open and settings buttons, and the browser control in
// which the initial page and the player pages are shown.
#pragma once

#include <deque>
#include <string>

#include "controls/flat_icon_button.h"
#include "framework/common_controls.h"
#include "framework/dialog.h"
#include "playback/probe.h"
#include "playback/window_fit.h"
#include "playback/web_browser.h"

class CPlayerDlg : public CDialog {
  public:
    CPlayerDlg(int launchIndex, CWnd* parent);
    ~CPlayerDlg() override;

    BOOL DestroyWindow() override;

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

    void OnOpenFile();
    void OnPlay();
    LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    void OnSettings();
    LRESULT OnCtlColor(WPARAM wParam, LPARAM lParam);
    LRESULT OnCopyData(WPARAM wParam, LPARAM lParam);
    LRESULT OnPlayPending(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

  private:
    // Held while the window is busy with a play or a modal question (canvas size,
    // settings, About, the open dialog, a message box): files handed over meanwhile
    // wait in m_pendingFiles and are played in order once it is free again.
    class BusyScope {
      public:
        explicit BusyScope(CPlayerDlg& dlg);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

      private:
        CPlayerDlg& m_dlg;
    };

    void CaptureLayout();
    void ApplyLayout();
    void CreateToolTips();
    void ScrollPathBox();
    void ShowIfHidden(); // before a message or question of the start play
    UINT HiddenMoveFlags() const;
    void PlaceAtStart();
    // Shows the file name in the path box, gives the browser the focus and plays.
    void PlayFromRoad(const std::string& path);

    // Probe: reads the head of m_strPchPath; reports and returns false on rejection.
    bool ProbeAnimationFile(AnimationKind& kind, CanvasSize& size);
    bool WritePlayerPage(AnimationKind kind, const CanvasSize& size, bool scroll);
    // True when the window, whose rectangle is now, already stands at the fitted
    // place and size, in front.
    bool IsAlreadyPlaced(const RECT& now, const FitResult& fit) const;
    int MinimumWidth(const RECT& window) const; // outer width the controls need
    static constexpr int kMinPathBoxWidth = 40;  // pixels the path box keeps at least

    void WriteInitialPage();
    void ShowError(const char* text);

    CFlatIconButton m_btnOpen;
    CFlatIconButton m_btnSettings;
    CToolTipCtrl m_toolTip;
    HBRUSH m_pEditBrush = nullptr;

  public:
    std::string m_strIniPath;
    std::string m_strAppDir;
    std::string m_strWorkDir;
    std::string m_strPchRelPath;
    // Work file paths in UTF-8: a program folder of any name fits.
    char m_szPagePath[3 * MAX_PATH];
    char m_szPchCopyPath[3 * MAX_PATH];
    int m_nLaunchIndex;
    int m_nStartStage = 0;
    int m_bCenterOnFirstPlay = 0;
    std::string m_strPchPath;
    CWebBrowser m_browser;
    HICON m_hIcon;

  private:
    bool m_bPlayingAtStart = false; // the play made by OnInitDialog for the command line
    bool m_bLayoutCaptured = false;
    bool m_bAboutInMenu = false;
    int m_nBusy = 0;
    std::deque<std::string> m_pendingFiles;
};
