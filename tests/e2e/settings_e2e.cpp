// The settings dialog of the real program: what it shows, what it writes, and the
// file type association it makes in the per-user registry of this Wine prefix.
#include <gtest/gtest.h>

#include "harness.h"

using namespace e2e;

namespace {

const char kClasses[] = "Software\\Classes";

void DeleteTree(HKEY parent, const std::string& path) {
    HKEY key;
    if (::RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    char name[256];
    while (::RegEnumKeyA(key, 0, name, sizeof(name)) == ERROR_SUCCESS)
        DeleteTree(key, name);
    ::RegCloseKey(key);
    ::RegDeleteKeyA(parent, path.c_str());
}

// "<no key>" or "<no value>" when absent.
std::string RegString(const std::string& path, const char* name) {
    HKEY key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kClasses) + "\\" + path).c_str(), 0,
                        KEY_READ, &key) != ERROR_SUCCESS)
        return "<no key>";
    char value[1024] = {};
    DWORD size = sizeof(value);
    LONG result =
        ::RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS ? value : "<no value>";
}

void SetRegString(const std::string& path, const char* name, const std::string& value) {
    HKEY key;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kClasses) + "\\" + path).c_str(), 0, nullptr,
                      0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(key);
}

// Leaves the per-user classes of this prefix without our keys, before and after.
struct CleanAssociations {
    CleanAssociations() { Clean(); }
    ~CleanAssociations() { Clean(); }
    static void Clean() {
        for (const char* key :
             {".pch", ".spch", "Quenby_Lumaplay", "Quenby_LumaplaySPCH", "Other.Viewer"})
            DeleteTree(HKEY_CURRENT_USER, std::string(kClasses) + "\\" + key);
    }
};

class SettingsDialog : public ::testing::Test {
  protected:
    void Open(ProgramFolder& folder) {
        program = Start(folder, "");
        window = WaitForIdlePlayer(program);
        ASSERT_NE(window, nullptr);
        ::PostMessageA(window, WM_COMMAND, 1004, 0);
        dialog = WaitForWindow(
            program.Pid(), [](HWND h) { return ::IsWindowVisible(h) && WindowText(h) == "設定"; });
        ASSERT_NE(dialog, nullptr);
        Sync(dialog);
    }
    bool Checked(int id) { return ::SendMessageA(::GetDlgItem(dialog, id), BM_GETCHECK, 0, 0); }
    void Click(int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    bool Enabled(int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)); }
    void PressOk() { ::PostMessageA(dialog, WM_COMMAND, IDOK, 0); }
    bool Closed() {
        return WaitUntil([&] { return !::IsWindow(dialog); });
    }
    void TearDown() override {
        if (window != nullptr && ::IsWindow(window) && !::IsWindow(dialog))
            ClosePlayer(window, program);
    }

    Process program;
    HWND window = nullptr;
    HWND dialog = nullptr;
};

TEST_F(SettingsDialog, OpensWithTheStoredValues) {
    ProgramFolder folder("settings-open");
    folder.SetIni("PB_SZX", "640");
    folder.SetIni("PB_SZY", "480");
    folder.SetIni("ST_POSX", "-11");
    folder.SetIni("ST_POSY", "22");
    folder.SetIni("CK_SET1", "0");
    folder.SetIni("CK_SET2", "1");
    folder.SetIni("CK_SET4", "5"); // shown unchecked
    Open(folder);
    EXPECT_EQ(ControlText(dialog, 1005), "640");
    EXPECT_EQ(ControlText(dialog, 1006), "480");
    EXPECT_EQ(ControlText(dialog, 1009), "-11");
    EXPECT_EQ(ControlText(dialog, 1010), "22");
    EXPECT_FALSE(Checked(1007));
    EXPECT_TRUE(Checked(1008));
    EXPECT_TRUE(Checked(1016));
    EXPECT_FALSE(Checked(1014));
    EXPECT_TRUE(Enabled(1009) && Enabled(1010) && Enabled(1011));

    // Single-instance mode off disables the start position, whatever it holds.
    Click(1016);
    EXPECT_FALSE(Enabled(1008) || Enabled(1009) || Enabled(1010) || Enabled(1011));
    Click(1016);
    EXPECT_TRUE(Enabled(1008) && Enabled(1009));
    Click(1008);
    EXPECT_FALSE(Enabled(1009) || Enabled(1010));

    const std::string before = ReadFileBytes(folder.Ini());
    ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(ReadFileBytes(folder.Ini()), before); // cancel writes nothing
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST_F(SettingsDialog, OutOfRangeWidthIsRefusedAndNothingWritten) {
    ProgramFolder folder("settings-range");
    folder.SetIni("PB_SZX", "300");
    Open(folder);
    const std::string before = ReadFileBytes(folder.Ini());
    ::SetDlgItemTextA(dialog, 1005, "99");
    PressOk();
    EXPECT_EQ(AnswerBox(program, "Lumaplay"), "100 から 10000 までの整数を入力してください。");
    EXPECT_EQ(AnswerBox(program, "WORNING"), "サイズＸは100以上を指定してください。");
    Sync(dialog);
    EXPECT_TRUE(::IsWindow(dialog));
    EXPECT_EQ(ReadFileBytes(folder.Ini()), before);

    // An empty field: its message once, nothing written, the dialog stays.
    ::SetDlgItemTextA(dialog, 1005, "300");
    ::SetDlgItemTextA(dialog, 1006, "");
    PressOk();
    EXPECT_EQ(AnswerBox(program, "Lumaplay"), "整数を入力してください。");
    Sync(dialog);
    EXPECT_TRUE(
        TopLevelWindows(program.Pid(), [](HWND h) { return IsMessageBox(h, "Lumaplay"); }).empty());
    EXPECT_TRUE(::IsWindow(dialog));
    EXPECT_EQ(ReadFileBytes(folder.Ini()), before);

    ::SetDlgItemTextA(dialog, 1006, "10001");
    PressOk();
    EXPECT_EQ(AnswerBox(program, "Lumaplay"), "100 から 10000 までの整数を入力してください。");
    EXPECT_EQ(AnswerBox(program, "WORNING"), "サイズＹは10000以下を指定してください。");
    ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(Closed());
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST_F(SettingsDialog, OkWritesAllNineKeys) {
    ProgramFolder folder("settings-write");
    CleanAssociations clean;
    Open(folder);
    ::SetDlgItemTextA(dialog, 1005, "100");
    ::SetDlgItemTextA(dialog, 1006, "10000");
    Click(1007); // ask: 1 -> 0
    PressOk();
    ASSERT_TRUE(Closed());
    const struct {
        const char* key;
        const char* value;
    } expected[] = {{"PB_SZX", "100"}, {"PB_SZY", "10000"}, {"ST_POSX", "0"},
                    {"ST_POSY", "0"},  {"CK_SET1", "0"},    {"CK_SET2", "0"},
                    {"CK_SET3", "1"},  {"CK_SET4", "0"},    {"CK_SET5", "0"}};
    for (const auto& e : expected)
        EXPECT_EQ(folder.GetIni(e.key), e.value) << e.key;
    EXPECT_EQ(RegString(".pch", nullptr), "<no key>"); // associations untouched
    EXPECT_TRUE(ClosePlayer(window, program));
}

TEST_F(SettingsDialog, AssociationIsWrittenAndAnotherProgramsComesBack) {
    ProgramFolder folder("settings-assoc");
    CleanAssociations clean;
    SetRegString(".pch", nullptr, "Other.Viewer");
    SetRegString(".pch\\OpenWithProgids", "Other.Viewer", ""); // a key with subkeys
    SetRegString("Other.Viewer\\shell\\open\\command", nullptr, "other.exe \"%1\"");
    Open(folder);
    Click(1014);
    Click(1015);
    PressOk();
    ASSERT_TRUE(Closed());
    const std::string exe = folder.Exe();
    EXPECT_EQ(folder.GetIni("CK_SET4"), "1");
    EXPECT_EQ(RegString(".pch", nullptr), "Quenby_Lumaplay");
    EXPECT_EQ(RegString(".pch", "Quenby_Lumaplay"), "Other.Viewer");
    EXPECT_EQ(RegString("Quenby_Lumaplay", nullptr), "Lumaplay-PaintBBS-PCH");
    EXPECT_EQ(RegString("Quenby_Lumaplay\\shell\\open\\command", nullptr),
              "\"" + exe + "\" \"%1\"");
    EXPECT_EQ(RegString("Quenby_Lumaplay\\DefaultIcon", nullptr), exe + ",7");
    EXPECT_EQ(RegString(".spch", nullptr), "Quenby_LumaplaySPCH");
    EXPECT_EQ(RegString(".spch", "Quenby_LumaplaySPCH"), "<no value>");
    EXPECT_EQ(RegString("Quenby_LumaplaySPCH\\DefaultIcon", nullptr), exe + ",9");

    // Cleared again: the other program's association is back and ours is gone.
    dialog = nullptr;
    ::PostMessageA(window, WM_COMMAND, 1004, 0);
    dialog = WaitForWindow(program.Pid(),
                           [](HWND h) { return ::IsWindowVisible(h) && WindowText(h) == "設定"; });
    ASSERT_NE(dialog, nullptr);
    Sync(dialog);
    EXPECT_TRUE(Checked(1014));
    Click(1014);
    Click(1015);
    PressOk();
    ASSERT_TRUE(Closed());
    EXPECT_EQ(RegString(".pch", nullptr), "Other.Viewer");
    EXPECT_EQ(RegString(".pch", "Quenby_Lumaplay"), "<no value>");
    EXPECT_EQ(RegString("Other.Viewer\\shell\\open\\command", nullptr), "other.exe \"%1\"");
    EXPECT_EQ(RegString(".pch\\OpenWithProgids", "Other.Viewer"), "");
    EXPECT_EQ(RegString("Quenby_Lumaplay", nullptr), "<no key>");
    EXPECT_EQ(RegString(".spch", nullptr), "<no key>");
    EXPECT_EQ(RegString("Quenby_LumaplaySPCH", nullptr), "<no key>");
    EXPECT_TRUE(ClosePlayer(window, program));
}

} // namespace
