// The player window: path box, open and settings buttons, and the browser control.
#pragma once

#include <string>

#include "framework/dialog.h"
#include "playback/web_browser.h"

class CPlayerDlg : public CDialog {
  public:
    CPlayerDlg(int launchIndex, CWnd* parent);
    ~CPlayerDlg() override;

    BOOL DestroyWindow() override;

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

    void OnPlay();
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnCopyData(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

  public:
    std::string m_strIniPath;
    std::string m_strAppDir;
    int m_nLaunchIndex;
    int m_nStartStage = 0;
    int m_bCenterOnFirstPlay = 0;
    std::string m_strPchPath;
    CWebBrowser m_browser;
    HICON m_hIcon;
};
