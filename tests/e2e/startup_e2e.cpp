// Start-up roads of the real program: applet check, window, hand-off, one process
// per file, and the hand-off that finds no window to take it.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness.h"

using namespace e2e;

namespace {

const char kAppletMissing[] = "DOVEdivozが正しくインストールされていません。";

// A small PaintBBS file whose name gives its canvas size, so nothing is asked.
std::string Animation(const ProgramFolder& folder, const std::string& name) {
    return folder.WriteFile(name + "[SX120SY90].pch", kGzipBytes);
}

TEST(Startup, MissingAppletShowsErrorAndNoWindow) {
    ProgramFolder folder("noapplet", /*withApplet=*/false);
    Process program = Start(folder, "\"C:\\x\\a.pch\"");
    HWND box = WaitForWindow(program.Pid(), [](HWND h) { return IsMessageBox(h, "ERROR"); });
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), kAppletMissing);
    EXPECT_TRUE(TopLevelWindows(program.Pid(), IsPlayerWindow).empty());
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(program.WaitExit(kWaitMs));
    EXPECT_TRUE(TopLevelWindows(0, IsPlayerWindow).empty());
}

TEST(Startup, AppletFolderNamedLikeTheJarPassesTheCheck) {
    ProgramFolder folder("jarfolder", /*withApplet=*/false);
    ::CreateDirectoryA((folder.Dir() + "DOVEdivoz").c_str(), nullptr);
    ::CreateDirectoryA((folder.Dir() + "DOVEdivoz\\DOVEdivoz.jar").c_str(), nullptr);
    ::CreateDirectoryA((folder.Dir() + "DOVEdivoz\\res").c_str(), nullptr);
    folder.WriteFile("DOVEdivoz\\res\\res.zip", "");
    folder.WriteFile("DOVEdivoz\\res\\tt.zip", "");
    Process program = Start(folder, "");
    HWND window = WaitForIdlePlayer(program);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST(Startup, WithoutFileShowsEmptyWindowAndSavesPositionOnClose) {
    ProgramFolder folder("nofile");
    Process program = Start(folder, "");
    HWND window = WaitForIdlePlayer(program);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), "Lumaplay");
    EXPECT_EQ(ControlText(window, 1001), "");
    RECT rect;
    ::GetWindowRect(window, &rect);

    // Enter and Escape do not close the window.
    ::PostMessageA(window, WM_COMMAND, IDOK, 0);
    ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(program.WaitExit(500));

    ASSERT_TRUE(ClosePlayer(window, program));
    EXPECT_EQ(folder.GetIni("SV_POSX"), std::to_string(rect.left));
    EXPECT_EQ(folder.GetIni("SV_POSY"), std::to_string(rect.top));
}

TEST(Startup, CommandLineFileIsShownInThePathBox) {
    ProgramFolder folder("withfile");
    ::CreateDirectoryA((folder.Dir() + "My Files").c_str(), nullptr);
    // A blank in the folder and 表 (95 5C) in the name.
    std::string file = Animation(folder, "My Files\\\x95\x5C");
    Process program = Start(folder, "\"" + file + "\"");
    HWND window = WaitForPlayed(program, "Lumaplay [PaintBBS]");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ControlText(window, 1001), file);
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST(Startup, SecondStartHandsItsFileToTheRunningWindow) {
    ProgramFolder folder("handoff");
    Process first = Start(folder, "");
    HWND window = WaitForIdlePlayer(first);
    ASSERT_NE(window, nullptr);

    std::string file = Animation(folder, "b");
    Process second = Start(folder, "\"" + file + "\"");
    ASSERT_TRUE(second.WaitExit(kWaitMs));
    // The sender waits until the running window has played the file.
    EXPECT_EQ(ControlText(window, 1001), file);
    EXPECT_EQ(WindowText(window), "Lumaplay [PaintBBS]");
    EXPECT_EQ(TopLevelWindows(0, IsPlayerWindow).size(), 1u);

    // A start without a file only brings the window forward.
    Process third = Start(folder, "");
    ASSERT_TRUE(third.WaitExit(kWaitMs));
    EXPECT_EQ(ControlText(window, 1001), file);
    EXPECT_EQ(TopLevelWindows(0, IsPlayerWindow).size(), 1u);
    EXPECT_TRUE(ClosePlayer(window, first));
}

// The record is the same for both builds: a 32-bit window takes a 64-bit start's
// file and the other way round, Shift_JIS name intact.
TEST(Startup, HandOffCrossesBetween32And64BitInstances) {
    const std::string other = OtherBuildExe();
    if (other.empty())
        GTEST_SKIP() << "the other Windows build does not run on this machine";
    for (bool otherReceives : {true, false}) {
        SCOPED_TRACE(otherReceives ? "other build receives" : "other build sends");
        ProgramFolder receiving("cross-to"), sending("cross-from");
        (otherReceives ? receiving : sending).UseExe(other);
        Process first = Start(receiving, "");
        HWND window = WaitForIdlePlayer(first);
        ASSERT_NE(window, nullptr);
        std::string file = Animation(sending, "\x95\x5C");
        Process second = Start(sending, "\"" + file + "\"");
        BOOL firstWow = FALSE, secondWow = FALSE;
        ::IsWow64Process(first.Handle(), &firstWow);
        ::IsWow64Process(second.Handle(), &secondWow);
        EXPECT_NE(firstWow, secondWow) << "both instances have the same bitness";
        ASSERT_TRUE(second.WaitExit(kWaitMs));
        EXPECT_EQ(ControlText(window, 1001), file);
        EXPECT_EQ(WindowText(window), "Lumaplay [PaintBBS]");
        EXPECT_EQ(TopLevelWindows(0, IsPlayerWindow).size(), 1u);
        EXPECT_TRUE(ClosePlayer(window, first));
    }
}

TEST(Startup, SecondStartRestoresAMinimisedWindowAndPlaysInIt) {
    ProgramFolder folder("minimised");
    std::string file = Animation(folder, "e");
    Process first = Start(folder, "\"" + file + "\"");
    HWND window = WaitForPlayed(first, "Lumaplay [PaintBBS]");
    ASSERT_NE(window, nullptr);
    RECT played;
    ::GetWindowRect(window, &played);
    ::ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(window) != FALSE; }));

    // Another file of the same canvas size: the window comes back where it was, at the
    // same size, and plays it.
    const std::string otherBytes = kGzipBytes + "second";
    std::string other = folder.WriteFile("f[SX120SY90].pch", otherBytes);
    Process second = Start(folder, "\"" + other + "\"");
    ASSERT_TRUE(second.WaitExit(kWaitMs));
    ASSERT_TRUE(Sync(window));
    EXPECT_FALSE(::IsIconic(window));
    RECT restored;
    ::GetWindowRect(window, &restored);
    EXPECT_TRUE(::EqualRect(&played, &restored));
    EXPECT_EQ(ControlText(window, 1001), other);
    std::vector<std::string> work = FilesIn(folder.Dir() + "Work");
    EXPECT_TRUE(std::any_of(work.begin(), work.end(), [&](const std::string& name) {
        return ReadFileBytes(folder.Dir() + "Work\\" + name) == otherBytes;
    }));
    EXPECT_EQ(TopLevelWindows(0, IsPlayerWindow).size(), 1u);
    EXPECT_TRUE(ClosePlayer(window, first));
}

// A window of this test titled like the player must never receive the file.
class Impostor {
  public:
    Impostor() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &Impostor::Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "LumaplayImpostor";
        ::RegisterClassA(&wc);
        m_hwnd = ::CreateWindowA("LumaplayImpostor", "Lumaplay impostor", WS_OVERLAPPEDWINDOW, 0, 0,
                                 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
        ::ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
    }
    ~Impostor() { ::DestroyWindow(m_hwnd); }
    static int received;

  private:
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_COPYDATA) {
            ++received;
            return TRUE;
        }
        return ::DefWindowProcA(h, m, w, l);
    }
    HWND m_hwnd;
};
int Impostor::received = 0;

TEST(Startup, HandOffSkipsOtherProgramsWindowsWithTheSameTitle) {
    ProgramFolder folder("impostor");
    Process first = Start(folder, "");
    HWND window = WaitForIdlePlayer(first);
    ASSERT_NE(window, nullptr);
    Impostor impostor; // newest window: met first by the enumeration
    std::string file = Animation(folder, "c");
    Process second = Start(folder, "\"" + file + "\"");
    ASSERT_TRUE(WaitUntil([&] { return !second.Running(); }));
    EXPECT_EQ(Impostor::received, 0);
    EXPECT_EQ(ControlText(window, 1001), file);
    EXPECT_TRUE(ClosePlayer(window, first));
}

TEST(Startup, HandOffWithoutReceivingWindowOpensOwnWindow) {
    ProgramFolder folder("nowindow");
    // Holding the instance mutex makes the program believe another instance runs,
    // but there is no window to take the file.
    HANDLE mutex = ::CreateMutexA(nullptr, TRUE, "Lumaplay-Quenby-Application");
    std::string file = Animation(folder, "d");
    Process program = Start(folder, "\"" + file + "\"");
    HWND window = WaitForPlayed(program, "Lumaplay [PaintBBS]");
    ::CloseHandle(mutex);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ControlText(window, 1001), file);
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST(Startup, SeveralWindowsModeStartsOneProcessPerFile) {
    ProgramFolder folder("multi");
    folder.SetIni("CK_SET3", "0");
    std::string a = Animation(folder, "a");
    std::string b = Animation(folder, "b");
    Process starter = Start(folder, "\"" + a + "\" \"" + b + "\"");
    ASSERT_TRUE(starter.WaitExit(kWaitMs));

    std::vector<HWND> windows;
    ASSERT_TRUE(WaitUntil([&] {
        windows = TopLevelWindows(
            0, [](HWND h) { return IsPlayerWindow(h) && WindowText(h) == "Lumaplay [PaintBBS]"; });
        return windows.size() == 2;
    }));
    // Each started window cascades by its launch index: 0 at (0, 0), 1 one step down
    // and right.
    const int step = ::GetSystemMetrics(SM_CXDLGFRAME) + ::GetSystemMetrics(SM_CYCAPTION);
    std::vector<Process> started;
    bool seen[2] = {false, false};
    for (HWND window : windows) {
        started.push_back(Adopt(window));
        EXPECT_NE(started.back().Pid(), starter.Pid());
        Sync(window);
        std::string path = ControlText(window, 1001);
        std::string line = ProcessCommandLine(started.back().Pid());
        RECT rect;
        ::GetWindowRect(window, &rect);
        int index = path == a ? 0 : path == b ? 1 : -1;
        ASSERT_NE(index, -1) << path;
        seen[index > 0 ? 1 : 0] = true;
        EXPECT_NE(line.find("\"" + path + "\" -BP:" + std::to_string(index)), std::string::npos)
            << line;
        EXPECT_EQ(rect.left, index * step) << path;
        EXPECT_EQ(rect.top, index * step) << path;
    }
    EXPECT_TRUE(seen[0] && seen[1]);
    for (std::size_t i = 0; i < windows.size(); ++i)
        EXPECT_TRUE(ClosePlayer(windows[i], started[i]));
}

TEST(Startup, SingleWindowModeIgnoresFurtherNames) {
    ProgramFolder folder("firstonly");
    std::string a = Animation(folder, "a");
    std::string b = Animation(folder, "b");
    Process program = Start(folder, "\"" + a + "\" \"" + b + "\"");
    HWND window = WaitForPlayed(program, "Lumaplay [PaintBBS]");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ControlText(window, 1001), a);
    EXPECT_FALSE(WaitUntil([] { return TopLevelWindows(0, IsPlayerWindow).size() > 1; }, 1000));
    EXPECT_TRUE(ClosePlayer(window, program));
}

} // namespace
