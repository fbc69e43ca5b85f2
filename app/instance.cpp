#include "app/instance.h"

#include <vector>

#include "app/startup.h"
#include "framework/wnd.h"

namespace {

struct HandOffContext {
    const std::string* fileName;
    const char* propName;
    int count; // matching windows met so far; only the first gets the record
    bool delivered;
};

bool IsPlayerWindow(HWND hwnd, const char* propName) {
    char title[1024] = {};
    ::GetWindowTextA(hwnd, title, sizeof(title));
    return title[0] != '\0' && IsPlayerWindowTitle(title) && ::GetPropA(hwnd, propName) != nullptr;
}

// Visits the top-level windows of this thread's desktop in Z order, as EnumWindows
// does. EnumWindows first asks for the desktop window, which connects a process that
// has no window of its own to the display; a start that only hands its file over
// never needs that connection, and making it took a good part of such a start.
void EnumTopLevelWindows(WNDENUMPROC proc, LPARAM param) {
    ::EnumDesktopWindows(::GetThreadDesktop(::GetCurrentThreadId()), proc, param);
}

struct PropSearch {
    const char* propName;
    HWND found;
};

BOOL CALLBACK FindWindowWithProp(HWND hwnd, LPARAM param) {
    PropSearch& search = *reinterpret_cast<PropSearch*>(param);
    if (::GetPropA(hwnd, search.propName) == nullptr)
        return TRUE;
    search.found = hwnd;
    return FALSE;
}

constexpr DWORD kHandOffPatienceMs = 5000;
constexpr DWORD kHandOffRetryMs = 50;

} // namespace

bool ActivateRunningInstance(const char* mutexName, const char* propName) {
    // The handle stays open until the process ends: its name is what later starts see.
    ::CreateMutexA(nullptr, TRUE, mutexName);
    if (::GetLastError() != ERROR_ALREADY_EXISTS)
        return true;

    PropSearch search = {propName, nullptr};
    EnumTopLevelWindows(&FindWindowWithProp, reinterpret_cast<LPARAM>(&search));
    if (HWND hwnd = search.found) {
        if (::IsIconic(hwnd))
            ::ShowWindow(hwnd, SW_RESTORE);
        BringToForeground(hwnd);
        BringToForeground(::GetLastActivePopup(hwnd));
    }
    return false;
}

BOOL CALLBACK HandOffEnumProc(HWND hwnd, LPARAM param) {
    HandOffContext& context = *reinterpret_cast<HandOffContext*>(param);
    if (!IsPlayerWindow(hwnd, context.propName))
        return TRUE;
    if (context.count++ > 0)
        return TRUE;
    COPYDATASTRUCT record = {};
    record.dwData = 0;
    record.cbData = static_cast<DWORD>(context.fileName->size() + 1);
    record.lpData = const_cast<char*>(context.fileName->c_str());
    // The player window answers TRUE once it has taken the name.
    context.delivered =
        ::SendMessageA(hwnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record)) != 0;
    return TRUE;
}

bool SendFileToRunningInstance(const std::string& fileName, const char* propName) {
    HandOffContext context = {&fileName, propName, 0, false};
    EnumTopLevelWindows(&HandOffEnumProc, reinterpret_cast<LPARAM>(&context));
    return context.delivered;
}

bool HandFileToRunningInstance(const std::string& fileName, const char* propName) {
    DWORD start = ::GetTickCount();
    for (;;) {
        if (SendFileToRunningInstance(fileName, propName))
            return true;
        if (::GetTickCount() - start >= kHandOffPatienceMs)
            return false;
        ::Sleep(kHandOffRetryMs);
    }
}

bool LaunchProcess(const std::string& programPath, const std::string& arguments, bool wait) {
    std::string line = BuildLaunchCommandLine(programPath, arguments);
    std::vector<char> commandLine(line.begin(), line.end());
    commandLine.push_back('\0');

    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                          nullptr, nullptr, &startup, &process))
        return false;
    ::CloseHandle(process.hThread);
    if (wait) {
        while (::WaitForSingleObject(process.hProcess, 1000) == WAIT_TIMEOUT) {
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
    }
    ::CloseHandle(process.hProcess);
    return true;
}
