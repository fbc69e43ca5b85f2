// Thin wrappers over the tooltip control and the open-file dialog.
#pragma once

#include <windows.h>

#include <string>

class CToolTipCtrl {
  public:
    CToolTipCtrl() = default;
    ~CToolTipCtrl();
    CToolTipCtrl(const CToolTipCtrl&) = delete;
    CToolTipCtrl& operator=(const CToolTipCtrl&) = delete;

    bool Create(HWND parent);
    void Activate(bool active);
    void SetDelayTime(DWORD which, int milliseconds);
    // Registers a control as a tool (its whole window) with its tip, one of the
    // program's own texts.
    void AddTool(HWND control, const char* text);
    void RelayEvent(MSG* msg);
    HWND m_hWnd = nullptr;
};

// The open-file dialog. The filter uses "|" between its parts, as "Name|*.x||"; filter
// and title are the program's own texts, the folder a name (UTF-8).
class CFileDialog {
  public:
    CFileDialog(const char* filter, DWORD flags, const std::string& initialDir,
                const char* title);
    // True when the user chose a file, or typed the name of a folder; GetPathName then
    // gives its full path (UTF-8).
    bool DoModal(HWND owner);
    const std::string& GetPathName() const { return m_path; }

  private:
    std::wstring m_filter;
    DWORD m_flags;
    std::wstring m_initialDir;
    std::wstring m_title;
    std::string m_path;
};
