// Driving the real Lumaplay.exe from outside: a fresh program folder per test,
// processes started and ended by handle, windows found by process and title.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kWaitMs = 15000;

// Folder of the test program (and of the Lumaplay.exe under test).
std::string BuildFolder();

// The Lumaplay.exe of the other bitness, when the test run says that it runs here
// too (LUMAPLAY_OTHER_BUILD names its build folder); empty otherwise.
std::string OtherBuildExe();

// A fresh folder holding a copy of Lumaplay.exe and, unless told otherwise, a
// placeholder applet folder. Removed with everything in it at the end of the test.
class ProgramFolder {
  public:
    explicit ProgramFolder(const std::string& name, bool withApplet = true);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::string& Dir() const { return m_dir; } // ends in a backslash
    std::string Exe() const { return m_dir + "Lumaplay.exe"; }
    std::string Ini() const { return m_dir + "Lumaplay.ini"; }
    void SetIni(const char* key, const char* value) const;
    std::string GetIni(const char* key) const; // "<missing>" when absent
    // Puts another build's Lumaplay.exe in place of this build's.
    void UseExe(const std::string& exe) const;
    // Writes a file beside the program and returns its full path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const;

  private:
    std::string m_dir;
};

class Process {
  public:
    Process() = default;
    Process(HANDLE process, DWORD pid) : m_process(process), m_pid(pid) {}
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    ~Process(); // ends the process if it still runs
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD Pid() const { return m_pid; }
    HANDLE Handle() const { return m_process; }
    bool WaitExit(DWORD ms) const;
    bool Running() const { return !WaitExit(0); }
    void Kill();

  private:
    HANDLE m_process = nullptr;
    DWORD m_pid = 0;
};

// Starts "<exe>" <arguments> with the program folder as current directory.
Process Start(const ProgramFolder& folder, const std::string& arguments);

// Opens a process found through one of its windows, to end it by handle later.
Process Adopt(HWND window);

// Top-level windows of a process (any process when pid is 0) that satisfy pred.
std::vector<HWND> TopLevelWindows(DWORD pid, const std::function<bool(HWND)>& pred);

// Waits, pumping this thread's messages, until pred gives a window; null on time-out.
HWND WaitForWindow(DWORD pid, const std::function<bool(HWND)>& pred, DWORD ms = kWaitMs);

// Waits, pumping messages, until done() is true; false on time-out.
bool WaitUntil(const std::function<bool()>& done, DWORD ms = kWaitMs);

bool IsPlayerWindow(HWND hwnd); // visible, title begins with "Lumaplay"
bool IsMessageBox(HWND hwnd, const char* caption);

std::string WindowText(HWND hwnd);
std::string ControlText(HWND dialog, int id);
// The message text of a message box: the text of its static controls.
std::string MessageBoxText(HWND box);

// Whole contents of a file; "<unreadable>" when it cannot be opened.
std::string ReadFileBytes(const std::string& path);
// Names of the files in a folder (no "." and ".."); empty when the folder is missing.
std::vector<std::string> FilesIn(const std::string& folder);
bool FolderExists(const std::string& folder);
// Whether a new file can be made in the folder (which ends in a backslash).
bool CanCreateIn(const std::string& folder);

// Returns once the window's thread has finished what it was doing (a play made
// while starting, or one handed over) and is waiting for messages again.
bool Sync(HWND window);

// Waits for a visible player window of the process with exactly this caption, then
// for its thread to be idle.
HWND WaitForPlayed(const Process& program, const std::string& caption);

// The first visible player window of the process, once its thread is idle.
HWND WaitForIdlePlayer(const Process& program);

// Answers the process's message box with that caption and returns its text, or
// "<no message box>" when none came.
std::string AnswerBox(const Process& program, const char* caption);

// Bytes that begin like gzip data: what the program takes for a PaintBBS file.
extern const std::string kGzipBytes;

// Closes a player window the way the user does and waits for its process to end.
bool ClosePlayer(HWND window, const Process& process);

// The command line a process was started with.
std::string ProcessCommandLine(DWORD pid);

// Makes files and folders unchangeable for every user of the host system, the
// super-user included (where the file system can), for as long as it lives: a program
// folder on read-only storage.
class ReadOnlyOnHost {
  public:
    explicit ReadOnlyOnHost(std::vector<std::string> paths);
    ~ReadOnlyOnHost();
    ReadOnlyOnHost(const ReadOnlyOnHost&) = delete;
    ReadOnlyOnHost& operator=(const ReadOnlyOnHost&) = delete;

  private:
    std::vector<std::string> m_paths;
};

} // namespace e2e
