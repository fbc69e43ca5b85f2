// The application object: start-up decides between one process per file, handing the
// file to the running window, and running the player window.
#pragma once

#include <string>

#include "app/cmdline.h"
#include "framework/app.h"

class CPlayerApp : public CWinApp {
  public:
    CPlayerApp();
    ~CPlayerApp() override;
    bool InitInstance() override;

  private:
    char m_szCmdFiles[kMaxCmdFiles][kCmdFileBytes] = {}; // names in UTF-8
    std::string m_strIniPath;
    std::string m_strViewerDir;
};
