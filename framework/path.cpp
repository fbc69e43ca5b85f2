#include "framework/path.h"

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

} // namespace

PathParts SplitPath(const std::string& path, LeadByteTest isLead) {
    PathParts parts;
    std::size_t start = 0;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, 2);
        start = 2;
    }
    // Last separator and last dot, found character by character so that a trail
    // byte equal to "\" is never taken for a separator.
    std::size_t lastSep = std::string::npos;
    std::size_t lastDot = std::string::npos;
    for (std::size_t pos = start; pos < path.size(); pos += MbCharLen(path, pos, isLead)) {
        if (MbCharLen(path, pos, isLead) != 1)
            continue;
        if (IsSeparator(path[pos]))
            lastSep = pos;
        else if (path[pos] == '.')
            lastDot = pos;
    }
    std::size_t nameStart = start;
    if (lastSep != std::string::npos) {
        parts.dir = path.substr(start, lastSep + 1 - start);
        nameStart = lastSep + 1;
    }
    if (lastDot != std::string::npos && (lastSep == std::string::npos || lastDot > lastSep)) {
        parts.name = path.substr(nameStart, lastDot - nameStart);
        parts.ext = path.substr(lastDot);
    } else {
        parts.name = path.substr(nameStart);
    }
    return parts;
}

std::string NormalizeSeparators(const std::string& path, LeadByteTest isLead) {
    std::string slashed = MbReplaceAll(path, "\\", "/", isLead);
    if (slashed.compare(0, 2, "//") == 0)
        return "/" + MbReplaceAll(slashed.substr(1), "//", "/", isLead);
    return MbReplaceAll(slashed, "//", "/", isLead);
}
