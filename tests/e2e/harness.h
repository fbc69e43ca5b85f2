// Driving the real Lumaplay.exe from outside: a fresh program folder per scenario,
// processes started and ended by handle, windows found by process and title, and the
// files, settings and registry keys the program leaves.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kWaitMs = 15000;
// Begins like gzip data: what the program takes for PaintBBS.
inline const std::string kGzip("\x1F\x8B\x08\x00\x00\x00\x00\x00\x00\x03stands-for-drawing-data", 31);
using Pred = std::function<bool(HWND)>;

// The folder of this test program, where the Lumaplay.exe under test was built.
inline std::string BuildFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// The other bitness's Lumaplay.exe when the test run says it runs here (its build folder
// in LUMAPLAY_OTHER_BUILD), else empty.
inline std::string OtherBuildExe() {
    char build[64] = {};
    if (::GetEnvironmentVariableA("LUMAPLAY_OTHER_BUILD", build, sizeof(build)) == 0)
        return "";
    return BuildFolder() + "..\\" + build + "\\Lumaplay.exe";
}

inline bool Ends(HANDLE process, DWORD ms = kWaitMs) {
    return process == nullptr || ::WaitForSingleObject(process, ms) == WAIT_OBJECT_0;
}

// Waits for done(), handling this thread's messages meanwhile.
inline bool WaitUntil(const std::function<bool()>& done, DWORD ms = kWaitMs) {
    for (DWORD start = ::GetTickCount();;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        if (done())
            return true;
        if (::GetTickCount() - start >= ms)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// Top-level windows of a process (of any for 0) that pred accepts.
inline std::vector<HWND> Windows(DWORD pid, const Pred& pred) {
    std::vector<HWND> found;
    for (HWND h = ::GetTopWindow(nullptr); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(h, &owner);
        if ((pid == 0 || owner == pid) && pred(h))
            found.push_back(h);
    }
    return found;
}

// The window's thread has finished what it was doing.
inline bool Sync(HWND window) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &result) != 0;
}

inline HWND WaitWindow(DWORD pid, const Pred& pred, DWORD ms = kWaitMs) {
    HWND found = nullptr;
    WaitUntil([&] { auto all = Windows(pid, pred); return (found = all.empty() ? nullptr : all[0]); }, ms);
    if (found != nullptr)
        Sync(found);
    return found;
}

// WM_GETTEXT, not GetWindowText: for another process's edit control only the message
// reaches the text the user sees.
inline std::string Text(HWND hwnd) {
    char text[1024] = {};
    DWORD_PTR got = 0;
    ::SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, kWaitMs, &got);
    return text;
}
inline const auto Item = [](HWND dialog, int id) { return Text(::GetDlgItem(dialog, id)); };
inline bool ClassIs(HWND hwnd, const std::string& name) {
    char got[64] = {};
    ::GetClassNameA(hwnd, got, sizeof(got));
    return name == got;
}
inline RECT RectOf(HWND hwnd) {
    RECT rect = {};
    ::GetWindowRect(hwnd, &rect);
    return rect;
}
inline RECT WorkArea() {
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

// The player: visible, titled "Lumaplay...", with its path box.
inline bool IsPlayer(HWND hwnd) {
    return ::IsWindowVisible(hwnd) && Text(hwnd).compare(0, 8, "Lumaplay") == 0 &&
           ::GetDlgItem(hwnd, 1001) != nullptr;
}
// A message box with that caption (not the player or settings dialog of that title).
inline bool IsBox(HWND hwnd, const char* caption) {
    return ClassIs(hwnd, "#32770") && ::IsWindowVisible(hwnd) && Text(hwnd) == caption &&
           ::GetDlgItem(hwnd, 1001) == nullptr && ::GetDlgItem(hwnd, 1005) == nullptr;
}
inline std::string BoxText(HWND box) {
    std::string text;
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (ClassIs(child, "Static"))
            text += Text(child);
    return text;
}

// The bytes of a file, "<unreadable>" when it cannot be opened (the program's code page
// names files for the C runtime as for the system).
inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<unreadable>";
}

inline std::vector<std::string> FilesIn(const std::string& folder) { // ends in a backslash
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "*").c_str(), &data);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(find, &data))
        if (std::string(".") != data.cFileName && std::string("..") != data.cFileName)
            names.push_back(data.cFileName);
    if (find != INVALID_HANDLE_VALUE)
        ::FindClose(find);
    return names;
}

inline void RemoveTree(const std::string& dir) {
    for (const std::string& name : FilesIn(dir)) {
        ::SetFileAttributesA((dir + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!::DeleteFileA((dir + name).c_str()))
            RemoveTree(dir + name + "\\");
    }
    ::RemoveDirectoryA(dir.c_str());
}

// The per-user classes key of this prefix: "<no key>" or "<no value>" when absent.
inline std::string Reg(const std::string& path, const char* name) {
    HKEY key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, ("Software\\Classes\\" + path).c_str(), 0, KEY_READ, &key))
        return "<no key>";
    char value[1024] = {};
    DWORD size = sizeof(value);
    LONG result = ::RegQueryValueExA(key, name, nullptr, nullptr, (BYTE*)value, &size);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS ? value : "<no value>";
}
inline void SetReg(const std::string& path, const char* name, const std::string& value) {
    ::RegSetKeyValueA(HKEY_CURRENT_USER, ("Software\\Classes\\" + path).c_str(), name, REG_SZ,
                      value.c_str(), value.size() + 1);
}
inline void DeleteReg(const std::string& path) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\Classes\\" + path).c_str());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, ("Software\\Classes\\" + path).c_str());
}

// Ends every process that still runs this program file, windows and all: a row that
// failed half-way must not leave windows, children of a start among them, to the next.
inline void KillStrays(const std::string& exe) {
    for (HWND h : Windows(0, [](HWND) { return true; })) {
        DWORD pid = 0, size = MAX_PATH;
        ::GetWindowThreadProcessId(h, &pid);
        HANDLE p = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE,
                                 FALSE, pid);
        char image[MAX_PATH] = {};
        if (p && ::QueryFullProcessImageNameA(p, 0, image, &size) && !_stricmp(image, exe.c_str()))
            ::TerminateProcess(p, 99) && Ends(p, 5000);
        if (p != nullptr)
            ::CloseHandle(p);
    }
}

struct Proc {
    HANDLE handle = nullptr;
    DWORD pid = 0;
};

// One scenario: its program folder with a copy of Lumaplay.exe and, unless told
// otherwise, a placeholder applet; the programs it starts, ended at the end.
class Case {
  public:
    explicit Case(const std::string& name, bool applet = true)
        : dir(BuildFolder() + "e2e-work\\" + name + "-" + std::to_string(::GetCurrentProcessId()) + "\\") {
        ::CreateDirectoryA((BuildFolder() + "e2e-work").c_str(), nullptr);
        RemoveTree(dir);
        ::CreateDirectoryA(dir.c_str(), nullptr);
        UseExe(BuildFolder() + "Lumaplay.exe");
        if (applet) // the program only checks that the applet's files are there
            for (const char* f : {"DOVEdivoz\\", "DOVEdivoz\\res\\", "DOVEdivoz\\DOVEdivoz.jar",
                                  "DOVEdivoz\\res\\res.zip", "DOVEdivoz\\res\\tt.zip"})
                Write(f, "");
    }
    ~Case() {
        EndAll();
        KillStrays(F("Lumaplay.exe"));
        RemoveTree(dir);
    }
    const std::string dir; // ends in a backslash
    std::deque<Proc> started; // the first one is the main one

    std::string F(const std::string& name) const { return dir + name; }
    std::string Q(const std::string& name) const { return "\"" + dir + name + "\""; }
    std::string Ini() const { return dir + "Lumaplay.ini"; }
    std::string Ini(const char* key) const { // "<missing>" when absent
        char value[512] = {};
        ::GetPrivateProfileStringA("SETUP", key, "<missing>", value, sizeof(value), Ini().c_str());
        return value;
    }
    void SetIni(const char* key, const char* value) const {
        ::WritePrivateProfileStringA("SETUP", key, value, Ini().c_str());
    }
    void Write(const std::string& name, const std::string& bytes) const { // "x\" makes a folder
        if (name.back() == '\\')
            ::CreateDirectoryA(F(name).c_str(), nullptr);
        else
            std::ofstream(F(name), std::ios::binary) << bytes;
    }
    void UseExe(const std::string& exe) const { ::CopyFileA(exe.c_str(), F("Lumaplay.exe").c_str(), FALSE); }

    Proc Start(const std::string& args, const std::string& cwd = "") { // cwd: the folder's
        std::string line = Q("Lumaplay.exe") + (args.empty() ? "" : " " + args);
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info = {};
        started.emplace_back();
        if (::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                             (cwd.empty() ? dir : cwd).c_str(), &startup, &info)) {
            ::CloseHandle(info.hThread);
            started.back() = {info.hProcess, info.dwProcessId};
        }
        return started.back();
    }
    void EndAll() { // those still running are killed
        for (Proc& p : started)
            if (p.handle != nullptr && (Ends(p.handle, 0) || ::TerminateProcess(p.handle, 99)))
                Ends(p.handle, 5000), ::CloseHandle(p.handle);
        started.clear();
    }
    HWND Player(const std::string& caption = "") { // the main one's window, idle
        return WaitWindow(started.at(0).pid,
                          [&](HWND h) { return IsPlayer(h) && (caption.empty() || Text(h) == caption); });
    }
    HWND Dialog(const std::string& title) { // a window of the main one, idle
        return WaitWindow(started.at(0).pid, [&](HWND h) { return ::IsWindowVisible(h) && Text(h) == title; });
    }
    std::string Box(const char* caption, DWORD pid = 0) { // answers the main one's box
        HWND box = WaitWindow(pid ? pid : started.at(0).pid, [&](HWND h) { return IsBox(h, caption); });
        const std::string text = box ? BoxText(box) : "<no message box>";
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return !::IsWindow(box); });
        return text;
    }
    bool Close(HWND window) { // as the user does; the process ends
        DWORD pid = 0;
        ::GetWindowThreadProcessId(window, &pid);
        HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, pid);
        ::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        bool ended = process != nullptr && Ends(process);
        if (process != nullptr)
            ::CloseHandle(process);
        return ended;
    }
    std::vector<std::string> Work() const { return FilesIn(dir + "Work\\"); }
    std::string WorkFile(bool page) const { // the work file that holds the page, or the copy
        for (const std::string& name : Work())
            if ((ReadBytes(F("Work\\" + name)).compare(0, 12, "<HTML><HEAD>") == 0) == page)
                return F("Work\\" + name);
        return "<none>";
    }
    std::string Page() const { return ReadBytes(WorkFile(true)); }
    std::string Copy() const { return ReadBytes(WorkFile(false)); }
};

} // namespace e2e
