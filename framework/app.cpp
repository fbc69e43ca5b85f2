#include "framework/app.h"

#include <string>

#include "app/cmdline.h"
#include "app/paths.h"

namespace {
CWinApp* g_app = nullptr;
std::string g_cmdLineTail;
std::string g_exeName;
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

bool IsAnsiLeadByte(unsigned char c) {
    return ::IsDBCSLeadByte(c) != FALSE;
}

int CWinApp::Run(HINSTANCE instance) {
    m_hInstance = instance;
    g_cmdLineTail = CommandLineTail(::GetCommandLineA());
    m_lpCmdLine = g_cmdLineTail.c_str();
    char modulePath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
    g_exeName = SplitPath(modulePath, IsAnsiLeadByte).name;
    m_pszExeName = g_exeName.c_str();
    if (m_pszAppName[0] == '\0')
        m_pszAppName = m_pszExeName;
    InitInstance();
    return 0;
}

int AfxMessageBox(const char* text, UINT type) {
    return ::MessageBoxA(::GetActiveWindow(), text, AfxGetApp()->m_pszAppName, type);
}

CWaitCursor::CWaitCursor() : m_previous(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}

CWaitCursor::~CWaitCursor() {
    ::SetCursor(m_previous);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return AfxGetApp() != nullptr ? AfxGetApp()->Run(instance) : 1;
}
