// Playing files in the real program: classification, canvas size, the work area, the
// page written for the applet, and every rejection message.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness.h"

using namespace e2e;

namespace {

const std::string& kGzip = kGzipBytes;
const std::string kShiHeader = "SHIPAINTER\r\nimage_width=320\r\nimage_height=240\r\n";

// The player window's program folder with forward slashes, as the page's codebase.
std::string Codebase(const ProgramFolder& folder) {
    std::string dir = folder.Dir();
    std::replace(dir.begin(), dir.end(), '\\', '/');
    return dir;
}

struct WorkFiles {
    std::string page;     // contents of the file that holds a page
    std::string copy;     // contents of the other file
    std::string copyName; // its name
    std::size_t count = 0;
};

WorkFiles ReadWork(const ProgramFolder& folder) {
    WorkFiles work;
    std::vector<std::string> names = FilesIn(folder.Dir() + "Work");
    work.count = names.size();
    for (const std::string& name : names) {
        std::string bytes = ReadFileBytes(folder.Dir() + "Work\\" + name);
        if (bytes.compare(0, 12, "<HTML><HEAD>") == 0) {
            work.page = bytes;
        } else {
            work.copy = bytes;
            work.copyName = name;
        }
    }
    return work;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(Playback, PaintBBSWithSizeTagFromTheCommandLine) {
    ProgramFolder folder("paintbbs");
    std::string file = folder.WriteFile("pic[SX400SY300].pch", kGzip);
    Process program = Start(folder, "\"" + file + "\"");
    HWND window = WaitForPlayed(program, "Lumaplay [PaintBBS]");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ControlText(window, 1001), file);

    WorkFiles work = ReadWork(folder);
    EXPECT_EQ(work.count, 2u);
    EXPECT_EQ(work.copy, kGzip); // the applet reads an exact copy
    EXPECT_TRUE(Contains(work.page, "code='pch.DOVEdivoz.class' codebase='" + Codebase(folder) +
                                        "' archive="));
    EXPECT_TRUE(Contains(work.page, "<PARAM name='image_width' value='400'>\r\n"));
    EXPECT_TRUE(Contains(work.page, "<PARAM name='image_height' value='300'>\r\n"));
    EXPECT_TRUE(Contains(work.page, "<PARAM name='pch_file' value='Work/" + work.copyName + "'>"));
    EXPECT_TRUE(Contains(work.page, "scroll=\"no\""));
    // Nothing was asked and nothing stored: the size came from the name.
    EXPECT_EQ(folder.GetIni("PB_SZX"), "<missing>");

    ASSERT_TRUE(ClosePlayer(window, program));
    EXPECT_FALSE(FolderExists(folder.Dir() + "Work"));
}

TEST(Playback, ShiPainterSizeFromItsHeaderAndTwoPlaysInARow) {
    ProgramFolder folder("shipainter");
    std::string shi = folder.WriteFile("a.spch", kShiHeader + std::string(50, 'x'));
    std::string pch = folder.WriteFile("b[sx640sy480].PCH", kGzip);
    Process program = Start(folder, "\"" + shi + "\"");
    HWND window = WaitForPlayed(program, "Lumaplay [ShiPainter]");
    ASSERT_NE(window, nullptr);
    WorkFiles first = ReadWork(folder);
    EXPECT_TRUE(Contains(first.page, "code='pch2.DOVEdivoz.class'"));
    EXPECT_TRUE(Contains(first.page, "<PARAM name='image_width' value='320'>"));
    EXPECT_TRUE(Contains(first.page, "<PARAM name='image_height' value='240'>"));

    // The second file arrives by a second start and replaces the first in Work.
    Process second = Start(folder, "\"" + pch + "\"");
    ASSERT_TRUE(second.WaitExit(kWaitMs));
    EXPECT_EQ(WindowText(window), "Lumaplay [PaintBBS]");
    WorkFiles after = ReadWork(folder);
    EXPECT_EQ(after.count, 2u);
    EXPECT_EQ(after.copy, kGzip);
    EXPECT_EQ(after.copyName, first.copyName);
    EXPECT_TRUE(Contains(after.page, "<PARAM name='image_width' value='640'>"));
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST(Playback, RejectionsShowTheirMessageAndKeepThePreviousState) {
    ProgramFolder folder("reject");
    std::string good = folder.WriteFile("g[SX200SY100].pch", kGzip);
    std::string text = folder.WriteFile("notes.pch", "image_width=1\r\nno height here\r\n");
    std::string empty = folder.WriteFile("empty.pch", "");
    Process program = Start(folder, "\"" + good + "\"");
    HWND window = WaitForPlayed(program, "Lumaplay [PaintBBS]");
    ASSERT_NE(window, nullptr);
    RECT before;
    ::GetWindowRect(window, &before);
    const std::string pageBefore = ReadWork(folder).page;

    const struct {
        std::string path;
        const char* message;
    } cases[] = {
        {folder.Dir() + "missing.pch", "指定されたPCHファイルは存在しません。"},
        {folder.Dir() + "Work", "指定されたPCHファイルは存在しません。"}, // a folder
        {text, "指定されたファイルはPCHデータではありません。"},
        {empty, "指定されたファイルはPCHデータではありません。"},
    };
    for (const auto& c : cases) {
        Process sender = Start(folder, "\"" + c.path + "\"");
        EXPECT_EQ(AnswerBox(program, "ERROR"), c.message) << c.path;
        EXPECT_TRUE(sender.WaitExit(kWaitMs));
        EXPECT_EQ(WindowText(window), "Lumaplay [PaintBBS]") << c.path;
        EXPECT_EQ(ReadWork(folder).page, pageBefore) << c.path;
        RECT now;
        ::GetWindowRect(window, &now);
        EXPECT_TRUE(::EqualRect(&before, &now)) << c.path;
    }
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST(Playback, EmptyPathBoxAsksForAFile) {
    ProgramFolder folder("emptypath");
    Process program = Start(folder, "");
    HWND window = WaitForIdlePlayer(program);
    ASSERT_NE(window, nullptr);
    WorkFiles work = ReadWork(folder);
    EXPECT_TRUE(Contains(work.page, "<BODY bgcolor=\"#ffffa0\""));
    ::PostMessageA(window, WM_COMMAND, 1003, 0);
    EXPECT_EQ(AnswerBox(program, "ERROR"), "PCHファイルを指定してください。");
    EXPECT_EQ(WindowText(window), "Lumaplay");
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST(Playback, UnwritablePageFileIsReported) {
    ProgramFolder folder("readonlypage");
    std::string good = folder.WriteFile("g[SX200SY100].pch", kGzip);
    Process program = Start(folder, "");
    HWND window = WaitForIdlePlayer(program);
    ASSERT_NE(window, nullptr);
    RECT before;
    ::GetWindowRect(window, &before);
    std::string pagePath;
    for (const std::string& name : FilesIn(folder.Dir() + "Work"))
        if (ReadFileBytes(folder.Dir() + "Work\\" + name).compare(0, 6, "<HTML>") == 0)
            pagePath = folder.Dir() + "Work\\" + name;
    ASSERT_FALSE(pagePath.empty());
    // Held open without sharing, the page file cannot be rewritten.
    HANDLE lock =
        ::CreateFileA(pagePath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    Process sender = Start(folder, "\"" + good + "\"");
    EXPECT_EQ(AnswerBox(program, "ERROR"), "作業ファイルの作成に失敗しました。");
    EXPECT_TRUE(sender.WaitExit(kWaitMs));
    EXPECT_EQ(WindowText(window), "Lumaplay [PaintBBS]"); // the caption already changed
    RECT now;
    ::GetWindowRect(window, &now);
    EXPECT_TRUE(::EqualRect(&before, &now));
    ::CloseHandle(lock);
    EXPECT_TRUE(ClosePlayer(window, program));
}

HWND WaitForCanvasDialog(const Process& program) {
    return WaitForWindow(program.Pid(), [](HWND h) {
        return ::IsWindowVisible(h) && WindowText(h) == "キャンバスサイズ設定";
    });
}

TEST(Playback, CanvasSizeDialogAnsweredOkStoresTheSize) {
    ProgramFolder folder("askok");
    folder.SetIni("PB_SZX", "350");
    std::string file = folder.WriteFile("plain.pch", kGzip);
    Process program = Start(folder, "\"" + file + "\"");
    HWND dialog = WaitForCanvasDialog(program);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(dialog, 1012), "350");
    EXPECT_EQ(ControlText(dialog, 1013), "300");

    // An empty field is refused with the framework's message, titled like the program.
    ::SetDlgItemTextA(dialog, 1012, "");
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(AnswerBox(program, "Lumaplay"), "整数を入力してください。");
    ASSERT_TRUE(::IsWindow(dialog));

    ::SetDlgItemTextA(dialog, 1012, "512");
    ::SetDlgItemTextA(dialog, 1013, "20000");
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    HWND window = WaitForPlayed(program, "Lumaplay [PaintBBS]");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
    EXPECT_EQ(folder.GetIni("PB_SZX"), "512");
    EXPECT_EQ(folder.GetIni("PB_SZY"), "20000");
    EXPECT_TRUE(WaitUntil(
        [&] { return Contains(ReadWork(folder).page, "<PARAM name='image_width' value='512'>"); }));
    EXPECT_TRUE(Contains(ReadWork(folder).page, "<PARAM name='image_height' value='20000'>"));
    EXPECT_TRUE(Contains(ReadWork(folder).page, "scroll=\"yes\""));
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST(Playback, CanvasSizeDialogCancelledKeepsTheSettings) {
    ProgramFolder folder("askcancel");
    std::string file = folder.WriteFile("plain.pch", kGzip);
    Process program = Start(folder, "\"" + file + "\"");
    HWND dialog = WaitForCanvasDialog(program);
    ASSERT_NE(dialog, nullptr);
    ::SetDlgItemTextA(dialog, 1012, "999");
    ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    HWND window = WaitForPlayed(program, "Lumaplay [PaintBBS]");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WaitUntil(
        [&] { return Contains(ReadWork(folder).page, "<PARAM name='image_width' value='300'>"); }));
    EXPECT_EQ(folder.GetIni("PB_SZX"), "<missing>");
    EXPECT_EQ(folder.GetIni("PB_SZY"), "<missing>");
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST(Playback, NoQuestionWhenAskingIsOff) {
    ProgramFolder folder("noask");
    folder.SetIni("CK_SET1", "0");
    folder.SetIni("PB_SZX", "222");
    std::string file = folder.WriteFile("plain.pch", kGzip);
    Process program = Start(folder, "\"" + file + "\"");
    HWND window = WaitForPlayed(program, "Lumaplay [PaintBBS]");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(Contains(ReadWork(folder).page, "<PARAM name='image_width' value='222'>"));
    EXPECT_TRUE(Contains(ReadWork(folder).page, "<PARAM name='image_height' value='300'>"));
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST(Playback, ApostropheInTheProgramFolderStillGivesAWorkingPage) {
    ProgramFolder folder("O'Neil & Co");
    std::string file = folder.WriteFile("x[SX300SY300].pch", kGzip);
    Process program = Start(folder, "\"" + file + "\"");
    HWND window = WaitForPlayed(program, "Lumaplay [PaintBBS]");
    ASSERT_NE(window, nullptr);
    std::string codebase = Codebase(folder);
    std::string escaped;
    for (char c : codebase) {
        if (c == '\'')
            escaped += "&#39;";
        else if (c == '&')
            escaped += "&amp;";
        else
            escaped += c;
    }
    EXPECT_TRUE(Contains(ReadWork(folder).page, "codebase='" + escaped + "'"));
    EXPECT_TRUE(ClosePlayer(window, program));
}

} // namespace
