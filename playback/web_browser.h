// The player window's browser control. The dialog template names the WebBrowser
// control's class id as the window class of control 1000; the program registers a
// host window class of that name, which embeds the control and fills itself with it.
#pragma once

#include "framework/wnd.h"

// Registers the host window class; called once before the player window is created.
void AfxEnableControlContainer();

class CWebBrowser : public CWnd {
  public:
    // Shows the local file at path (a plain path, not a URL).
    void Navigate(const char* path);
};
