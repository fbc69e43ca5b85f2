// Modal dialogs from resource templates, with data exchange between controls and
// members. DoModal runs its own loop so that PreTranslateMessage sees every message.
#pragma once

#include <string>

#include "framework/wnd.h"

class CDialog;

// State of one exchange: direction and whether a field has failed. Once a field has
// failed, the exchange calls that follow do nothing.
class CDataExchange {
  public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate;
    bool m_bFailed = false;
    int m_idLastControl = 0;
    // Shows nothing itself: marks the exchange failed and selects the last field.
    void Fail();
};

void DDX_Text(CDataExchange* dx, int id, std::string& value);
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

class CDialog : public CWnd {
  public:
    CDialog(UINT templateId, CWnd* parent);

    // Creates the dialog, runs it until EndDialog and destroys it. Returns the value
    // given to EndDialog, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    bool UpdateData(bool saveAndValidate = true);
    void CenterWindow();

  protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange*) {}
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool m_bModalRunning = false;
    int m_nModalResult = -1;
};

// Integer fields: decimal text towards the control; from the control the text must
// follow the integer rule, or the framework's message is shown and the field fails.
void DDX_Text(CDataExchange* dx, int id, int& value);
// Check boxes: 1 checked, 0 not. A value outside 0 to 2 is shown unchecked (and
// becomes 0).
void DDX_Check(CDataExchange* dx, int id, int& value);
// After an integer field: a value outside min to max shows the range message and
// fails the field.
void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue);

extern const char kIntegerExpectedText[]; // "整数を入力してください。"
// "%1 から %2 までの整数を入力してください。" with the bounds filled in.
std::string RangeMessageText(int minValue, int maxValue);
