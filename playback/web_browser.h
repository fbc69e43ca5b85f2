// The player window's browser control. The dialog template names the WebBrowser
// control's class id as the window class of control 1000; the program registers a
// host window class of that name, which embeds the control and fills itself with it.
#pragma once

#include <string>

#include "framework/system_dlls.h"
#include "framework/wnd.h"

// Sets up the common controls and registers the host window class; called once before
// the player window is created. OLE is the caller's, for as long as an OleSession lives.
void AfxEnableControlContainer();

class CWebBrowser : public CWnd {
  public:
    // The browser control is in place: false where the system has none to give.
    bool IsEmbedded() const;
    // Shows the local file at path (a plain path in UTF-8, not a URL).
    void Navigate(const char* path);
    // The address the control shows, in UTF-8; empty when none.
    std::string GetLocationURL() const;
};
