// Paths the program builds for itself from its own module path.
#pragma once

#include <string>
#include <vector>

#include "framework/mbstr.h"
#include "framework/path.h"

extern const char kIniFileName[];  // "Lumaplay.ini"
extern const char kAppletFolder[]; // "DOVEdivoz"
extern const char kWorkFolder[];   // "Work"

// Everything derived from the program's own full path.
struct ProgramPaths {
    std::string programPath; // C:\Tools\Lumaplay.exe, as the system gave it
    std::string exeName;     // Lumaplay: marks the player windows of this program
    std::string iniPath;   // C:/Tools/Lumaplay.ini
    std::string viewerDir; // C:\Tools\/DOVEdivoz (separators left as they are)
    std::string appDir;    // C:/Tools/
    std::string workDir;   // C:/Tools/Work
};

ProgramPaths ComposeProgramPaths(const std::string& programPath, LeadByteTest isLead);

// The applet files that must exist before the program starts, in checking order.
std::vector<std::string> RequiredAppletFiles(const std::string& viewerDir);

// "Work/<name><ext>" of the work copy, the path the page gives the applet.
std::string WorkRelativePath(const std::string& copyPath, LeadByteTest isLead);

// The folder of a chosen file: the path less its last component, separator kept.
std::string FolderOfFile(const std::string& path, LeadByteTest isLead);
