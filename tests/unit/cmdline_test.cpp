#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/cmdline.h"

namespace {

struct SplitCase {
    const char* label;
    std::string tail;
    std::vector<std::string> names;
    int launchIndex;
};

std::vector<std::string> Names(const CommandLineFiles& files) {
    std::vector<std::string> names;
    for (int i = 0; i < files.count; ++i)
        names.emplace_back(files.files[i]);
    return names;
}

TEST(SplitCommandLine, SplitsNamesAndLaunchIndex) {
    const std::string long259(259, 'n');
    const std::string long260(260, 'n');
    const std::vector<SplitCase> cases = {
        {"empty tail gives one empty name", "", {""}, -1},
        {"quoted name keeps its blank", "\"C:\\My Files\\a.pch\"", {"C:\\My Files\\a.pch"}, -1},
        {"unquoted name splits at the blank",
         "C:\\My Files\\a.pch",
         {"C:\\My", "Files\\a.pch"},
         -1},
        {"two unquoted names", "a.pch b.pch", {"a.pch", "b.pch"}, -1},
        {"two blanks give an empty name", "a.pch  b.pch", {"a.pch", "", "b.pch"}, -1},
        {"trailing blank of an unquoted line", "a.pch ", {"a.pch", ""}, -1},
        {"tab is no separator", "a.pch\tb.pch", {"a.pch\tb.pch"}, -1},
        {"launch index after a quoted name", "\"a.pch\" -BP:3", {"a.pch"}, 3},
        {"launch index alone", "-BP:2", {""}, 2},
        {"switch at position 1", "x-BP:5", {""}, 5},
        {"switch without digits", "\"a.pch\" -BP:", {"a.pch"}, 0},
        {"negative launch index", "\"a.pch\" -BP:-4", {"a.pch"}, -4},
        {"index text read like atoi", "\"a.pch\" -BP: 12x", {"a.pch"}, 12},
        {"two quoted names", "\"a.pch\" \"b.pch\"", {"a.pch", "b.pch"}, -1},
        {"missing closing quote ends the scan", "\"a.pch\" \"b.pch", {"a.pch"}, -1},
        {"only an unmatched quote", "\"a.pch", {""}, -1},
        {"trailing text after the last name", "\"a.pch\" junk", {"a.pch"}, -1},
        {"259-byte name is kept", "\"" + long259 + "\"", {long259}, -1},
        {"260-byte name is left out", "\"" + long260 + "\" \"b.pch\"", {"b.pch"}, -1},
        {"only an overlong name", "\"" + long260 + "\"", {""}, -1},
        // 表 is 0x95 0x5C in code page 932: its trail byte must stay part of the name.
        {"Shift_JIS name with a 0x5C trail byte",
         "\"C:\\\x95\x5C\\a.pch\"",
         {"C:\\\x95\x5C\\a.pch"},
         -1},
    };
    for (const SplitCase& c : cases) {
        CommandLineFiles files;
        SplitCommandLine(c.tail, IsCp932LeadByte, files);
        EXPECT_EQ(Names(files), c.names) << c.label;
        EXPECT_EQ(files.launchIndex, c.launchIndex) << c.label;
    }
}

TEST(SplitCommandLine, TakesTwentyNamesAndZeroesTheRest) {
    std::string tail;
    for (int i = 0; i < 21; ++i)
        tail += "\"f" + std::to_string(i) + ".pch\" ";
    CommandLineFiles files;
    SplitCommandLine(tail, IsCp932LeadByte, files);
    ASSERT_EQ(files.count, 20);
    EXPECT_STREQ(files.files[19], "f19.pch");

    // A later, shorter line leaves no bytes of the earlier one behind.
    SplitCommandLine("\"a\"", IsCp932LeadByte, files);
    EXPECT_EQ(files.count, 1);
    for (int i = 0; i < kMaxCmdFiles; ++i)
        for (int b = (i == 0 ? 2 : 0); b < kCmdFileSize; ++b)
            ASSERT_EQ(files.files[i][b], '\0') << i << ":" << b;
}

TEST(CommandLineTail, SkipsProgramNameAndBlanks) {
    const struct {
        const char* line;
        const char* tail;
    } cases[] = {
        {"\"C:\\Program Files\\Lumaplay.exe\"  \"a.pch\"", "\"a.pch\""},
        {"Lumaplay.exe a.pch b.pch", "a.pch b.pch"},
        {"Lumaplay.exe", ""},
        {"\"C:\\unterminated", ""},
        {"\"C:\\x\\Lumaplay.exe\"\t-BP:1", "-BP:1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandLineTail(c.line), c.tail) << c.line;
}

} // namespace
