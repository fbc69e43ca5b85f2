// Driving the real Lumaplay.exe from outside: a fresh program folder per scenario,
// processes started and ended by handle, windows found by process and title, and the
// files, settings and registry keys the program leaves. Every text here is UTF-8 and
// reaches the system through its wide functions, so the rows read the same on every
// system code page.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kWaitMs = 15000;
// Begins like gzip data: what the program takes for PaintBBS.
inline const std::string kGzip("\x1F\x8B\x08\x00\x00\x00\x00\x00\x00\x03stands-for-drawing-data", 31);
using Pred = std::function<bool(HWND)>;

inline std::wstring W(const std::string& s, UINT cp = CP_UTF8) {
    std::wstring w(s.size(), L'\0');
    w.resize(::MultiByteToWideChar(cp, 0, s.data(), (int)s.size(), &w[0], (int)w.size()));
    return w;
}
inline std::string U(const std::wstring& w) {
    std::string s(w.size() * 3, '\0');
    s.resize(::WideCharToMultiByte(CP_UTF8, 0, w.data(), (int)w.size(), &s[0], (int)s.size(), nullptr, nullptr));
    return s;
}

// The folder of this test program, where the Lumaplay.exe under test was built.
inline std::string BuildFolder() {
    wchar_t path[MAX_PATH] = {};
    const std::string exe = U(std::wstring(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH)));
    return exe.substr(0, exe.find_last_of('\\') + 1);
}

// The other bitness's Lumaplay.exe when the test run says it runs here (its build folder
// in LUMAPLAY_OTHER_BUILD), else empty.
inline std::string OtherBuildExe() {
    char build[64] = {};
    const bool runs = ::GetEnvironmentVariableA("LUMAPLAY_OTHER_BUILD", build, sizeof(build)) != 0;
    return runs ? BuildFolder() + "..\\" + build + "\\Lumaplay.exe" : "";
}

inline bool Ends(HANDLE process, DWORD ms = kWaitMs) {
    return process == nullptr || ::WaitForSingleObject(process, ms) == WAIT_OBJECT_0;
}

// Waits for done(), handling this thread's messages meanwhile.
inline bool WaitUntil(const std::function<bool()>& done, DWORD ms = kWaitMs) {
    for (DWORD start = ::GetTickCount();;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
        if (done())
            return true;
        if (::GetTickCount() - start >= ms)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// Top-level windows of a process (of any for 0) that pred accepts, from the top down. The
// system lists them at once: windows raised meanwhile are neither skipped nor met twice.
inline BOOL CALLBACK Collect(HWND h, LPARAM list) {
    return ((std::vector<HWND>*)list)->push_back(h), TRUE;
}
inline std::vector<HWND> Windows(DWORD pid, const Pred& pred) {
    std::vector<HWND> all, found;
    ::EnumWindows(&Collect, (LPARAM)&all);
    for (HWND h : all) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(h, &owner);
        if ((pid == 0 || owner == pid) && pred(h))
            found.push_back(h);
    }
    return found;
}

// The window's thread has finished what it was doing.
inline bool Sync(HWND window) {
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, nullptr) != 0;
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
    wchar_t text[1024] = {};
    DWORD_PTR got = 0;
    ::SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, kWaitMs, &got);
    return U(text);
}
inline const auto Item = [](HWND dialog, int id) { return Text(::GetDlgItem(dialog, id)); };
inline bool ClassIs(HWND hwnd, const std::string& name) {
    char got[64] = {};
    return ::GetClassNameA(hwnd, got, sizeof(got)), name == got;
}
inline RECT RectOf(HWND hwnd) { RECT r = {}; return ::GetWindowRect(hwnd, &r), r; }
inline RECT WorkArea() { RECT r = {}; return ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0), r; }

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

// The bytes of a file, "<unreadable>" when it cannot be opened.
inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(std::filesystem::path(W(path)), std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<unreadable>";
}

inline std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code none;
    for (const auto& entry : std::filesystem::directory_iterator(W(folder), none))
        names.push_back(U(entry.path().filename().wstring()));
    return names;
}
inline void RemoveTree(const std::string& dir) { // read-only files too
    std::error_code none;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(W(dir), none))
        ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(W(dir), none);
}

// The system's short form of a path, with forward slashes when asked.
inline std::string ShortName(const std::string& path, bool slashes = false) {
    wchar_t got[MAX_PATH] = {};
    std::wstring name(got, ::GetShortPathNameW(W(path).c_str(), got, MAX_PATH));
    return U(slashes ? (std::replace(name.begin(), name.end(), L'\\', L'/'), name) : name);
}

// Drops files on another process's window as the shell does: a list of wide names in
// that process's memory, whose address is the drop handle there.
inline void Drop(HWND window, const std::vector<std::string>& paths) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    const DROPFILES header = {sizeof(DROPFILES), {}, FALSE, TRUE};
    std::wstring list;
    for (const std::string& path : paths)
        list += W(path) + L'\0';
    std::string block = std::string((const char*)&header, sizeof(header)) + std::string((const char*)list.c_str(), list.size() * 2 + 2);
    HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
    void* at = ::VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ::WriteProcessMemory(process, at, block.data(), block.size(), nullptr);
    ::PostMessageW(window, WM_DROPFILES, (WPARAM)at, 0);
    ::CloseHandle(process);
}

// Real input, as a user gives it: the window given (none: an open menu) comes to the
// front first, where the keys go.
inline void Send(HWND to, std::vector<INPUT> in) {
    HWND top = ::GetAncestor(to, GA_ROOT);
    if (to != nullptr && ::SetForegroundWindow(top)) // in front, and done with coming there
        WaitUntil([&] { return ::GetForegroundWindow() == top; }) && Sync(top);
    ::SendInput((UINT)in.size(), in.data(), sizeof(INPUT));
    ::Sleep(50);
}
inline INPUT Key(WORD vk, DWORD up, wchar_t ch = 0) { // up: 0 or KEYEVENTF_KEYUP
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki = {vk, WORD(ch ? ch : ::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)), up | (ch ? KEYEVENTF_UNICODE : 0u), 0, 0};
    return in;
}
// A chord, let go in reverse ({VK_MENU, VK_F4} is Alt+F4); a text, character by character.
inline void Press(HWND to, std::initializer_list<WORD> vks) {
    std::vector<INPUT> in;
    for (WORD vk : vks)
        in.insert(in.begin() + in.size() / 2, {Key(vk, 0), Key(vk, KEYEVENTF_KEYUP)});
    Send(to, in);
}
inline void Type(HWND to, const std::string& text) {
    std::vector<INPUT> in;
    for (wchar_t ch : W(text))
        in.insert(in.end(), {Key(0, 0, ch), Key(0, KEYEVENTF_KEYUP, ch)});
    Send(to, in);
}
// The pointer to a point of the screen, then the buttons' events there.
inline void Mouse(HWND on, POINT p, std::initializer_list<DWORD> events = {}) {
    std::vector<INPUT> in(1 + events.size());
    in[0].mi = {p.x * 65536 / ::GetSystemMetrics(SM_CXSCREEN) + 32, p.y * 65536 / ::GetSystemMetrics(SM_CYSCREEN) + 32,
                0, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 0, 0};
    std::transform(events.begin(), events.end(), in.begin() + 1, [](DWORD e) { INPUT i = {}; i.mi.dwFlags = e; return i; });
    Send(on, in); // INPUT_MOUSE is 0
}
// The control that has the keyboard focus in the window's thread.
inline HWND Focused(HWND w) {
    GUITHREADINFO g = {sizeof(g), 0, {}, {}, {}, {}, {}, {}, {}};
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(w, nullptr), &g) ? g.hwndFocus : nullptr;
}
inline POINT Centre(HWND h) {
    const RECT r = RectOf(h);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
// Pressed, then let go once the window has taken the press, as a hand does.
inline void Click(HWND on, POINT p, DWORD down = MOUSEEVENTF_LEFTDOWN) {
    Mouse(on, p, {down});
    on != nullptr && Sync(::GetAncestor(on, GA_ROOT));
    Mouse(nullptr, p, {down << 1});
}
inline void Click(HWND dialog, int id) { Click(dialog, Centre(::GetDlgItem(dialog, id))); }
// A field's text replaced as a user does it: click, select it all, type.
inline bool Fill(HWND dialog, int id, const std::string& text) {
    Click(dialog, id);
    Press(dialog, {VK_END}), Press(dialog, {VK_SHIFT, VK_HOME});
    text.empty() ? Press(dialog, {VK_DELETE}) : Type(dialog, text);
    return WaitUntil([&] { return Item(dialog, id) == text; });
}

// The per-user classes key of this prefix: "<no key>" or "<no value>" when absent.
inline std::string Reg(const std::string& path, const char* name) {
    HKEY key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, W("Software\\Classes\\" + path).c_str(), 0, KEY_READ, &key))
        return "<no key>";
    wchar_t value[1024] = {};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    LONG result = ::RegQueryValueExW(key, name ? W(name).c_str() : nullptr, nullptr, nullptr, (BYTE*)value, &size);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS ? U(value) : "<no value>";
}
inline void SetReg(const std::string& path, const char* name, const std::string& value) {
    ::RegSetKeyValueW(HKEY_CURRENT_USER, W("Software\\Classes\\" + path).c_str(),
                      name ? W(name).c_str() : nullptr, REG_SZ, W(value).c_str(), (W(value).size() + 1) * 2);
}
inline void DeleteReg(const std::string& path) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\Classes\\" + path).c_str());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, ("Software\\Classes\\" + path).c_str());
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
        ::CreateDirectoryW(W(BuildFolder() + "e2e-work").c_str(), nullptr);
        RemoveTree(dir);
        ::CreateDirectoryW(W(dir).c_str(), nullptr);
        UseExe(BuildFolder() + "Lumaplay.exe");
        if (applet) // the program only checks that the applet's files are there
            for (const char* f : {"DOVEdivoz\\", "DOVEdivoz\\res\\", "DOVEdivoz\\DOVEdivoz.jar",
                                  "DOVEdivoz\\res\\res.zip", "DOVEdivoz\\res\\tt.zip"})
                Write(f, "");
    }
    ~Case() { // a row that failed half-way leaves no process, children of a start among them
        EndAll();
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION in = {};
        ::TerminateJobObject(job, 99);
        WaitUntil([&] { return ::QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &in, sizeof(in), nullptr) && !in.ActiveProcesses; }, 5000);
        ::CloseHandle(job);
        RemoveTree(dir);
    }
    const std::string dir; // ends in a backslash
    std::deque<Proc> started; // the first one is the main one
    // Every process the row starts, ended with the job, also when this test is killed.
    const HANDLE job = [] {
        HANDLE made = ::CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        ::SetInformationJobObject(made, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
        return made;
    }();

    std::string F(const std::string& name) const { return dir + name; }
    std::string Q(const std::string& name) const { return "\"" + dir + name + "\""; }
    std::string Ini() const { return dir + "Lumaplay.ini"; }
    std::string Ini(const char* key) const { // "<missing>" when absent
        wchar_t value[512] = {};
        ::GetPrivateProfileStringW(L"SETUP", W(key).c_str(), L"<missing>", value, 512, W(Ini()).c_str());
        return U(value);
    }
    void SetIni(const char* key, const char* value) const {
        ::WritePrivateProfileStringW(L"SETUP", W(key).c_str(), W(value).c_str(), W(Ini()).c_str());
    }
    void Write(const std::string& name, const std::string& bytes) const { // "x\" makes a folder
        if (name.back() == '\\')
            ::CreateDirectoryW(W(F(name)).c_str(), nullptr);
        else
            std::ofstream(std::filesystem::path(W(F(name))), std::ios::binary) << bytes;
    }
    void UseExe(const std::string& exe) const { ::CopyFileW(W(exe).c_str(), W(F("Lumaplay.exe")).c_str(), FALSE); }

    Proc Start(const std::string& args, const std::string& cwd = "") { // cwd: the folder's
        std::wstring line = W(Q("Lumaplay.exe") + (args.empty() ? "" : " " + args));
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info = {};
        started.emplace_back();
        if (::CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                             W(cwd.empty() ? dir : cwd).c_str(), &startup, &info)) {
            ::AssignProcessToJobObject(job, info.hProcess);
            ::ResumeThread(info.hThread);
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
    std::string Box(const char* caption, DWORD pid = 0, RECT* at = nullptr) { // answers the main one's box
        HWND box = WaitWindow(pid ? pid : started.at(0).pid, [&](HWND h) { return IsBox(h, caption); });
        const std::string text = box ? BoxText(box) : "<no message box>";
        if (at != nullptr && box != nullptr)
            *at = RectOf(box);
        if (box != nullptr)
            Press(box, {VK_RETURN});
        WaitUntil([&] { return !::IsWindow(box); });
        return text;
    }
    bool Close(HWND window) { // by Alt+F4; the process ends
        DWORD pid = 0;
        ::GetWindowThreadProcessId(window, &pid);
        HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, pid);
        bool ended = false; // pressed again, as a user would, when a press went astray under load
        for (int i = 0; i < 3 && process != nullptr && !ended; ++i)
            Press(window, {VK_MENU, VK_F4}), ended = Ends(process, 5000);
        if (process != nullptr)
            ::CloseHandle(process);
        return ended;
    }
    std::vector<std::string> Work() const { return FilesIn(dir + "Work\\"); }
    // The window is done with its play: it answers while it copies a file, so that alone
    // says nothing; no work file's new copy ("~") is left being written either.
    bool Idle(HWND w) const {
        return Sync(w) && WaitUntil([&] { const auto all = Work(); return std::none_of(all.begin(), all.end(), [](const std::string& f) { return f.find('~') != f.npos; }); }) && Sync(w);
    }
    std::string WorkFile(bool page) const { // the work file that holds the page, or the copy
        for (const std::string& name : Work())
            if ((ReadBytes(F("Work\\" + name)).compare(0, 12, "<HTML><HEAD>") == 0) == page)
                return F("Work\\" + name);
        return "<none>";
    }
    std::string Page() const { return U(W(ReadBytes(WorkFile(true)), 932)); } // a Shift_JIS page
    std::string Copy() const { return ReadBytes(WorkFile(false)); }
};

} // namespace e2e
