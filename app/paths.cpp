#include "app/paths.h"

const char kIniFileName[] = "Lumaplay.ini";
const char kAppletFolder[] = "DOVEdivoz";
const char kWorkFolder[] = "Work";

ProgramPaths ComposeProgramPaths(const std::string& programPath, LeadByteTest isLead) {
    PathParts parts = SplitPath(programPath, isLead);
    std::string folder = parts.drive + parts.dir;
    ProgramPaths paths;
    paths.programPath = programPath;
    paths.exeName = parts.name;
    paths.iniPath = NormalizeSeparators(folder + "/" + kIniFileName, isLead);
    paths.viewerDir = folder + "/" + kAppletFolder;
    paths.appDir = NormalizeSeparators(folder + "/", isLead);
    paths.workDir = NormalizeSeparators(folder + "/" + kWorkFolder, isLead);
    return paths;
}

std::vector<std::string> RequiredAppletFiles(const std::string& viewerDir) {
    return {viewerDir + "/DOVEdivoz.jar", viewerDir + "/res/res.zip", viewerDir + "/res/tt.zip"};
}

std::string WorkRelativePath(const std::string& copyPath, LeadByteTest isLead) {
    PathParts parts = SplitPath(copyPath, isLead);
    return std::string(kWorkFolder) + "/" + parts.name + parts.ext;
}

std::string FolderOfFile(const std::string& path, LeadByteTest isLead) {
    PathParts parts = SplitPath(path, isLead);
    return parts.drive + parts.dir;
}
