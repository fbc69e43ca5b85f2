// The command line as the platform gives it to a process.
#pragma once

#include <string>

// The part of a full process command line after the program's own name and the
// blanks that follow it, by the platform's rule.
std::string CommandLineTail(const char* commandLine);
