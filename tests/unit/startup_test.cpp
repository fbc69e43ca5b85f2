#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "app/startup.h"
#include "settings/settings_keys.h"

namespace {

TEST(StartRoad, FollowsNameCountSettingAndRunningInstance) {
    const struct {
        int names;
        int singleInstance;
        bool first;
        bool launchEach;
        bool handOff;
    } cases[] = {
        {1, 1, true, false, false},  {3, 1, true, false, false},  {1, 1, false, false, true},
        {5, 1, false, false, true},  {1, 0, false, false, false}, {2, 0, true, true, false},
        {20, 0, false, true, false}, {1, 2, false, false, false}, {4, 7, false, false, false},
        {2, -1, true, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LaunchesOneProcessPerFile(c.names, c.singleInstance), c.launchEach)
            << c.names << " names, CK_SET3=" << c.singleInstance;
        if (!c.launchEach) {
            EXPECT_EQ(HandsOffToRunningInstance(c.first, c.singleInstance), c.handOff)
                << c.names << " names, CK_SET3=" << c.singleInstance << " first=" << c.first;
        }
    }
}

TEST(HandOff, MatchesOnlyTheProgramTitlePrefix) {
    EXPECT_TRUE(IsPlayerWindowTitle("Lumaplay"));
    EXPECT_TRUE(IsPlayerWindowTitle("Lumaplay [PaintBBS]"));
    EXPECT_TRUE(IsPlayerWindowTitle("Lumaplay-other"));
    EXPECT_FALSE(IsPlayerWindowTitle("lumaplay"));
    EXPECT_FALSE(IsPlayerWindowTitle("Luma"));
    EXPECT_FALSE(IsPlayerWindowTitle("Lumaplaz"));
    EXPECT_FALSE(IsPlayerWindowTitle(""));
}

TEST(HandOff, RecordIsReadWithinItsByteCount) {
    const char withNul[] = "C:\\a.pch\0garbage";
    EXPECT_EQ(ReadHandOffName(withNul, sizeof(withNul)), "C:\\a.pch");
    // No NUL inside cbData: the name ends at cbData, nothing past it is read.
    const char noNul[] = {'a', '.', 'p', 'c', 'h', 'X', 'Y'};
    EXPECT_EQ(ReadHandOffName(noNul, 5), "a.pch");
    EXPECT_EQ(ReadHandOffName(noNul, 0), "");
    EXPECT_EQ(ReadHandOffName(nullptr, 10), "");
    EXPECT_EQ(ReadHandOffName("", 1), "");
}

TEST(LaunchCommand, IsNeverCut) {
    std::string name(259, 'n');
    std::string args = BuildLaunchArguments(name, 19);
    EXPECT_EQ(args, "\"" + name + "\" -BP:19");
    std::string program = "C:\\" + std::string(250, 'p') + "\\Lumaplay.exe";
    std::string line = BuildLaunchCommandLine(program, args);
    EXPECT_EQ(line, "\"" + program + "\" " + args);
    EXPECT_EQ(BuildLaunchArguments("a.pch", 0), "\"a.pch\" -BP:0");
}

TEST(Settings, StoredTextReadsBackAsWritten) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"", -9999},
        {"   ", -9999},
        {"-9999", -9999},
        {"-32000", -32000},
        {"0", 0},
        {"abc", 0},
        {"12abc", 12},
        {" 7", 7},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseSettingValue(c.text, IntSetting::SavedPosX), c.value)
            << '"' << c.text << '"';
    for (int v : {-32000, -1, 0, 1, 10000, INT_MIN, INT_MAX})
        EXPECT_EQ(ParseSettingValue(FormatSettingValue(v), IntSetting::DefaultWidth), v);
}

} // namespace
