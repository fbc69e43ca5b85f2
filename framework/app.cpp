#include "framework/app.h"

#include <string>

#include "framework/command_line.h"
#include "framework/text.h"

namespace {
CWinApp* g_app = nullptr;

// The full path of the program's own file. A buffer that grows: a folder of long
// Unicode names can pass the old limit.
std::string ProgramFilePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD got = ::GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (got == 0)
            return std::string();
        if (got < path.size())
            return Narrow(path.substr(0, got));
        path.resize(path.size() * 2);
    }
}

} // namespace

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp() {
    return g_app;
}

HINSTANCE AfxGetInstanceHandle() {
    // Before the entry point has run (in-process tests) the program's own module.
    if (g_app != nullptr && g_app->m_hInstance != nullptr)
        return g_app->m_hInstance;
    return ::GetModuleHandleA(nullptr);
}

int CWinApp::Run(HINSTANCE instance) {
    m_hInstance = instance;
    // The wide command line: names the ANSI code page cannot hold come through whole.
    m_strCmdLineTail = CommandLineTail(Narrow(::GetCommandLineW()).c_str());
    m_lpCmdLine = m_strCmdLineTail.c_str();
    m_strProgramPath = ProgramFilePath();
    InitInstance();
    return 0;
}

int AfxMessageBox(const char* text, UINT type) {
    return ShowMessage(::GetActiveWindow(), text, AfxGetApp()->m_pszAppName, type);
}

CWaitCursor::CWaitCursor() : m_previous(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}

CWaitCursor::~CWaitCursor() {
    ::SetCursor(m_previous);
}
