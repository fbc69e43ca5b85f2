// The application object: the entry point makes one and runs it, which calls its
// InitInstance once. There is no message loop here; windows run their own modal loops.
#pragma once

#include <windows.h>

#include <string>

class CWnd;

class CWinApp {
  public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance() = 0;

    HINSTANCE m_hInstance = nullptr;
    const char* m_lpCmdLine = "";  // command line without the program's own name (UTF-8)
    std::string m_strProgramPath; // full path of the program's own file (UTF-8)
    CWnd* m_pMainWnd = nullptr;
    const char* m_pszAppName = ""; // title of the framework's own message boxes; set by the program

    // Called by the entry point.
    int Run(HINSTANCE instance);

  private:
    std::string m_strCmdLineTail; // what m_lpCmdLine shows
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();

// A message box with one of the program's own texts, the application's title as
// caption and no owner but the active window of this thread.
int AfxMessageBox(const char* text, UINT type);

// Wait cursor for the lifetime of the object.
class CWaitCursor {
  public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

  private:
    HCURSOR m_previous;
};
