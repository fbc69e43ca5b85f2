#include "settings/settings_dlg.h"

#include "framework/text.h"
#include "res/resource.h"
#include "settings/file_type_registry.h"
#include "settings/registry_win.h"
#include "settings/settings_store.h"

BEGIN_MESSAGE_MAP(CSettingsDlg)
ON_COMMAND(IDC_USE_START_POS, OnUseStartPos)
ON_COMMAND(IDC_SINGLE_INSTANCE, OnSingleInstance)
END_MESSAGE_MAP()

namespace {
const char kSettingsNotSavedText[] = "設定を保存できませんでした。";
const char kAssociationFailedText[] = "ファイルの関連付けを変更できませんでした。";
} // namespace

CSettingsDlg::CSettingsDlg(const std::string& iniPath, const std::string& programPath)
    : CDialog(IDD_SETTINGS_DIALOG, nullptr), m_strIniPath(iniPath), m_strProgramPath(programPath) {}

void CSettingsDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_DEFAULT_WIDTH, m_nDefaultWidth);
    if (m_bCheckRange)
        DDV_MinMaxInt(dx, m_nDefaultWidth, kMinDefaultSize, kMaxDefaultSize);
    DDX_Text(dx, IDC_DEFAULT_HEIGHT, m_nDefaultHeight);
    if (m_bCheckRange)
        DDV_MinMaxInt(dx, m_nDefaultHeight, kMinDefaultSize, kMaxDefaultSize);
    DDX_Text(dx, IDC_START_POS_Y, m_nStartPosY);
    DDX_Check(dx, IDC_ASK_SIZE, m_bAskSize);
    DDX_Check(dx, IDC_USE_START_POS, m_bUseStartPos);
    DDX_Text(dx, IDC_START_POS_X, m_nStartPosX);
    DDX_Check(dx, IDC_SINGLE_INSTANCE, m_bSingleInstance);
    DDX_Check(dx, IDC_ASSOC_PCH, m_bAssocPch);
    DDX_Check(dx, IDC_ASSOC_SPCH, m_bAssocSpch);
}

BOOL CSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_nDefaultWidth = ReadIntSetting(m_strIniPath, IntSetting::DefaultWidth);
    m_nDefaultHeight = ReadIntSetting(m_strIniPath, IntSetting::DefaultHeight);
    m_nStartPosX = ReadIntSetting(m_strIniPath, IntSetting::StartPosX);
    m_nStartPosY = ReadIntSetting(m_strIniPath, IntSetting::StartPosY);
    m_bAskSize = ReadIntSetting(m_strIniPath, IntSetting::AskCanvasSize);
    m_bUseStartPos = ReadIntSetting(m_strIniPath, IntSetting::FixedStartPos);
    m_bSingleInstance = ReadIntSetting(m_strIniPath, IntSetting::SingleInstance);
    m_bAssocPch = ReadIntSetting(m_strIniPath, IntSetting::AssociatePch);
    m_bAssocSpch = ReadIntSetting(m_strIniPath, IntSetting::AssociateSpch);
    m_bAssocPchAtOpen = m_bAssocPch;
    m_bAssocSpchAtOpen = m_bAssocSpch;
    UpdateData(false);
    OnUseStartPos();
    OnSingleInstance();
    return TRUE;
}

void CSettingsDlg::TakeCheckBoxes() {
    CDataExchange dx(this, true);
    DDX_Check(&dx, IDC_ASK_SIZE, m_bAskSize);
    DDX_Check(&dx, IDC_USE_START_POS, m_bUseStartPos);
    DDX_Check(&dx, IDC_SINGLE_INSTANCE, m_bSingleInstance);
    DDX_Check(&dx, IDC_ASSOC_PCH, m_bAssocPch);
    DDX_Check(&dx, IDC_ASSOC_SPCH, m_bAssocSpch);
}

void CSettingsDlg::OnUseStartPos() {
    TakeCheckBoxes();
    for (int id : {IDC_START_POS_TIMES, IDC_START_POS_X, IDC_START_POS_Y})
        ::EnableWindow(GetDlgItem(id), m_bUseStartPos != 0);
}

void CSettingsDlg::OnSingleInstance() {
    TakeCheckBoxes();
    if (m_bSingleInstance != 0) {
        ::EnableWindow(GetDlgItem(IDC_USE_START_POS), TRUE);
        OnUseStartPos();
        return;
    }
    for (int id : {IDC_USE_START_POS, IDC_START_POS_TIMES, IDC_START_POS_X, IDC_START_POS_Y})
        ::EnableWindow(GetDlgItem(id), FALSE);
}

SettingsValues CSettingsDlg::Values() const {
    SettingsValues v;
    v.defaultWidth = m_nDefaultWidth;
    v.defaultHeight = m_nDefaultHeight;
    v.startPosX = m_nStartPosX;
    v.startPosY = m_nStartPosY;
    v.askSize = m_bAskSize;
    v.useStartPos = m_bUseStartPos;
    v.singleInstance = m_bSingleInstance;
    v.assocPch = m_bAssocPch;
    v.assocSpch = m_bAssocSpch;
    return v;
}

void CSettingsDlg::OnOK() {
    m_bCheckRange = true;
    bool taken = UpdateData(true);
    m_bCheckRange = false;
    if (const char* warning = CanvasSizeWarning(m_nDefaultWidth, m_nDefaultHeight)) {
        ShowMessage(m_hWnd, warning, kWarningCaption, MB_OK);
        return;
    }
    // A field that failed has shown its message and holds the focus: nothing is
    // written until every field is taken.
    if (!taken)
        return;

    const SettingsValues values = Values();
    bool saved = true;
    {
        SettingsLock lock; // the nine keys reach the file together
        for (const auto& write : SettingsToWrite(values))
            saved = WriteIntSetting(m_strIniPath, write.first, write.second) && saved;
    }
    // A settings file that cannot be written (read-only, say): the user is told and the
    // dialog stays open with the values entered, and the associations stay as they were.
    if (!saved) {
        ShowMessage(m_hWnd, kSettingsNotSavedText, kErrorCaption, MB_OK);
        return;
    }

    // An association the system refused: the user is told and the dialog stays open,
    // so that OK tries again. The other settings are written by now: Cancel keeps them.
    if (!ApplyAssociations(values)) {
        ShowMessage(m_hWnd, kAssociationFailedText, kErrorCaption, MB_OK);
        return;
    }
    EndDialog(IDOK);
}

bool CSettingsDlg::ApplyAssociations(const SettingsValues& values) {
    Win32Registry registry;
    CFileTypeRegistry types(registry);
    const std::vector<std::pair<IntSetting, int>> failed = ApplyAssociationChanges(
        types, m_strProgramPath, m_bAssocPchAtOpen, m_bAssocSpchAtOpen, values);
    for (const auto& [setting, state] : failed) {
        // The file keeps what the association is, not the wish that failed.
        SettingsLock lock;
        WriteIntSetting(m_strIniPath, setting, state);
    }
    registry.NotifyAssociationsChanged();
    return failed.empty();
}
