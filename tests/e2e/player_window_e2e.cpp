// The player window from outside: where it opens, how its controls follow its size,
// its About box, and the open-file dialog road.
#include <gtest/gtest.h>

#include "harness.h"

using namespace e2e;

namespace {

RECT WindowRectOf(HWND h) {
    RECT r;
    ::GetWindowRect(h, &r);
    return r;
}

RECT ControlRect(HWND window, int id) {
    return WindowRectOf(::GetDlgItem(window, id));
}

RECT WorkArea() {
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

TEST(PlayerWindow, OpensAtTheRememberedPosition) {
    ProgramFolder folder("remembered");
    folder.SetIni("SV_POSX", "100");
    folder.SetIni("SV_POSY", "120");
    Process program = Start(folder, "");
    HWND window = WaitForIdlePlayer(program);
    ASSERT_NE(window, nullptr);
    RECT rect = WindowRectOf(window);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 120);
    // Moved by the user, the window is found there at the next start.
    ::SetWindowPos(window, nullptr, 150, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(ClosePlayer(window, program));
    EXPECT_EQ(folder.GetIni("SV_POSX"), "150");
    EXPECT_EQ(folder.GetIni("SV_POSY"), "60");
}

TEST(PlayerWindow, UnusablePositionIsCentredOnTheFirstPlay) {
    ProgramFolder folder("unusable");
    folder.SetIni("SV_POSX", "-32000");
    folder.SetIni("SV_POSY", "-32000");
    std::string file = folder.WriteFile("a[SX300SY200].pch", kGzipBytes);
    Process program = Start(folder, "\"" + file + "\"");
    HWND window = WaitForPlayed(program, "Lumaplay [PaintBBS]");
    ASSERT_NE(window, nullptr);
    RECT rect = WindowRectOf(window);
    RECT work = WorkArea();
    EXPECT_EQ(rect.left, (work.right - work.left - (rect.right - rect.left)) / 2);
    EXPECT_EQ(rect.top, (work.bottom - work.top - (rect.bottom - rect.top)) / 2);
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST(PlayerWindow, FixedPositionBeyondTheScreenMeetsTheRightEdge) {
    ProgramFolder folder("fixed");
    folder.SetIni("CK_SET2", "1");
    folder.SetIni("ST_POSX", "5000");
    folder.SetIni("ST_POSY", "40");
    folder.SetIni("SV_POSX", "10");
    folder.SetIni("SV_POSY", "10");
    Process program = Start(folder, "");
    HWND window = WaitForIdlePlayer(program);
    ASSERT_NE(window, nullptr);
    RECT rect = WindowRectOf(window);
    EXPECT_EQ(rect.right, WorkArea().right);
    EXPECT_EQ(rect.top, 40);
    // The position is remembered in both modes.
    ASSERT_TRUE(ClosePlayer(window, program));
    EXPECT_EQ(folder.GetIni("SV_POSX"), std::to_string(rect.left));
}

TEST(PlayerWindow, ControlsFollowTheWindowSize) {
    ProgramFolder folder("layout");
    Process program = Start(folder, "");
    HWND window = WaitForIdlePlayer(program);
    ASSERT_NE(window, nullptr);
    RECT w0 = WindowRectOf(window);
    RECT browser0 = ControlRect(window, 1000), path0 = ControlRect(window, 1001);
    RECT open0 = ControlRect(window, 1002), settings0 = ControlRect(window, 1004);

    ::SetWindowPos(window, nullptr, w0.left, w0.top, w0.right - w0.left + 100,
                   w0.bottom - w0.top + 50, SWP_NOZORDER);
    Sync(window);
    RECT browser1 = ControlRect(window, 1000), path1 = ControlRect(window, 1001);
    RECT open1 = ControlRect(window, 1002), settings1 = ControlRect(window, 1004);
    EXPECT_EQ(browser1.right - browser1.left, browser0.right - browser0.left + 100);
    EXPECT_EQ(browser1.bottom - browser1.top, browser0.bottom - browser0.top + 50);
    EXPECT_EQ(path1.right - path1.left, path0.right - path0.left + 100);
    EXPECT_EQ(path1.bottom - path1.top, path0.bottom - path0.top);
    EXPECT_EQ(open1.left, open0.left + 100);
    EXPECT_EQ(settings1.left, settings0.left + 100);
    EXPECT_EQ(open1.top, open0.top);
    EXPECT_EQ(settings1.bottom - settings1.top, settings0.bottom - settings0.top);

    // Dragging the left edge: the same widths, the buttons stay at the right.
    ::SetWindowPos(window, nullptr, w0.left - 100, w0.top, w0.right - w0.left + 200,
                   w0.bottom - w0.top + 50, SWP_NOZORDER);
    Sync(window);
    EXPECT_EQ(ControlRect(window, 1001).right - ControlRect(window, 1001).left,
              path0.right - path0.left + 200);
    EXPECT_EQ(ControlRect(window, 1004).left, settings0.left + 100);
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST(PlayerWindow, AboutBoxFromTheSystemMenu) {
    ProgramFolder folder("about");
    Process program = Start(folder, "");
    HWND window = WaitForIdlePlayer(program);
    ASSERT_NE(window, nullptr);
    ::PostMessageA(window, WM_SYSCOMMAND, 129, 0);
    HWND about = WaitForWindow(
        program.Pid(), [](HWND h) { return ::IsWindowVisible(h) && WindowText(h) == "ﾀﾞｲｱﾛｸﾞ"; });
    ASSERT_NE(about, nullptr);
    EXPECT_NE(MessageBoxText(about).find("Lumaplay Ver1.06"), std::string::npos);
    EXPECT_NE(MessageBoxText(about).find("（対応 ： PaintBBS / ShiPainter / ShiPainterPro）"),
              std::string::npos);
    ::PostMessageA(about, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
    EXPECT_TRUE(::IsWindow(window));
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST(PlayerWindow, OpenFileDialogPlaysTheChosenFileAndRemembersItsFolder) {
    ProgramFolder folder("openfile");
    ::CreateDirectoryA((folder.Dir() + "data").c_str(), nullptr);
    std::string file = folder.WriteFile("data\\pick[SX150SY150].pch", kGzipBytes);
    Process program = Start(folder, "");
    HWND window = WaitForIdlePlayer(program);
    ASSERT_NE(window, nullptr);

    ::PostMessageA(window, WM_COMMAND, 1002, 0);
    HWND dialog = WaitForWindow(program.Pid(), [](HWND h) {
        return ::IsWindowVisible(h) && WindowText(h) == "PCHファイルを開く";
    });
    ASSERT_NE(dialog, nullptr);
    // The file name field of the dialog.
    ::SetDlgItemTextA(dialog, 0x47C, file.c_str());
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(window) == "Lumaplay [PaintBBS]"; }));
    Sync(window);
    EXPECT_EQ(ControlText(window, 1001), file);
    EXPECT_EQ(folder.GetIni("LASTDIR"), folder.Dir() + "data\\");

    // Cancelled, the dialog changes nothing.
    ::PostMessageA(window, WM_COMMAND, 1002, 0);
    dialog = WaitForWindow(program.Pid(), [](HWND h) {
        return ::IsWindowVisible(h) && WindowText(h) == "PCHファイルを開く";
    });
    ASSERT_NE(dialog, nullptr);
    ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
    EXPECT_EQ(folder.GetIni("LASTDIR"), folder.Dir() + "data\\");
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST(PlayerWindow, PlayCommandPlaysWhatThePathBoxHolds) {
    ProgramFolder folder("playcommand");
    std::string file = folder.WriteFile("p[SX100SY100].pch", kGzipBytes);
    Process program = Start(folder, "\"" + file + "\"");
    HWND window = WaitForPlayed(program, "Lumaplay [PaintBBS]");
    ASSERT_NE(window, nullptr);
    // Played again through the hidden play command: the window is fitted anew, to
    // the canvas plus its frame, a scroll bar's width and 40 pixels of height.
    ::SetWindowPos(window, nullptr, 0, 0, 250, 150, SWP_NOZORDER | SWP_NOMOVE);
    Sync(window);
    RECT before = WindowRectOf(window);
    RECT client;
    ::GetClientRect(::GetDlgItem(window, 1000), &client);
    ::SendMessageA(window, WM_COMMAND, 1003, 0);
    RECT rect = WindowRectOf(window);
    EXPECT_EQ(rect.right - rect.left,
              (before.right - before.left - client.right) + ::GetSystemMetrics(SM_CXVSCROLL) + 100);
    EXPECT_EQ(rect.bottom - rect.top, (before.bottom - before.top - client.bottom) + 100 + 40);
    EXPECT_EQ(WindowText(window), "Lumaplay [PaintBBS]");
    EXPECT_TRUE(ClosePlayer(window, program));
}

} // namespace
