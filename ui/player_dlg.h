// The player window: path box, open and settings buttons, and the browser control in
// which the initial page and the player pages are shown.
#pragma once

#include <deque>
#include <string>

#include "controls/flat_icon_button.h"
#include "framework/common_controls.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/handles.h"
#include "playback/probe.h"
#include "playback/web_browser.h"
#include "playback/work_files.h"
#include "program/paths.h"
#include "ui/placement.h"

class CPlayerDlg : public CDialog {
  public:
    // firstFile: the command line's file, played once the window is made (empty: none).
    CPlayerDlg(int launchIndex, const std::string& firstFile, const ProgramPaths& paths,
               CWnd* parent);
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
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

  private:
    // Held while the window is busy with a play or a modal question (canvas size,
    // settings, About, the open dialog, a message box): files handed over and steps to
    // the next or previous file asked for meanwhile wait in m_pendingFiles and are
    // played in order once it is free again.
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
    bool PlaceAtStart(); // true in remembered-position mode
    // Shows the file name in the path box, gives the browser the focus and plays.
    void PlayFromRoad(const std::string& path);
    // A step to the next (+1) or previous (-1) animation of the playing file's folder,
    // played now or, while the window is busy, in its turn.
    void QueueStep(int step);
    void Step(int step); // plays the neighbour, or beeps at either end
    // A folder given as the file: its first animation, or false (said) when it has none.
    bool TakeFirstAnimationOf();
    static LRESULT CALLBACK StepKeyHook(int code, WPARAM wParam, LPARAM lParam);

    // Probe: reads the head of m_strPchPath; reports and returns false on rejection.
    // The file stays open in file from the probe to the copy: what is probed is copied.
    bool ProbeAnimationFile(AnimationKind& kind, CanvasSize& size, UniqueHandle& file);
    bool ReadFileHead(unsigned char (&block)[kProbeBlockSize], UniqueHandle& file); // reports a failure
    // The canvas of a PaintBBS file that does not say it: the stored default, or the
    // user's answer when the settings ask for the question.
    void TakeDefaultCanvasSize(CanvasSize& size);
    // True when the window, whose rectangle is now, already stands at the fitted
    // place and size, in front.
    bool IsAlreadyPlaced(const RECT& now, const FitResult& fit) const;
    int MinimumWidth(const RECT& window) const; // outer width the controls need
    static constexpr int kMinPathBoxWidth = 40;  // pixels the path box keeps at least

    void WriteInitialPage();
    void ShowError(const char* text);

    // Where the start is: the command line's file is played once, inside OnInitDialog,
    // and only that play in remembered-position mode is placed by the start-up rules.
    enum class StartStage {
        Opening,           // OnInitDialog before the command-line play
        PlayingRemembered, // the command-line play, remembered-position mode
        PlayingFixed,      // the command-line play, fixed start position
        Running,           // OnInitDialog done: every later play
    };

    // What the window was made with.
    const std::string m_strIniPath;
    const std::string m_strAppDir;
    const std::string m_strProgramPath;
    const std::string m_strWindowMark; // property that marks a player window of this program
    const int m_nLaunchIndex;

    // The file shown in the path box, and the window's two work files.
    std::string m_strPchPath;
    CWorkFiles m_work;

    CWebBrowser m_browser;
    CFlatIconButton m_btnOpen;
    CFlatIconButton m_btnSettings;
    CToolTipCtrl m_toolTip;
    HICON m_hIcon;
    GdiObject<HBRUSH> m_pEditBrush{nullptr};

    StartStage m_nStartStage = StartStage::Opening;
    int m_bCenterOnFirstPlay = 0;
    bool m_bLayoutCaptured = false;
    int m_nBusy = 0;
    struct PendingPlay {
        std::string file; // a handed-over file, or
        int step;         // a step (not 0)
    };
    std::deque<PendingPlay> m_pendingFiles;
    HHOOK m_hStepKeys = nullptr; // the step keys, whatever window of the thread they reach
    bool m_bCloseWhenFree = false; // closed while handed files still waited
};
