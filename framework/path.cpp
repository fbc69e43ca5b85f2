#include "framework/path.h"

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Replaces every occurrence of from, left to right, where a character begins: a
// double-byte character is passed over whole where the lead-byte test says so.
std::string ReplaceByCharacter(const std::string& s, const std::string& from, const std::string& to,
                               bool (*isLead)(unsigned char)) {
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        if (s.compare(pos, from.size(), from) == 0) {
            out += to;
            pos += from.size();
            continue;
        }
        const std::size_t len = pos + 1 < s.size() && isLead(static_cast<unsigned char>(s[pos])) ? 2 : 1;
        out.append(s, pos, len);
        pos += len;
    }
    return out;
}

std::string Normalize(const std::string& path, bool (*isLead)(unsigned char)) {
    std::string slashed = ReplaceByCharacter(path, "\\", "/", isLead);
    if (slashed.compare(0, 2, "//") == 0)
        return "/" + ReplaceByCharacter(slashed.substr(1), "//", "/", isLead);
    return ReplaceByCharacter(slashed, "//", "/", isLead);
}

bool NoLeadByte(unsigned char) {
    return false;
}

} // namespace

PathParts SplitPath(const std::string& path) {
    PathParts parts;
    std::size_t start = 0;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, 2);
        start = 2;
    }
    std::size_t lastSep = std::string::npos;
    std::size_t lastDot = std::string::npos;
    for (std::size_t pos = start; pos < path.size(); ++pos) {
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

std::string NormalizeSeparators(const std::string& path) {
    return Normalize(path, &NoLeadByte);
}

std::string NormalizeShiftJisSeparators(const std::string& path) {
    return Normalize(path, &IsCp932LeadByte);
}
