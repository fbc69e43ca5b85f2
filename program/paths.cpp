#include "program/paths.h"

#include <cstdint>
#include <cstdio>

const char kIniFileName[] = "Lumaplay.ini";
const char kAppletFolder[] = "DOVEdivoz";
const char kWorkFolder[] = "Work";

ProgramPaths ComposeProgramPaths(const std::string& programPath) {
    PathParts parts = SplitPath(programPath);
    std::string folder = parts.drive + parts.dir;
    ProgramPaths paths;
    paths.programPath = programPath;
    paths.exeName = parts.name;
    paths.iniPath = NormalizeSeparators(folder + "/" + kIniFileName);
    paths.viewerDir = folder + "/" + kAppletFolder;
    paths.appDir = NormalizeSeparators(folder + "/");
    paths.workDir = NormalizeSeparators(folder + "/" + kWorkFolder);
    return paths;
}

std::vector<std::string> RequiredAppletFiles(const std::string& viewerDir) {
    return {viewerDir + "/DOVEdivoz.jar", viewerDir + "/res/res.zip", viewerDir + "/res/tt.zip"};
}

std::string WorkRelativePath(const std::string& copyPath) {
    PathParts parts = SplitPath(copyPath);
    return std::string(kWorkFolder) + "/" + parts.name + parts.ext;
}

std::string FolderOfFile(const std::string& path) {
    PathParts parts = SplitPath(path);
    return parts.drive + parts.dir;
}

namespace {

std::string LowerAscii(std::string text) {
    for (char& c : text)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
}

// The system's names take no backslash and have a length limit: a folder of any name
// goes in as a 64-bit FNV-1a hash, letter case aside as the file system does.
std::string Mark(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : LowerAscii(text))
        hash = (hash ^ c) * 1099511628211ull;
    char hex[17];
    std::snprintf(hex, sizeof(hex), "%016llx", static_cast<unsigned long long>(hash));
    return std::string("Lumaplay-Work-") + hex;
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

} // namespace

std::string WorkFolderMark(const std::string& workDir) {
    return Mark(workDir);
}

std::string WorkFileMark(const std::string& workDir, const std::string& ownName) {
    return Mark(workDir + "/" + ownName);
}

std::string WorkFileOwnName(const std::string& name) {
    const std::string lower = LowerAscii(name);
    for (const std::string tail : {"~old", "~", ""}) {
        if (lower.size() < tail.size() + 8 || lower.compare(lower.size() - tail.size(), tail.size(), tail) != 0)
            continue;
        // "lum", one to four hex digits, ".tmp": the names the system's temporary-file
        // call makes with our prefix.
        const std::string own = lower.substr(0, lower.size() - tail.size());
        const std::size_t digits = own.size() - 7;
        bool hex = own.compare(0, 3, "lum") == 0 && own.compare(own.size() - 4, 4, ".tmp") == 0 &&
                   digits >= 1 && digits <= 4;
        for (std::size_t i = 3; hex && i < 3 + digits; ++i)
            hex = IsHexDigit(own[i]);
        if (hex)
            return name.substr(0, own.size());
    }
    return std::string();
}
