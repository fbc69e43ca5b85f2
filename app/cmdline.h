// Splitting the program's command line into file names and a launch index.
#pragma once

#include <string>

#include "framework/mbstr.h"

constexpr int kMaxCmdFiles = 20;
constexpr int kCmdFileSize = 260; // longest name: 259 characters and the NUL
// Bytes per entry: a name of 259 UTF-16 units takes at most three bytes each in UTF-8.
constexpr int kCmdFileBytes = 3 * kCmdFileSize;

// A name's length as its entry counts it (by default its bytes).
using NameLength = std::size_t (*)(const std::string& name);

struct CommandLineFiles {
    char files[kMaxCmdFiles][kCmdFileBytes]; // unused entries are all zero
    int count;                              // 1 to kMaxCmdFiles
    int launchIndex;                        // value of "-BP:", -1 when absent
    bool nameTooLong;                       // a name was left out for its length
};

// Splits the tail. Names are double-quoted; an unquoted tail splits at every blank.
// The scan ends at the first missing double quote. A name too long for an entry is
// left out rather than cut into a different path: one whose length is kCmdFileSize or
// more. There is always at least one entry (an empty one when nothing else was found).
void SplitCommandLine(const std::string& tail, CommandLineFiles& out, NameLength length = nullptr);
