#include "settings/settings_dlg.h"

#include <algorithm>
#include <vector>

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

namespace {

// The dialog's settings in the order it takes its fields.
std::vector<const SettingRow*> DialogRows() {
    std::vector<const SettingRow*> rows;
    for (const SettingRow& row : kSettingRows)
        if (row.controlId != 0)
            rows.push_back(&row);
    std::sort(rows.begin(), rows.end(),
              [](const SettingRow* a, const SettingRow* b) { return a->exchangeOrder < b->exchangeOrder; });
    return rows;
}

} // namespace

void CSettingsDlg::DoDataExchange(CDataExchange* dx) {
    // A range is checked only when OK takes the fields: the framework's check does
    // nothing when the fields are being filled.
    for (const SettingRow* row : DialogRows()) {
        int& value = m_values[row->key];
        if (row->field == SettingField::Check) {
            DDX_Check(dx, row->controlId, value);
            continue;
        }
        DDX_Text(dx, row->controlId, value);
        if (row->minValue <= row->maxValue)
            DDV_MinMaxInt(dx, value, row->minValue, row->maxValue);
    }
}

BOOL CSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (const SettingRow* row : DialogRows())
        m_values[row->key] = ReadIntSetting(m_strIniPath, row->key);
    m_bAssocPchAtOpen = m_values[IntSetting::AssociatePch];
    m_bAssocSpchAtOpen = m_values[IntSetting::AssociateSpch];
    UpdateData(false);
    OnUseStartPos();
    OnSingleInstance();
    return TRUE;
}

void CSettingsDlg::TakeCheckBoxes() {
    CDataExchange dx(this, true);
    for (const SettingRow* row : DialogRows())
        if (row->field == SettingField::Check)
            DDX_Check(&dx, row->controlId, m_values[row->key]);
}

void CSettingsDlg::OnUseStartPos() {
    TakeCheckBoxes();
    for (int id : {IDC_START_POS_TIMES, IDC_START_POS_X, IDC_START_POS_Y})
        ::EnableWindow(GetDlgItem(id), m_values[IntSetting::FixedStartPos] != 0);
}

void CSettingsDlg::OnSingleInstance() {
    TakeCheckBoxes();
    if (m_values[IntSetting::SingleInstance] != 0) {
        ::EnableWindow(GetDlgItem(IDC_USE_START_POS), TRUE);
        OnUseStartPos();
        return;
    }
    for (int id : {IDC_USE_START_POS, IDC_START_POS_TIMES, IDC_START_POS_X, IDC_START_POS_Y})
        ::EnableWindow(GetDlgItem(id), FALSE);
}

void CSettingsDlg::OnOK() {
    const bool taken = UpdateData(true);
    if (const char* warning = CanvasSizeWarning(m_values[IntSetting::DefaultWidth],
                                                m_values[IntSetting::DefaultHeight])) {
        ShowMessage(m_hWnd, warning, kWarningCaption, MB_OK);
        return;
    }
    // A field that failed has shown its message and holds the focus: nothing is
    // written until every field is taken.
    if (!taken)
        return;

    const SettingsValues& values = m_values;
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
