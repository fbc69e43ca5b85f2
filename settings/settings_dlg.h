// The settings dialog: default canvas size, start-up behaviour and file associations.
#pragma once

#include <string>

#include "framework/dialog.h"
#include "settings/settings_logic.h"

class CSettingsDlg : public CDialog {
  public:
    // The settings file to read and write, and the program the file types open with.
    CSettingsDlg(const std::string& iniPath, const std::string& programPath);

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnUseStartPos();
    void OnSingleInstance();
    DECLARE_MESSAGE_MAP()

  private:
    // Registers and unregisters what the check boxes changed; false when the system
    // refused one of them.
    bool ApplyAssociations(const SettingsValues& values);
    // Takes only the check boxes from the controls: enabling needs nothing else.
    void TakeCheckBoxes();

    const std::string m_strIniPath;
    const std::string m_strProgramPath;
    int m_bAssocPchAtOpen = 0;
    int m_bAssocSpchAtOpen = 0;
    SettingsValues m_values; // those of the dialog's fields, by key
};
