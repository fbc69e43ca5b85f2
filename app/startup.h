// Start-up decisions and the texts exchanged between instances, free of any window.
#pragma once

#include <cstddef>
#include <string>

extern const char kProgramTitle[];      // "Lumaplay": caption and hand-off title prefix
extern const char kInstanceMutexName[]; // "Lumaplay-Quenby-Application"
extern const char kAppletMissingText[]; // message when the applet is not installed
extern const char kErrorCaption[];      // "ERROR"

// Several names with several windows allowed: one new process per name.
bool LaunchesOneProcessPerFile(int nameCount, int singleInstanceSetting);

// Another instance holds the mutex and one window only is wanted: hand the file over.
bool HandsOffToRunningInstance(bool firstInstance, int singleInstanceSetting);

// A top-level window title that names a player window ("Lumaplay" and anything after).
bool IsPlayerWindowTitle(const char* title);

// The file name carried by a hand-off record: the bytes up to the first NUL, never
// reading past cbData bytes.
std::string ReadHandOffName(const void* data, std::size_t cbData);

// Arguments of a process started for one name of a multi-file start: "\"name\" -BP:k".
std::string BuildLaunchArguments(const std::string& name, int index);

// Full command line: the program in double quotes, a blank, the arguments.
std::string BuildLaunchCommandLine(const std::string& program, const std::string& arguments);
