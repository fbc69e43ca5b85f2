#include "framework/dialog.h"

#include "framework/app.h"
#include "framework/int_exchange.h"
#include "framework/mbstr.h"

void CDataExchange::Fail() {
    m_bFailed = true;
    HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, m_idLastControl);
    if (control != nullptr) {
        ::SetFocus(control);
        ::SendMessageW(control, EM_SETSEL, 0, -1);
    }
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    if (dx->m_bFailed)
        return;
    dx->m_idLastControl = id;
    HWND control = ::GetDlgItem(dx->m_pDlgWnd->m_hWnd, id);
    if (dx->m_bSaveAndValidate) {
        value = WindowText(control);
    } else {
        SetWindowTextIfChanged(control, value.c_str());
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd == nullptr)
        control.SubclassDlgItem(id, dx->m_pDlgWnd);
}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    m_bModalRunning = false;
    ::PostMessageW(m_hWnd, WM_NULL, 0, 0); // wake the modal loop
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    return ::IsDialogMessageW(m_hWnd, msg);
}

INT_PTR CDialog::DoModal() {
    // Without a parent the main window owns the dialog, unless this is the main window.
    HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    CWnd* main = AfxGetApp() != nullptr ? AfxGetApp()->m_pMainWnd : nullptr;
    if (owner == nullptr && main != nullptr && main != this)
        owner = main->m_hWnd;

    m_nModalResult = -1;
    m_bModalRunning = true;
    HWND hwnd = ::CreateDialogParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), owner,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (hwnd == nullptr)
        return -1;
    bool ownerDisabled = owner != nullptr && ::IsWindowEnabled(owner);
    if (ownerDisabled)
        ::EnableWindow(owner, FALSE);
    if (m_bModalRunning && !::IsWindowVisible(hwnd))
        ::ShowWindow(hwnd, SW_SHOW);

    MSG msg;
    while (m_bModalRunning) {
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    if (ownerDisabled) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    DestroyWindow();
    return m_nModalResult;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (DispatchToMap(message, wParam, lParam, result))
        return result;
    if (message == WM_COMMAND && HIWORD(wParam) == 0) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return 0;
        }
    }
    return DefWindowProc(message, wParam, lParam);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
    // Only the first message comes here: from then on the dialog's messages go through
    // the object's WindowProc, with the dialog manager's own processing as default.
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* self = reinterpret_cast<CDialog*>(lParam);
    self->SubclassWindow(hwnd);
    RECT before;
    ::GetWindowRect(hwnd, &before);
    BOOL result = self->OnInitDialog();
    // A dialog that neither centres itself nor was moved is centred over its owner.
    RECT after;
    ::GetWindowRect(hwnd, &after);
    if (::IsWindow(hwnd) && !(::GetWindowLongW(hwnd, GWL_STYLE) & DS_CENTER) &&
        ::EqualRect(&before, &after))
        self->CenterWindow();
    return result;
}

void CDialog::CenterWindow() {
    // Every button of the dialog can be reached, whatever the owner's place.
    PlaceInsideWorkArea(m_hWnd);
}

const char kIntegerExpectedText[] = "整数を入力してください。";

std::string RangeMessageText(int minValue, int maxValue) {
    return FormatDecimal(minValue) + " から " + FormatDecimal(maxValue) +
           " までの整数を入力してください。";
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
    if (dx->m_bFailed)
        return;
    if (!dx->m_bSaveAndValidate) {
        std::string text = FormatDecimal(value);
        DDX_Text(dx, id, text);
        return;
    }
    std::string text;
    DDX_Text(dx, id, text);
    if (!ParseExchangeInt(text, value)) {
        AfxMessageBox(kIntegerExpectedText, MB_OK | MB_ICONEXCLAMATION);
        dx->Fail();
    }
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    if (dx->m_bFailed)
        return;
    HWND control = ::GetDlgItem(dx->m_pDlgWnd->m_hWnd, id);
    if (dx->m_bSaveAndValidate) {
        value = ::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    } else {
        if (value < 0 || value > 2)
            value = 0;
        ::SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue) {
    if (dx->m_bFailed || !dx->m_bSaveAndValidate)
        return;
    if (value < minValue || value > maxValue) {
        AfxMessageBox(RangeMessageText(minValue, maxValue).c_str(), MB_OK | MB_ICONEXCLAMATION);
        dx->Fail();
    }
}
