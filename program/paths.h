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

ProgramPaths ComposeProgramPaths(const std::string& programPath);

// The applet files that must exist before the program starts, in checking order.
std::vector<std::string> RequiredAppletFiles(const std::string& viewerDir);

// "Work/<name><ext>" of the work copy, the path the page gives the applet.
std::string WorkRelativePath(const std::string& copyPath);

// The folder of a chosen file: the path less its last component, separator kept.
std::string FolderOfFile(const std::string& path);

// The work files of a run that has ended (a crash leaves them, and their siblings) are
// removed by the next start; a running window keeps its own by holding a mark for each,
// a named object of the system. The work folder's own mark is held while files are made
// or removed, so that no start removes a file between its making and its mark.
std::string WorkFolderMark(const std::string& workDir);
std::string WorkFileMark(const std::string& workDir, const std::string& ownName);
// A work file's own name ("lum1A2.tmp") for a name found in the work folder, that file or
// one of its siblings ("lum1A2.tmp~", "lum1A2.tmp~old"); empty for any other name.
std::string WorkFileOwnName(const std::string& name);
