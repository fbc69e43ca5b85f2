// Start-up decisions, free of any window.
#pragma once

#include <string>

extern const char kAppletMissingText[]; // message when the applet is not installed

// Several names with several windows allowed: one new process per name.
bool LaunchesOneProcessPerFile(int nameCount, int singleInstanceSetting);

// Another instance holds the mutex and one window only is wanted: hand the file over.
bool HandsOffToRunningInstance(bool firstInstance, int singleInstanceSetting);

// Arguments of a process started for one name of a multi-file start: "\"name\" -BP:k".
std::string BuildLaunchArguments(const std::string& name, int index);

// Full command line: the program in double quotes, a blank, the arguments.
std::string BuildLaunchCommandLine(const std::string& program, const std::string& arguments);
