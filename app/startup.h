// Start-up decisions and the texts exchanged between instances, free of any window.
#pragma once

#include <cstddef>
#include <string>

extern const char kProgramTitle[];      // "Lumaplay": caption and hand-off title prefix
extern const char kInstanceMutexName[]; // "Lumaplay-Quenby-Application"
extern const char kAppletMissingText[]; // message when the applet is not installed

// Several names with several windows allowed: one new process per name.
bool LaunchesOneProcessPerFile(int nameCount, int singleInstanceSetting);

// Another instance holds the mutex and one window only is wanted: hand the file over.
bool HandsOffToRunningInstance(bool firstInstance, int singleInstanceSetting);

// A top-level window title that names a player window ("Lumaplay" and anything after).
bool IsPlayerWindowTitle(const char* title);

// The file name carried by a hand-off record: the bytes up to the first NUL, never
// reading past cbData bytes.
std::string ReadHandOffName(const void* data, std::size_t cbData);

// A hand-off record for a name the ANSI code page cannot hold: its dwData is this tag,
// and its data an ANSI stand-in (the short name, or nothing), a NUL, then the name in
// UTF-16 (little-endian) and a NUL of two bytes. A running window of a build that does
// not know the tag reads the stand-in, as it reads any record.
constexpr unsigned long kWideHandOffTag = 0x57494445; // "WIDE"
std::string BuildWideHandOffData(const std::string& ansiStandIn, const std::u16string& name);

// What a record carries: the UTF-16 name of a tagged record that is whole, otherwise
// the ANSI bytes up to the first NUL.
struct HandOffName {
    bool wide = false;
    std::string ansi;
    std::u16string utf16;
};
HandOffName ReadHandOffRecord(unsigned long tag, const void* data, std::size_t cbData);

// Arguments of a process started for one name of a multi-file start: "\"name\" -BP:k".
std::string BuildLaunchArguments(const std::string& name, int index);

// Full command line: the program in double quotes, a blank, the arguments.
std::string BuildLaunchCommandLine(const std::string& program, const std::string& arguments);
