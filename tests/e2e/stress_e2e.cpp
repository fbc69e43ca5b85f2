// Many starts at once and hostile inputs: nothing is lost, nothing crashes, and the
// user's own files are never changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "harness.h"

using namespace e2e;

namespace {

TEST(Stress, TwentySecondStartsInQuickSuccessionAllArrive) {
    ProgramFolder folder("twenty");
    std::vector<std::string> files;
    for (int i = 0; i < 20; ++i)
        files.push_back(folder.WriteFile("f" + std::to_string(i) + "[SX120SY90].pch",
                                         kGzipBytes + std::to_string(i)));
    Process first = Start(folder, "");
    HWND window = WaitForIdlePlayer(first);
    ASSERT_NE(window, nullptr);

    std::vector<Process> starts;
    for (const std::string& file : files)
        starts.push_back(Start(folder, "\"" + file + "\""));
    for (Process& p : starts)
        EXPECT_TRUE(p.WaitExit(60000));
    // None fell back to a window of its own: every one was taken by the running window.
    EXPECT_EQ(TopLevelWindows(0, IsPlayerWindow).size(), 1u);
    Sync(window);
    const std::string shown = ControlText(window, 1001);
    EXPECT_NE(std::find(files.begin(), files.end(), shown), files.end()) << shown;
    EXPECT_EQ(FilesIn(folder.Dir() + "Work").size(), 2u);
    EXPECT_TRUE(ClosePlayer(window, first));
}

TEST(Stress, TenWindowsAtOnceEachPlayItsOwnFile) {
    ProgramFolder folder("tenwindows");
    folder.SetIni("CK_SET3", "0");
    std::string names;
    std::set<std::string> files;
    for (int i = 0; i < 10; ++i) {
        std::string file =
            folder.WriteFile("w" + std::to_string(i) + "[SX100SY80].pch", kGzipBytes);
        files.insert(file);
        names += "\"" + file + "\" ";
    }
    Process starter = Start(folder, names);
    ASSERT_TRUE(starter.WaitExit(kWaitMs));
    std::vector<HWND> windows;
    ASSERT_TRUE(WaitUntil(
        [&] {
            windows = TopLevelWindows(0, [](HWND h) {
                return IsPlayerWindow(h) && WindowText(h) == "Lumaplay [PaintBBS]";
            });
            return windows.size() == 10;
        },
        60000));
    std::vector<Process> processes;
    std::set<std::string> shown;
    for (HWND w : windows) {
        processes.push_back(Adopt(w));
        Sync(w);
        shown.insert(ControlText(w, 1001));
    }
    EXPECT_EQ(shown, files);
    std::vector<std::string> work = FilesIn(folder.Dir() + "Work");
    EXPECT_EQ(std::set<std::string>(work.begin(), work.end()).size(), 20u);
    for (std::size_t i = 0; i < windows.size(); ++i)
        EXPECT_TRUE(ClosePlayer(windows[i], processes[i]));
    EXPECT_FALSE(FolderExists(folder.Dir() + "Work"));
}

TEST(Stress, HostileFilesAreRefusedAndLeftUnchanged) {
    ProgramFolder folder("hostile");
    std::string locked = folder.WriteFile("locked[SX100SY100].pch", kGzipBytes);
    std::string ff = folder.WriteFile("ff.pch", std::string(300, '\xFF'));
    ::CreateDirectoryA((folder.Dir() + "a'b & c").c_str(), nullptr);
    std::string odd = folder.WriteFile("a'b & c\\odd[SX100SY100].pch", kGzipBytes);
    const std::vector<std::string> all = {locked, ff, odd};
    std::vector<std::string> before;
    for (const std::string& f : all)
        before.push_back(ReadFileBytes(f));

    Process program = Start(folder, "");
    HWND window = WaitForIdlePlayer(program);
    ASSERT_NE(window, nullptr);
    HANDLE lock =
        ::CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const struct {
        std::string path;
        const char* message;
    } cases[] = {
        {locked, "指定されたPCHファイルは存在しません。"},
        {ff, "指定されたファイルはPCHデータではありません。"},
    };
    for (const auto& c : cases) {
        Process sender = Start(folder, "\"" + c.path + "\"");
        EXPECT_EQ(AnswerBox(program, "ERROR"), c.message) << c.path;
        EXPECT_TRUE(sender.WaitExit(kWaitMs));
    }
    ::CloseHandle(lock);
    Process sender = Start(folder, "\"" + odd + "\"");
    EXPECT_TRUE(sender.WaitExit(kWaitMs));
    EXPECT_EQ(ControlText(window, 1001), odd);
    EXPECT_EQ(WindowText(window), "Lumaplay [PaintBBS]");

    // A hand-off record whose name has no NUL: exactly cbData bytes are taken.
    std::string name = odd + "GARBAGE";
    COPYDATASTRUCT record = {0, static_cast<DWORD>(odd.size()), &name[0]};
    ::SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(ControlText(window, 1001), odd);

    EXPECT_TRUE(ClosePlayer(window, program));
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(ReadFileBytes(all[i]), before[i]) << all[i];
}

TEST(Stress, HostileCommandLines) {
    ProgramFolder folder("hostileline");
    std::string a = folder.WriteFile("a[SX100SY100].pch", kGzipBytes);
    const struct {
        std::string line;
        std::string shown; // path box of the window that opens
    } cases[] = {
        {"\"" + a + "\" \"unterminated", a},
        {"\"" + std::string(300, 'x') + "\"", ""}, // too long for a name: left out
        {"\"" + a + "\"" +
             [] {
                 std::string more;
                 for (int i = 0; i < 24; ++i)
                     more += " \"n" + std::to_string(i) + ".pch\"";
                 return more;
             }(),
         a},
        {"-BP:", ""},
        {"\"" + a + "\" -BP:99999999999", a},
    };
    for (const auto& c : cases) {
        Process program = Start(folder, c.line);
        HWND window = WaitForIdlePlayer(program);
        ASSERT_NE(window, nullptr) << c.line;
        EXPECT_EQ(ControlText(window, 1001), c.shown) << c.line;
        EXPECT_EQ(TopLevelWindows(0, IsPlayerWindow).size(), 1u) << c.line;
        EXPECT_TRUE(ClosePlayer(window, program)) << c.line;
    }
}

TEST(Stress, GarbageSettingsAndAnUnwritableSettingsFile) {
    ProgramFolder folder("garbageini");
    folder.SetIni("CK_SET1", "yes");
    folder.SetIni("CK_SET2", "-3");
    folder.SetIni("ST_POSX", "-999999");
    folder.SetIni("ST_POSY", "abc");
    folder.SetIni("PB_SZX", "-5");
    folder.SetIni("SV_POSX", "99999999999");
    std::string plain = folder.WriteFile("plain.pch", kGzipBytes);
    Process program = Start(folder, "\"" + plain + "\"");
    // "yes" reads as 0: no question; the stored width of -5 is used as it is.
    HWND window = WaitForWindow(program.Pid(), [](HWND h) {
        return IsPlayerWindow(h) && WindowText(h) == "Lumaplay [PaintBBS]";
    });
    ASSERT_NE(window, nullptr);
    Sync(window);
    RECT rect;
    ::GetWindowRect(window, &rect);
    EXPECT_GE(rect.left, 0); // the fixed position was pulled back on screen
    const std::string ini = ReadFileBytes(folder.Ini());
    // Held open without sharing, the settings file cannot be written at close.
    HANDLE lock =
        ::CreateFileA(folder.Ini().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_TRUE(ClosePlayer(window, program));
    ::CloseHandle(lock);
    EXPECT_EQ(ReadFileBytes(folder.Ini()), ini);
}

TEST(Stress, ReadOnlyProgramFolder) {
    ProgramFolder folder("readonlydir");
    folder.SetIni("SV_POSX", "40");
    folder.SetIni("SV_POSY", "30");
    std::string file = folder.WriteFile("ro[SX120SY90].pch", kGzipBytes);
    const std::string ini = ReadFileBytes(folder.Ini());
    ReadOnlyOnHost readOnly({folder.Ini(), folder.Dir()});
    if (CanCreateIn(folder.Dir()))
        GTEST_SKIP() << "this file system cannot make the folder read-only";

    // No work area can be made: the play says so, and the window still opens where the
    // settings put it.
    Process program = Start(folder, "\"" + file + "\"");
    EXPECT_EQ(AnswerBox(program, "ERROR"), "作業ファイルの作成に失敗しました。");
    HWND window = WaitForIdlePlayer(program);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), "Lumaplay [PaintBBS]");
    RECT rect;
    ::GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.top, 30);
    EXPECT_FALSE(FolderExists(folder.Dir() + "Work"));

    // Closing cannot store the position; nothing breaks and nothing changes.
    ::SetWindowPos(window, nullptr, 70, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(ClosePlayer(window, program));
    EXPECT_EQ(ReadFileBytes(folder.Ini()), ini);
    EXPECT_EQ(ReadFileBytes(file), kGzipBytes);
}

} // namespace
