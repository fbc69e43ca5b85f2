// Splitting a path into its parts and normalising its separators.
#pragma once

#include <string>

#include "framework/mbstr.h"

// The four parts of a path as the C runtime's _splitpath gives them: drive ("C:"),
// directory with its final separator, file name, extension with its dot.
struct PathParts {
    std::string drive;
    std::string dir;
    std::string name;
    std::string ext;
};

PathParts SplitPath(const std::string& path);

// Every "\" becomes "/", then every "//" becomes "/". A path that begins with two
// separators (a network share) keeps that leading pair.
std::string NormalizeSeparators(const std::string& path);
// The same for a path in Shift_JIS, character by character: the trail byte of a
// double-byte character such as 表 (95 5C) is never taken for a separator.
std::string NormalizeShiftJisSeparators(const std::string& path);
