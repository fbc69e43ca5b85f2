#include "app/instance.h"

#include <vector>

#include "app/startup.h"
#include "framework/handles.h"
#include "framework/text.h"
#include "framework/wnd.h"
#include "program/identity.h"

namespace {

struct HandOffContext {
    const COPYDATASTRUCT* record;
    const std::wstring* propName;
    int count; // matching windows met so far; only the first gets the record
    bool delivered;
};

bool IsPlayerWindow(HWND hwnd, const std::wstring& propName) {
    char title[1024] = {};
    ::GetWindowTextA(hwnd, title, sizeof(title));
    return title[0] != '\0' && IsPlayerWindowTitle(title) &&
           ::GetPropW(hwnd, propName.c_str()) != nullptr;
}

// The record for a name: the name in the ANSI code page where that holds it, exactly as
// every build of the program sends and reads it; otherwise the tagged form with the
// whole name, whose stand-in is the short name that an older window can still open.
COPYDATASTRUCT HandOffRecord(const std::string& fileName, std::string& data) {
    const std::wstring wide = Widen(fileName);
    COPYDATASTRUCT record = {};
    if (ToCodePage(CP_ACP, wide, data)) {
        record.dwData = 0;
        record.cbData = static_cast<DWORD>(data.size() + 1); // the NUL is sent too
    } else {
        std::string standIn;
        ToCodePage(CP_ACP, ShortPathIn(CP_ACP, wide), standIn);
        data = BuildWideHandOffData(standIn, std::u16string(wide.begin(), wide.end()));
        record.dwData = kWideHandOffTag;
        record.cbData = static_cast<DWORD>(data.size());
    }
    record.lpData = &data[0];
    return record;
}

// Visits the top-level windows of this thread's desktop in Z order, as EnumWindows
// does. EnumWindows first asks for the desktop window, which connects a process that
// has no window of its own to the display; a start that only hands its file over
// never needs that connection, and making it took a good part of such a start.
void EnumTopLevelWindows(WNDENUMPROC proc, LPARAM param) {
    ::EnumDesktopWindows(::GetThreadDesktop(::GetCurrentThreadId()), proc, param);
}

struct PropSearch {
    std::wstring propName;
    HWND found;
};

BOOL CALLBACK FindWindowWithProp(HWND hwnd, LPARAM param) {
    PropSearch& search = *reinterpret_cast<PropSearch*>(param);
    if (::GetPropW(hwnd, search.propName.c_str()) == nullptr)
        return TRUE;
    search.found = hwnd;
    return FALSE;
}

constexpr DWORD kHandOffPatienceMs = 5000;
constexpr DWORD kHandOffRetryMs = 50;

} // namespace

bool ActivateRunningInstance(const char* mutexName, const char* propName) {
    // The handle stays open until the process ends: its name is what later starts see.
    static UniqueHandle mutex;
    mutex.reset(::CreateMutexA(nullptr, TRUE, mutexName));
    if (::GetLastError() != ERROR_ALREADY_EXISTS)
        return true;

    PropSearch search = {Widen(propName), nullptr};
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
    if (!IsPlayerWindow(hwnd, *context.propName))
        return TRUE;
    if (context.count++ > 0)
        return TRUE;
    // The player window answers TRUE once it has taken the name.
    context.delivered = ::SendMessageA(hwnd, WM_COPYDATA, 0,
                                       reinterpret_cast<LPARAM>(context.record)) != 0;
    return TRUE;
}

bool SendFileToRunningInstance(const std::string& fileName, const char* propName) {
    std::string data;
    const COPYDATASTRUCT record = HandOffRecord(fileName, data);
    const std::wstring prop = Widen(propName);
    HandOffContext context = {&record, &prop, 0, false};
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

bool LaunchProcess(const std::string& programPath, const std::string& arguments) {
    std::wstring line = Widen(BuildLaunchCommandLine(programPath, arguments));
    std::vector<wchar_t> commandLine(line.begin(), line.end());
    commandLine.push_back(L'\0');

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                          nullptr, nullptr, &startup, &process))
        return false;
    UniqueHandle thread(process.hThread), child(process.hProcess);
    return true;
}
