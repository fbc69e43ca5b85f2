#include "harness.h"

#include <winternl.h>

#include <cstdio>
#include <utility>

namespace e2e {

namespace {

void RemoveTree(const std::string& dir) {
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((dir + "*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string path = dir + name;
            ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path + "\\");
            else
                ::DeleteFileA(path.c_str());
        } while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(dir.c_str());
}

void Touch(const std::string& path) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ::CloseHandle(file);
}

// The host system's name of a path of this test, from the Wine loader.
std::string HostPath(const std::string& path) {
    using ToHost = char*(CDECL*)(const WCHAR*);
    static const ToHost toHost = reinterpret_cast<ToHost>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    std::wstring wide(path.size() + 1, L'\0');
    int length =
        ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    char* host = toHost != nullptr ? toHost(wide.c_str()) : nullptr;
    if (host == nullptr)
        return std::string();
    std::string result = host;
    ::HeapFree(::GetProcessHeap(), 0, host);
    return result;
}

// Runs a program of the host system (Wine starts it as such) and waits for it. The
// program is named apart from the command line: without an extension, the command
// line alone would be searched for as an .exe file.
void RunOnHost(const char* program, const std::string& commandLine) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessA(program, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info))
        return;
    ::WaitForSingleObject(info.hProcess, kWaitMs);
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
}

// Wine does not wait for a host program's end, so the change is waited for by its
// effect on the last path, a folder.
void SetImmutable(const std::vector<std::string>& paths, bool on) {
    std::string line = std::string("chattr ") + (on ? "+i" : "-i");
    for (const std::string& path : paths)
        line += " \"" + HostPath(path) + "\"";
    RunOnHost("Z:\\usr\\bin\\chattr", line);
    const std::string& folder = paths.back();
    for (DWORD start = ::GetTickCount();
         CanCreateIn(folder) == on && ::GetTickCount() - start < 3000;)
        ::Sleep(20);
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

} // namespace

// Whether a new file can be made in the folder (which ends in a backslash).
bool CanCreateIn(const std::string& folder) {
    const std::string probe = folder + "probe.tmp";
    HANDLE created = ::CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (created == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(created);
    ::DeleteFileA(probe.c_str());
    return true;
}

std::string BuildFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string OtherBuildExe() {
    char build[64] = {};
    if (::GetEnvironmentVariableA("LUMAPLAY_OTHER_BUILD", build, sizeof(build)) == 0)
        return std::string();
    return BuildFolder() + "..\\" + build + "\\Lumaplay.exe";
}

ProgramFolder::ProgramFolder(const std::string& name, bool withApplet) {
    static int counter = 0;
    std::string root = BuildFolder() + "e2e-work\\";
    ::CreateDirectoryA(root.c_str(), nullptr);
    m_dir = root + name + "-" + std::to_string(::GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "\\";
    RemoveTree(m_dir);
    ::CreateDirectoryA(m_dir.c_str(), nullptr);
    ::CopyFileA((BuildFolder() + "Lumaplay.exe").c_str(), Exe().c_str(), FALSE);
    if (withApplet) {
        // A placeholder: the program only checks that the applet's files exist.
        ::CreateDirectoryA((m_dir + "DOVEdivoz").c_str(), nullptr);
        ::CreateDirectoryA((m_dir + "DOVEdivoz\\res").c_str(), nullptr);
        Touch(m_dir + "DOVEdivoz\\DOVEdivoz.jar");
        Touch(m_dir + "DOVEdivoz\\res\\res.zip");
        Touch(m_dir + "DOVEdivoz\\res\\tt.zip");
    }
}

ProgramFolder::~ProgramFolder() {
    RemoveTree(m_dir);
}

void ProgramFolder::UseExe(const std::string& exe) const {
    ::CopyFileA(exe.c_str(), Exe().c_str(), FALSE);
}

void ProgramFolder::SetIni(const char* key, const char* value) const {
    ::WritePrivateProfileStringA("SETUP", key, value, Ini().c_str());
}

std::string ProgramFolder::GetIni(const char* key) const {
    char value[512] = {};
    ::GetPrivateProfileStringA("SETUP", key, "<missing>", value, sizeof(value), Ini().c_str());
    return value;
}

std::string ProgramFolder::WriteFile(const std::string& name, const std::string& bytes) const {
    std::string path = m_dir + name;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return path;
}

Process::Process(Process&& other) noexcept : m_process(other.m_process), m_pid(other.m_pid) {
    other.m_process = nullptr;
    other.m_pid = 0;
}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Kill();
        m_process = other.m_process;
        m_pid = other.m_pid;
        other.m_process = nullptr;
        other.m_pid = 0;
    }
    return *this;
}

Process::~Process() {
    Kill();
}

bool Process::WaitExit(DWORD ms) const {
    return m_process == nullptr || ::WaitForSingleObject(m_process, ms) == WAIT_OBJECT_0;
}

void Process::Kill() {
    if (m_process == nullptr)
        return;
    if (Running()) {
        ::TerminateProcess(m_process, 99);
        WaitExit(5000);
    }
    ::CloseHandle(m_process);
    m_process = nullptr;
}

Process Start(const ProgramFolder& folder, const std::string& arguments) {
    std::string line = "\"" + folder.Exe() + "\"";
    if (!arguments.empty())
        line += " " + arguments;
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.Dir().c_str(), &startup, &info))
        return Process();
    ::CloseHandle(info.hThread);
    return Process(info.hProcess, info.dwProcessId);
}

Process Adopt(HWND window) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    HANDLE process = ::OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid);
    return process != nullptr ? Process(process, pid) : Process();
}

namespace {
struct EnumContext {
    DWORD pid;
    const std::function<bool(HWND)>* pred;
    std::vector<HWND>* found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    EnumContext& context = *reinterpret_cast<EnumContext*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if ((context.pid == 0 || pid == context.pid) && (*context.pred)(hwnd))
        context.found->push_back(hwnd);
    return TRUE;
}
} // namespace

std::vector<HWND> TopLevelWindows(DWORD pid, const std::function<bool(HWND)>& pred) {
    std::vector<HWND> found;
    EnumContext context = {pid, &pred, &found};
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&context));
    return found;
}

bool WaitUntil(const std::function<bool()>& done, DWORD ms) {
    DWORD start = ::GetTickCount();
    for (;;) {
        PumpMessages();
        if (done())
            return true;
        if (::GetTickCount() - start >= ms)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

HWND WaitForWindow(DWORD pid, const std::function<bool(HWND)>& pred, DWORD ms) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            std::vector<HWND> windows = TopLevelWindows(pid, pred);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        ms);
    return found;
}

std::string WindowText(HWND hwnd) {
    char text[1024] = {};
    ::GetWindowTextA(hwnd, text, sizeof(text));
    return text;
}

std::string ControlText(HWND dialog, int id) {
    char text[1024] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

bool IsPlayerWindow(HWND hwnd) {
    return ::IsWindowVisible(hwnd) && WindowText(hwnd).compare(0, 8, "Lumaplay") == 0;
}

bool IsMessageBox(HWND hwnd, const char* caption) {
    char className[64] = {};
    ::GetClassNameA(hwnd, className, sizeof(className));
    // A dialog with that caption that is not a player window (which has a path box).
    return std::string(className) == "#32770" && ::IsWindowVisible(hwnd) &&
           WindowText(hwnd) == caption && ::GetDlgItem(hwnd, 1001) == nullptr;
}

std::string MessageBoxText(HWND box) {
    std::string text;
    for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        char className[64] = {};
        ::GetClassNameA(child, className, sizeof(className));
        if (std::string(className) == "Static")
            text += WindowText(child);
    }
    return text;
}

std::string ReadFileBytes(const std::string& path) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<unreadable>";
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    ::CloseHandle(file);
    return bytes;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = data.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return names;
}

bool FolderExists(const std::string& folder) {
    DWORD attributes = ::GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Sync(HWND window) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &result) != 0;
}

HWND WaitForPlayed(const Process& program, const std::string& caption) {
    HWND window = WaitForWindow(
        program.Pid(), [&](HWND h) { return IsPlayerWindow(h) && WindowText(h) == caption; });
    if (window != nullptr)
        Sync(window);
    return window;
}

HWND WaitForIdlePlayer(const Process& program) {
    HWND window = WaitForWindow(program.Pid(), IsPlayerWindow);
    if (window != nullptr)
        Sync(window);
    return window;
}

std::string AnswerBox(const Process& program, const char* caption) {
    HWND box = WaitForWindow(program.Pid(), [&](HWND h) { return IsMessageBox(h, caption); });
    if (box == nullptr)
        return "<no message box>";
    std::string text = MessageBoxText(box);
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !::IsWindow(box); });
    return text;
}

const std::string kGzipBytes("\x1F\x8B\x08\x00\x00\x00\x00\x00\x00\x03stands-for-drawing-data", 31);

bool ClosePlayer(HWND window, const Process& process) {
    ::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return process.WaitExit(kWaitMs);
}

ReadOnlyOnHost::ReadOnlyOnHost(std::vector<std::string> paths) : m_paths(std::move(paths)) {
    SetImmutable(m_paths, true);
}

ReadOnlyOnHost::~ReadOnlyOnHost() {
    SetImmutable(m_paths, false);
}

std::string ProcessCommandLine(DWORD pid) {
    HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (process == nullptr)
        return std::string();
    std::string result;
    PROCESS_BASIC_INFORMATION basic = {};
    ULONG length = 0;
    // The other process has this program's bitness, so the system's own layouts of
    // its environment block and start parameters apply.
    PEB peb = {};
    RTL_USER_PROCESS_PARAMETERS parameters = {};
    SIZE_T read = 0;
    if (::NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof(basic),
                                    &length) == 0 &&
        ::ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof(peb), &read) &&
        ::ReadProcessMemory(process, peb.ProcessParameters, &parameters, sizeof(parameters),
                            &read)) {
        const UNICODE_STRING& line = parameters.CommandLine;
        std::wstring wide(line.Length / 2, L'\0');
        if (::ReadProcessMemory(process, line.Buffer, &wide[0], line.Length, &read)) {
            int size =
                ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
            std::string narrow(static_cast<std::size_t>(size), '\0');
            ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &narrow[0], size, nullptr,
                                  nullptr);
            result = narrow.c_str();
        }
    }
    ::CloseHandle(process);
    return result;
}

} // namespace e2e
