#include <gtest/gtest.h>

#include "app/paths.h"

namespace {

TEST(ComposeProgramPaths, DerivesIniAppletWorkAndProgramFolder) {
    const struct {
        const char* program;
        const char* ini;
        const char* viewer;
        const char* appDir;
        const char* workDir;
    } cases[] = {
        {"C:\\Tools\\Lumaplay.exe", "C:/Tools/Lumaplay.ini", "C:\\Tools\\/DOVEdivoz", "C:/Tools/",
         "C:/Tools/Work"},
        {"C:\\Lumaplay.exe", "C:/Lumaplay.ini", "C:\\/DOVEdivoz", "C:/", "C:/Work"},
        // Network share: the leading pair of separators survives.
        {"\\\\srv\\share\\Lum\\Lumaplay.exe", "//srv/share/Lum/Lumaplay.ini",
         "\\\\srv\\share\\Lum\\/DOVEdivoz", "//srv/share/Lum/", "//srv/share/Lum/Work"},
        // 表 (95 5C) and ソ (83 5C): their 0x5C trail bytes are no separators.
        {"C:\\\x95\x5C\\Lumaplay.exe", "C:/\x95\x5C/Lumaplay.ini", "C:\\\x95\x5C\\/DOVEdivoz",
         "C:/\x95\x5C/", "C:/\x95\x5C/Work"},
        {"D:\\a\x83\x5C\\b\\Lumaplay.exe", "D:/a\x83\x5C/b/Lumaplay.ini",
         "D:\\a\x83\x5C\\b\\/DOVEdivoz", "D:/a\x83\x5C/b/", "D:/a\x83\x5C/b/Work"},
    };
    for (const auto& c : cases) {
        ProgramPaths p = ComposeProgramPaths(c.program, IsCp932LeadByte);
        EXPECT_EQ(p.iniPath, c.ini) << c.program;
        EXPECT_EQ(p.viewerDir, c.viewer) << c.program;
        EXPECT_EQ(p.appDir, c.appDir) << c.program;
        EXPECT_EQ(p.workDir, c.workDir) << c.program;
    }
}

TEST(SplitPath, SplitsLikeTheRuntime) {
    const struct {
        const char* path;
        const char* drive;
        const char* dir;
        const char* name;
        const char* ext;
    } cases[] = {
        {"C:\\Tools\\Lumaplay.exe", "C:", "\\Tools\\", "Lumaplay", ".exe"},
        {"C:/Work\\lum1A2.TMP", "C:", "/Work\\", "lum1A2", ".TMP"},
        {"C:\\a.b\\noext", "C:", "\\a.b\\", "noext", ""},
        {"x.tar.gz", "", "", "x.tar", ".gz"},
        {"C:\\\x83\x5C.pch", "C:", "\\", "\x83\x5C", ".pch"},
    };
    for (const auto& c : cases) {
        PathParts parts = SplitPath(c.path, IsCp932LeadByte);
        EXPECT_EQ(parts.drive, c.drive) << c.path;
        EXPECT_EQ(parts.dir, c.dir) << c.path;
        EXPECT_EQ(parts.name, c.name) << c.path;
        EXPECT_EQ(parts.ext, c.ext) << c.path;
    }
}

TEST(NormalizeSeparators, CollapsesInOneLeftToRightPass) {
    EXPECT_EQ(NormalizeSeparators("C:\\x\\\\y", IsCp932LeadByte), "C:/x/y");
    EXPECT_EQ(NormalizeSeparators("C:/x///y", IsCp932LeadByte), "C:/x//y");
    EXPECT_EQ(NormalizeSeparators("//srv//share", IsCp932LeadByte), "//srv/share");
    EXPECT_EQ(NormalizeSeparators("\\\x95\x5C\\", IsCp932LeadByte), "/\x95\x5C/");
}

TEST(ProgramPathsHelpers, RequiredFilesRelativeCopyAndChosenFolder) {
    std::vector<std::string> required = RequiredAppletFiles("C:\\T\\/DOVEdivoz");
    ASSERT_EQ(required.size(), 3u);
    EXPECT_EQ(required[0], "C:\\T\\/DOVEdivoz/DOVEdivoz.jar");
    EXPECT_EQ(required[1], "C:\\T\\/DOVEdivoz/res/res.zip");
    EXPECT_EQ(required[2], "C:\\T\\/DOVEdivoz/res/tt.zip");

    EXPECT_EQ(WorkRelativePath("C:/T/Work\\lum1A2.TMP", IsCp932LeadByte), "Work/lum1A2.TMP");
    EXPECT_EQ(WorkRelativePath("", IsCp932LeadByte), "Work/");

    EXPECT_EQ(FolderOfFile("C:\\Data\\a.pch", IsCp932LeadByte), "C:\\Data\\");
    EXPECT_EQ(FolderOfFile("C:\\a.pch\\a.pch", IsCp932LeadByte), "C:\\a.pch\\");
}

} // namespace
