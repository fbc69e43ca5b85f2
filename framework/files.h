// Whole files through the system's wide functions.
#pragma once

#include <string>

// Writes a file anew with these bytes; true only when all of them are there and the
// file closed cleanly (a full disk fails here, leaving a part).
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);
// Reads a whole file; false when it cannot be read. A file that is not there reads as
// empty when missingIsEmpty.
bool ReadWholeFile(const std::wstring& path, std::string& bytes, bool missingIsEmpty);
