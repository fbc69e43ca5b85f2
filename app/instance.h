// Dealing with other starts of the program: the instance test, handing a file to the
// running player window, and starting one more process.
#pragma once

#include <windows.h>

#include <string>

// True when this process is the first to create the named mutex. When another
// instance holds it, a player window carrying the property propName is restored and
// brought to the front.
bool ActivateRunningInstance(const char* mutexName, const char* propName);

// Sends the file name to the first player window found: a top-level window whose
// title begins with the program title and which carries the property propName.
// True when a window took the record.
bool SendFileToRunningInstance(const std::string& fileName, const char* propName);

// Tries the hand-off for a short, bounded while: the running instance may still be
// creating its window, or closing it. True when a window took the record.
bool HandFileToRunningInstance(const std::string& fileName, const char* propName);

BOOL CALLBACK HandOffEnumProc(HWND hwnd, LPARAM param);

// Starts "<program>" <arguments> as a detached process. True when it was started.
bool LaunchProcess(const std::string& programPath, const std::string& arguments);
