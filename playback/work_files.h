// The work area of one player window: two files of its own in the folder "Work" beside
// the program, the page the browser shows and the copy of the animation the applet reads.
// Each is marked as in use while its window runs; the files of runs that have ended
// (a crash leaves them) are removed when a window makes its own. Every write puts a file
// in place whole or not at all.
#pragma once

#include <windows.h>

#include <string>

#include "framework/handles.h"

class CWorkFiles {
  public:
    // Makes the folder and the two files (each path stays empty where that failed).
    explicit CWorkFiles(const std::string& folder);
    // Removes the two files, and the folder when no other window uses it.
    ~CWorkFiles();
    CWorkFiles(const CWorkFiles&) = delete;
    CWorkFiles& operator=(const CWorkFiles&) = delete;

    const char* PagePath() const { return m_szPagePath; }
    // The copy as the page names it: "Work/<name>".
    const std::string& CopyRelativePath() const { return m_strPchRelPath; }

    // The page alone (the initial page); false when it could not be put in place.
    bool WritePage(const std::string& text);
    // A copy of the open file and the page that names it, in place together or not at
    // all: the previous copy and page stay when either cannot be written.
    bool PutPlayInPlace(HANDLE source, const std::string& pageText);

  private:
    const std::string m_strWorkDir;
    // UTF-8: a program folder of any name fits.
    char m_szPagePath[3 * MAX_PATH] = {};
    char m_szPchCopyPath[3 * MAX_PATH] = {};
    std::string m_strPchRelPath;
    UniqueHandle m_workMarks[2]; // held while the window lives: its work files are in use
};

// The program folder as the page gives it to the applet: in Shift_JIS, by its short name
// where Shift_JIS cannot hold it, else as a file URL.
std::string PageFolder(const std::string& appDir);
