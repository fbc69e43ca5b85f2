// Dropping files on the player window, with the real window in this test program: a
// drop's HDROP cannot be handed to another process.
#include <gtest/gtest.h>

#include <shlobj.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/player_app.h"
#include "ui/player_dlg.h"

namespace {

struct DropRun {
    std::vector<std::string> files;
    std::string pathBox;
    std::string caption;
    bool dropped = false;
};
DropRun g_run;

HGLOBAL MakeDrop(const std::vector<std::string>& files) {
    std::string list;
    for (const std::string& f : files)
        list += f + '\0';
    list += '\0';
    HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    DROPFILES* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
    ::GlobalUnlock(memory);
    return memory;
}

BOOL CALLBACK FindPlayer(HWND hwnd, LPARAM param) {
    char title[64] = {};
    ::GetWindowTextA(hwnd, title, sizeof(title));
    if (strncmp(title, "Lumaplay", 8) == 0) {
        *reinterpret_cast<HWND*>(param) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK DropAndClose(HWND, UINT, UINT_PTR id, DWORD) {
    HWND player = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindPlayer, reinterpret_cast<LPARAM>(&player));
    if (player == nullptr)
        return; // not created yet: try at the next tick
    ::KillTimer(nullptr, id);
    ::SendMessageA(player, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(g_run.files)), 0);
    char text[1024] = {};
    ::GetDlgItemTextA(player, 1001, text, sizeof(text));
    g_run.pathBox = text;
    ::GetWindowTextA(player, text, sizeof(text));
    g_run.caption = text;
    g_run.dropped = true;
    ::PostMessageA(player, WM_SYSCOMMAND, SC_CLOSE, 0);
}

std::string WriteTemp(const char* name, const std::string& bytes) {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + name;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return path;
}

TEST(PlayerWindowDrop, PlaysOnlyTheFirstDroppedFile) {
    CPlayerApp* app = GetPlayerApp();
    app->m_hInstance = ::GetModuleHandleA(nullptr);
    app->m_pszExeName = "win32_tests";
    AfxEnableControlContainer();

    std::string gzip("\x1F\x8B\x08\x00", 4);
    g_run.files = {WriteTemp("drop1[SX200SY150].pch", gzip),
                   WriteTemp("drop2.spch", "image_width=1\r\nimage_height=2\r\n"),
                   WriteTemp("drop3.pch", gzip)};
    ::SetTimer(nullptr, 0, 50, &DropAndClose);
    {
        CPlayerDlg dialog(-1, nullptr);
        app->m_pMainWnd = &dialog;
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        app->m_pMainWnd = nullptr;
    }
    EXPECT_TRUE(g_run.dropped);
    EXPECT_EQ(g_run.pathBox, g_run.files[0]);
    EXPECT_EQ(g_run.caption, "Lumaplay [PaintBBS]");
    for (const std::string& f : g_run.files)
        ::DeleteFileA(f.c_str());
}

} // namespace
