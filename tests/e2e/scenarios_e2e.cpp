// The real program, one scenario a row: the folder, settings and files it starts
// with, then what is done and what must be seen. After every row each player window
// left open closes as the user closes it, its process ends, the work folder is gone,
// and every file the row wrote is byte for byte as it was.
#include <atomic>
#include <numeric>
#include <set>
#include <thread>

#include "harness.h"

using namespace e2e;

namespace {

const std::string kPaintBBS = "Lumaplay [PaintBBS]", kShi = "Lumaplay [ShiPainter]";
const std::string kShiHeader = "SHIPAINTER\r\nimage_width=320\r\nimage_height=240\r\n";
const char kNotPch[] = "指定されたファイルはPCHデータではありません。";
const char kNeo[] = "指定されたファイルはPaintBBS NEOのアニメーションです。このプログラムでは再生できません。";
const char kWorkFailed[] = "作業ファイルの作成に失敗しました。";
const char kNotInteger[] = "整数を入力してください。";
const char kCanvas[] = "キャンバスサイズ設定";
// Wine's own setting that keeps a program from loading a system DLL: without it, no
// browser control can be made.
const wchar_t kNoBrowser[] = L"Software\\Wine\\AppDefaults\\Lumaplay.exe\\DllOverrides";
const std::string kLongName = "\"" + std::string(300, 'x') + "\"";
// A settings file of about 4 KB with a section of the user's own, LF line ends among it.
const std::string kUsersIni = "[SETUP]\r\nSV_POSX=100\r\n\r\n; mine\r\n[Mine]\nnote=" + std::string(4000, 'n') + "\r\nlast=kept";

using Files = std::vector<std::pair<std::string, std::string>>;
using Keys = std::vector<std::pair<const char*, std::string>>;
// In start, path and page, "%" stands for the program folder and "$" for it as the
// page's codebase.
struct Row {
    const char* id;
    Files files = {};            // written first; folders end in a backslash
    Keys ini = {};               // settings written first
    const char* start = nullptr; // the first start's command line
    const char* box = nullptr;   // the message box it shows first
    std::string title = {};      // then the player's title, once idle
    const char* path = nullptr;  // and its path box
    std::vector<std::string> page = {};         // parts of the page
    std::function<void(Case&, HWND)> then = {}; // what is done next and checked
    Keys after = {};             // settings once every window is closed
    bool applet = true;
    const char* folder = nullptr; // the program folder's name, when not the id
};
void PrintTo(const Row& row, std::ostream* out) { *out << row.id; }

// "name<i>[SX..SY..].pch" for i below n, each with its own bytes.
Files Numbered(const std::string& name, int n, const std::string& tag) {
    Files files;
    for (int i = 0; i < n; ++i)
        files.push_back({name + std::to_string(i) + tag + ".pch", kGzip + std::to_string(i)});
    return files;
}

::testing::AssertionResult Has(const std::string& text, const std::vector<std::string>& parts) {
    for (const std::string& part : parts)
        if (text.find(part) == std::string::npos)
            return ::testing::AssertionFailure() << "no \"" << part << "\" in:\n" << text;
    return ::testing::AssertionSuccess();
}
std::string Size(const char* which, int value) {
    return std::string("<PARAM name='image_") + which + "' value='" + std::to_string(value) + "'>";
}
// The program folder as the page's codebase: forward slashes, markup escaped.
std::string Codebase(const std::string& dir) {
    std::string out;
    for (char c : dir)
        out += c == '\\' ? "/" : c == '\'' ? "&#39;" : c == '&' ? "&amp;" : std::string(1, c);
    return out;
}
std::string Expand(const std::string& text, const Case& r) {
    std::string out;
    for (char c : text)
        out += c == '%' ? r.dir : c == '$' ? Codebase(r.dir) : std::string(1, c);
    return out;
}
int Width(RECT r) { return r.right - r.left; }
int Height(RECT r) { return r.bottom - r.top; }
std::string At(HWND w) { return std::to_string(RectOf(w).left) + "," + std::to_string(RectOf(w).top); }
const auto Same = [](RECT a, RECT b) { return ::EqualRect(&a, &b) != FALSE; };
const auto Checked = [](HWND d, int id) { return ::IsDlgButtonChecked(d, id) == BST_CHECKED; };
const auto On = [](HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != 0; };
const auto Gone = [](HWND window) { return WaitUntil([&] { return !::IsWindow(window); }); };
const auto CaptionY = [](RECT r) { return r.top + ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYCAPTION) / 2; };
// A flat button as the screen shows it: "rest", "lit" (the hot face), "pressed" (sunken),
// or "blank" where no icon shows across its middle.
std::string Face(HWND button) {
    const RECT b = RectOf(button);
    HDC screen = ::GetDC(nullptr);
    const COLORREF corner = ::GetPixel(screen, b.left, b.top), face = ::GetPixel(screen, b.left + 1, b.top + 1);
    int inked = 0;
    for (int x = b.left + 1; x < b.right - 1; ++x)
        inked += ::GetPixel(screen, x, (b.top + b.bottom) / 2) != face;
    ::ReleaseDC(nullptr, screen);
    return inked < 3 ? "blank" : corner == ::GetSysColor(COLOR_BTNSHADOW) ? "pressed" : face == ::GetSysColor(COLOR_BTNFACE) ? "rest" : "lit";
}
// The texts of a dialog's static controls that do not fit them in its font.
std::string CutTexts(HWND dialog) {
    HDC dc = ::GetDC(dialog);
    HFONT font = ::CreateFontW(-::MulDiv(9, ::GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, 0, 0, 0, 0,
                               DEFAULT_CHARSET, 0, 0, 0, 0, L"ＭＳ Ｐゴシック");
    HGDIOBJ old = ::SelectObject(dc, font);
    std::string cut;
    for (HWND c = ::GetWindow(dialog, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
        RECT box, need = {};
        ::GetClientRect(c, &box);
        ::DrawTextW(dc, W(Text(c)).c_str(), -1, &need, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        cut += ClassIs(c, "Static") && need.right > box.right ? Text(c) + "; " : "";
    }
    ::DeleteObject(::SelectObject(dc, old));
    ::ReleaseDC(dialog, dc);
    return cut;
}
// One character per control: 1 where test holds for it.
std::string Flags(HWND d, std::initializer_list<int> ids, bool (*test)(HWND, int)) {
    return std::accumulate(ids.begin(), ids.end(), std::string(), [&](std::string f, int id) { return f + (test(d, id) ? '1' : '0'); });
}
// The first and the last character the path box shows.
std::pair<int, int> Shown(HWND w) {
    RECT r = RectOf(::GetDlgItem(w, 1001));
    auto at = [&](int x) { return (int)LOWORD(::SendDlgItemMessageW(w, 1001, EM_CHARFROMPOS, 0, MAKELPARAM(x, (r.bottom - r.top) / 2))); };
    return {at(3), at(r.right - r.left - 6)};
}
// A second start with a file of the program folder (or of cwd, named relative to it): it ends at once, then the window plays it.
void Hand(Case& r, HWND w, const std::string& name, const std::string& cwd = "") {
    EXPECT_TRUE(Ends(r.Start(cwd.empty() && !name.empty() ? r.Q(name) : name, cwd).handle, 5000)) << "it did not end: " << name;
    const std::string path = cwd.empty() ? r.F(name) : cwd + "\\" + name;
    EXPECT_TRUE(name.empty() || (WaitUntil([&] { return Item(w, 1001) == path; }) && r.Idle(w))) << Item(w, 1001);
}
// A file of so many MiB that begins like gzip data, its rest a hole that takes no disk.
void Sparse(Case& r, const std::string& name, long long mib) {
    r.Write(name, kGzip);
    std::filesystem::resize_file(std::filesystem::path(W(r.F(name))), mib << 20);
}
// A check box clicked until it shows the click, as a user would click again when one went astray.
void Toggle(HWND dialog, int id) {
    const bool was = ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
    for (int i = 0; i < 3 && (::IsDlgButtonChecked(dialog, id) == BST_CHECKED) == was; ++i)
        Click(dialog, id), WaitUntil([&] { return (::IsDlgButtonChecked(dialog, id) == BST_CHECKED) != was; }, 2000);
}
HWND OpenSettings(Case& r, WORD key = VK_RETURN) { // Tab until the settings button has the focus, then the key
    HWND w = r.Player();
    for (HWND was = Focused(w); was != ::GetDlgItem(w, 1004) && (Press(w, {VK_TAB}), WaitUntil([&] { return Focused(w) && Focused(w) != was; }, 2000)); was = Focused(w))
        continue; // each Tab seen to move the focus before the next
    Press(w, {key});
    return r.Dialog("設定");
}
const auto Inside = [](RECT r) { RECT work = WorkArea(), both; return ::IntersectRect(&both, &r, &work) && ::EqualRect(&both, &r); };

// A window of this test titled like the player: it must never receive a file.
int g_impostorGot = 0;
LRESULT CALLBACK ImpostorProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    g_impostorGot += m == WM_COPYDATA;
    return ::DefWindowProcA(h, m, w, l);
}

const Row kRows[] = {
    {.id = "applet_missing",
     .start = "\"C:\\x\\a.pch\"",
     .box = "DOVEdivozが正しくインストールされていません。",
     .applet = false},
    {.id = "no_file_remembered_position_dialogs", // every road of the window, by real input
     .files = {{"data\\", ""}, {"data\\pick[SX150SY150].pch", kGzip}},
     .ini = {{"SV_POSX", "100"}, {"SV_POSY", "120"}},
     .start = "", .title = "Lumaplay", .path = "",
     .page = {"<BODY bgcolor=\"#ffffa0\"", "PCHファイルを指定してください\r\n"},
     .then = [](Case& r, HWND w) {
         EXPECT_EQ(At(w), "100,120");
         Press(w, {VK_RETURN}); // Enter and Escape do not close it
         Press(w, {VK_ESCAPE});
         ::PostMessageA(w, WM_COMMAND, 1003, 0); // the hidden play command, the path box empty
         EXPECT_EQ(r.Box("ERROR"), "PCHファイルを指定してください。");
         EXPECT_EQ(Text(w), "Lumaplay");
         // The system menu by Alt+Space, a click on the window icon and a right click on
         // the caption; About is its last item (under Wine, Wine's own item has the A).
         const RECT c = RectOf(w);
         const POINT icon = {c.left + 12, CaptionY(c)}, caption = {Centre(w).x, CaptionY(c)};
         for (int how = 0; how < 3; ++how) {
             // The icon opens it on the press, the caption on the right button's release.
             how == 0 ? Press(w, {VK_MENU, VK_SPACE}) : Mouse(w, how == 1 ? icon : caption, {DWORD(how == 1 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN)});
             how == 2 ? Mouse(w, caption, {MOUSEEVENTF_RIGHTUP}) : void();
             HWND menu = WaitWindow(0, [](HWND h) { return ClassIs(h, "#32768") && ::IsWindowVisible(h); });
             how == 1 ? Mouse(nullptr, icon, {MOUSEEVENTF_LEFTUP}) : void();
             ASSERT_NE(menu, nullptr) << how;
             const RECT m = RectOf(menu);
             how == 0 ? (Press(nullptr, {VK_UP}), ::Sleep(300), Press(nullptr, {VK_RETURN})) : Click(nullptr, {m.left + 30, m.bottom - 12});
             HWND about = r.Dialog("ﾀﾞｲｱﾛｸﾞ");
             ASSERT_NE(about, nullptr) << "no About box, menu opened by " << how;
             EXPECT_TRUE(Has(BoxText(about), {"Lumaplay Ver1.06", "（対応 ： PaintBBS / ShiPainter / ShiPainterPro）"}));
             EXPECT_EQ(CutTexts(about), "");
             Press(about, {VK_RETURN});
             EXPECT_TRUE(Gone(about));
         }
         HWND open = ::GetDlgItem(w, 1002);
         for (bool ok : {false, true}) { // the open dialog; cancelled, it changes nothing
             // Over the button, off it and back; pressed, off it and back held, let go: a click.
             const std::pair<const char*, DWORD> steps[] = {{"lit", 0}, {"rest", 0}, {"lit", 0}, {"pressed", MOUSEEVENTF_LEFTDOWN},
                                                            {"rest", 0}, {"pressed", 0}, {"", MOUSEEVENTF_LEFTUP}};
             for (const auto& [face, button] : steps) {
                 Mouse(w, Centre(::GetDlgItem(w, *face == 'r' ? 1000 : 1002)), {button});
                 EXPECT_TRUE(!*face || WaitUntil([&] { return Face(open) == face; })) << face;
             }
             HWND d = r.Dialog("PCHファイルを開く");
             ASSERT_NE(d, nullptr);
             Type(d, r.F("data\\pick[SX150SY150].pch"));
             Press(d, {WORD(ok ? VK_RETURN : VK_ESCAPE)});
             ASSERT_TRUE(Gone(d) && WaitUntil([&] { return Text(w) == (ok ? kPaintBBS : "Lumaplay"); }) && r.Idle(w));
             EXPECT_EQ(Item(w, 1001), ok ? r.F("data\\pick[SX150SY150].pch") : "");
             EXPECT_EQ(r.Ini("LASTDIR"), ok ? r.F("data\\") : "<missing>");
         }
         ::SetWindowPos(w, nullptr, 150, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
         const RECT moved = RectOf(w); // closed by the caption's close button
         Click(w, {moved.right - ::GetSystemMetrics(SM_CXFRAME) - ::GetSystemMetrics(SM_CXSIZE) / 2 - 2, CaptionY(moved)});
         EXPECT_TRUE(Gone(w));
     },
     .after = {{"SV_POSX", "150"}, {"SV_POSY", "60"}}},
    {.id = "paintbbs_tag_from_command_line", // 表 ends in the byte of a backslash
     .files = {{"My Files\\", ""}, {"My Files\\表[SX900SY300].pch", kGzip}, {"Work\\", ""}, // and a crashed run's
               {"Work\\lumDEAD.tmp", "page"}, {"Work\\LUMdead.TMP~", "half a copy"}, {"Work\\lumBEEF.tmp~old", ""}},
     .ini = {{"SV_POSX", "-32000"}, {"SV_POSY", "-32000"}}, // unusable: centred on the play
     .start = "\"%My Files\\表[SX900SY300].pch\"", .title = kPaintBBS,
     .path = "%My Files\\表[SX900SY300].pch",
     .page = {"code='pch.DOVEdivoz.class' codebase='$' archive=", Size("width", 900) + "\r\n",
              Size("height", 300), "scroll=\"no\""},
     .then = [](Case& r, HWND w) {
         EXPECT_EQ(r.Work().size(), 2u); // its own two; those of the ended run are gone
         EXPECT_EQ(Shown(w).first, 0); // the whole path fits: shown from its start
         EXPECT_EQ(r.Copy(), kGzip);
         const std::string copy = r.WorkFile(false).substr(r.dir.size() + 5);
         EXPECT_TRUE(Has(r.Page(), {"<PARAM name='pch_file' value='Work/" + copy + "'>"}));
         const RECT rect = RectOf(w), work = WorkArea();
         EXPECT_EQ(At(w), std::to_string((work.right - work.left - Width(rect)) / 2) + "," +
                              std::to_string((work.bottom - work.top - Height(rect)) / 2));
     },
     .after = {{"PB_SZX", "<missing>"}}, // nothing asked, nothing stored
     .folder = "O'Neil & Co"},           // markup in the program folder's name
    {.id = "second_start_hands_over",
     .files = {{"a.spch", kShiHeader + "xx"}, {"b[sx640sy480].PCH", kGzip},
               {"c[SX640SY480].pch", kGzip + "c"}},
     .start = "\"%a.spch\"", .title = kShi,
     .page = {"code='pch2.DOVEdivoz.class'", Size("width", 320), Size("height", 240)},
     .then = [](Case& r, HWND w) {
         const std::string copy = r.WorkFile(false);
         Hand(r, w, "b[sx640sy480].PCH");
         EXPECT_EQ(Text(w) + Item(w, 1001) + r.WorkFile(false) + r.Copy(), kPaintBBS + r.F("b[sx640sy480].PCH") + copy + kGzip);
         EXPECT_TRUE(Has(r.Page(), {Size("width", 640)}));
         const RECT played = RectOf(w);
         ::ShowWindow(w, SW_MINIMIZE); // a minimised window is restored where it was
         ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(w) != FALSE; }));
         Hand(r, w, "c[SX640SY480].pch");
         EXPECT_FALSE(::IsIconic(w));
         EXPECT_TRUE(Same(RectOf(w), played));
         EXPECT_EQ(r.Copy(), kGzip + "c");
         Hand(r, w, ""); // without a file it only brings the window forward
         EXPECT_TRUE(Sync(w) && Item(w, 1001) == r.F("c[SX640SY480].pch"));
         // Named from another folder, whose full name is too long for a command line: it
         // is handed whole, not as the look-alike a.spch of the window's own folder.
         const std::string deep = r.dir + std::string(255 - r.dir.size(), 'd');
         r.Write(deep.substr(r.dir.size()) + "\\", ""), r.Write(deep.substr(r.dir.size()) + "\\a.spch", kShiHeader);
         Hand(r, w, "a.spch", deep);
         EXPECT_EQ(r.Copy(), kShiHeader);
         Sparse(r, "big[SX100SY100].pch", 20); // copied whole, off the window's thread
         Hand(r, w, "big[SX100SY100].pch");
         EXPECT_TRUE(r.Copy().size() == (20u << 20) && r.Copy().compare(0, kGzip.size(), kGzip) == 0);
         EXPECT_EQ(Windows(0, IsPlayer).size(), 1u);
     }},
    {.id = "hand_over_between_builds",
     .files = {{"表[SX120SY90].pch", kGzip}},
     .then = [](Case& r, HWND) {
         if (OtherBuildExe().empty())
             GTEST_SKIP() << "the other Windows build does not run on this machine";
         Case other("other-build");
         other.UseExe(OtherBuildExe());
         other.Write("表[SX120SY90].pch", kGzip);
         for (Case* to : {&other, &r}) { // to the other bitness, then back
             Case& from = to == &r ? other : r;
             HANDLE receiver = to->Start("").handle;
             HWND w = to->Player();
             HANDLE sender = from.Start(from.Q("表[SX120SY90].pch")).handle;
             BOOL wow[2] = {};
             EXPECT_TRUE(::IsWow64Process(receiver, &wow[0]) && ::IsWow64Process(sender, &wow[1]) && wow[0] != wow[1]);
             EXPECT_TRUE(Ends(sender) && WaitUntil([&] { return Item(w, 1001) == from.F("表[SX120SY90].pch"); }));
             EXPECT_TRUE(to->Close(w));
             to->EndAll(), from.EndAll();
         }
     }},
    {.id = "hand_off_only_to_a_player_window",
     .files = {{"c[SX120SY90].pch", kGzip}, {"d[SX120SY90].pch", kGzip}},
     .start = "", .title = "Lumaplay",
     .then = [](Case& r, HWND w) {
         WNDCLASSA wc = {0, &ImpostorProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, "Impostor"};
         ::RegisterClassA(&wc);
         HWND impostor = ::CreateWindowA("Impostor", "Lumaplay impostor", WS_OVERLAPPEDWINDOW,
                                         0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
         ::ShowWindow(impostor, SW_SHOWNOACTIVATE); // the newest: met first
         Proc sender = r.Start(r.Q("c[SX120SY90].pch"));
         EXPECT_TRUE(WaitUntil([&] { return Ends(sender.handle, 0) && Item(w, 1001) == r.F("c[SX120SY90].pch"); }));
         ::DestroyWindow(impostor);
         EXPECT_EQ(g_impostorGot, 0);
         // With an instance running but no window to take it, a start opens its own.
         ASSERT_TRUE(r.Close(w));
         HANDLE mutex = ::CreateMutexA(nullptr, TRUE, "Lumaplay-Quenby-Application");
         const DWORD pid = r.Start(r.Q("d[SX120SY90].pch")).pid;
         EXPECT_EQ(Item(WaitWindow(pid, IsPlayer), 1001), r.F("d[SX120SY90].pch"));
         ::CloseHandle(mutex);
     }},
    {.id = "several_windows_cascade_then_closed_at_once", // as at log-off; 한 is no ANSI name on 932
     .files = Numbered("한", 10, "[SX100SY80]"),
     .ini = {{"CK_SET1", "0"}, {"CK_SET3", "0"}, {"PB_SZX", "777"}, {"LASTDIR", "C:\\pch\\"}},
     .then = [](Case& r, HWND) {
         std::string names, places;
         for (int i = 0; i < 10; ++i)
             names += r.Q("한" + std::to_string(i) + "[SX100SY80].pch") + " ";
         EXPECT_TRUE(Ends(r.Start(names).handle));
         auto played = [](HWND h) { return IsPlayer(h) && Text(h) == kPaintBBS; };
         std::vector<HWND> ws;
         ASSERT_TRUE(WaitUntil([&] { return (ws = Windows(0, played)).size() == 10; }, 60000));
         // Each file in a process of its own, the n-th one n steps down the cascade.
         const int step = ::GetSystemMetrics(SM_CXDLGFRAME) + ::GetSystemMetrics(SM_CYCAPTION);
         std::set<std::string> seen;
         std::vector<HANDLE> processes;
         for (HWND w : ws) {
             DWORD pid = 0;
             ::GetWindowThreadProcessId(w, &pid);
             processes.push_back(::OpenProcess(SYNCHRONIZE, FALSE, pid));
             const std::string path = (Sync(w), Item(w, 1001)) + "  ";
             const std::string k = std::to_string((path[r.dir.size() + 3] - '0') * step);
             EXPECT_TRUE(seen.insert(path).second && At(w) == k + "," + k) << path << At(w);
             places += At(w) + ";";
         }
         EXPECT_EQ(r.Work().size(), 20u);
         for (HWND w : ws)
             ::PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0);
         for (HANDLE p : processes)
             EXPECT_TRUE(Ends(p) && ::CloseHandle(p));
         // The window closed last left its own two keys; every other key is intact.
         EXPECT_NE(places.find(r.Ini("SV_POSX") + "," + r.Ini("SV_POSY") + ";"), std::string::npos);
     },
     .after = {{"CK_SET1", "0"}, {"CK_SET3", "0"}, {"PB_SZX", "777"}, {"LASTDIR", "C:\\pch\\"}}},
    {.id = "rejected_files_keep_the_state",
     .files = {{"g[SX200SY100].pch", kGzip}, {"notes.pch", "image_width=1\r\nno height\r\n"},
               {"a.spch", kShiHeader},
               {"empty.pch", ""}, {"ff.pch", std::string(300, '\xFF')},
               {"locked[SX100SY100].pch", kGzip}},
     .start = "\"%g[SX200SY100].pch\"", .title = kPaintBBS,
     .then = [](Case& r, HWND w) {
         const RECT work = WorkArea(); // the window mostly below and right of the screen:
         ::SetWindowPos(w, nullptr, work.right - 60, work.bottom - 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
         const RECT before = RectOf(w); // its messages still open where they can be answered
         const std::string page = r.Page();
         HANDLE lock = ::CreateFileA(r.F("locked[SX100SY100].pch").c_str(), GENERIC_READ, 0,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
         const std::string copy = r.Copy();
         Sparse(r, "huge.pch", 300);
         HANDLE held = INVALID_HANDLE_VALUE, pipe = ::CreateNamedPipeW(L"\\\\.\\pipe\\lumaplay-e2e", PIPE_ACCESS_DUPLEX, 0, 1, 0, 0, 0, nullptr);
         const std::pair<const char*, const char*> cases[] = {
             {"missing.pch", "指定されたPCHファイルは存在しません。"}, {"Work", "指定されたパスはフォルダです。"}, {"locked[SX100SY100].pch", "指定されたPCHファイルを読み込めません。"},
             {"notes.pch", kNotPch},    {"empty.pch", kNotPch}, {"ff.pch", kNotPch},
             {"\\\\.\\pipe\\lumaplay-e2e", "指定されたPCHファイルを読み込めません。"}, // a pipe that never writes
             {"huge.pch", "指定されたPCHファイルが大きすぎます。"}, // 300 MiB, past the limit: not copied
             {"a.spch", kWorkFailed},  // the work copy held open elsewhere
             {"a.spch", kWorkFailed}}; // then the page: the new copy must not stay
         for (const auto& [name, message] : cases) {
             if (message == kWorkFailed) { // first the copy, then the page
                 const bool page = held != INVALID_HANDLE_VALUE;
                 ::CloseHandle(held);
                 held = ::CreateFileA(r.WorkFile(page).c_str(), GENERIC_READ,
                                      page ? FILE_SHARE_READ : 0, nullptr, OPEN_EXISTING, 0, nullptr);
             }
             Proc sender = r.Start(*name == '\\' ? "\"" + std::string(name) + "\"" : r.Q(name));
             EXPECT_TRUE(Ends(sender.handle, 5000)) << name; // before the message is answered
             RECT box = {};
             EXPECT_EQ(r.Box("ERROR", 0, &box), message) << name;
             EXPECT_TRUE(Inside(box)) << name << ": " << box.left << "," << box.top;
             EXPECT_EQ(Text(w), kPaintBBS) << name;
             EXPECT_EQ(r.Page(), page) << name;
             EXPECT_TRUE(Same(RectOf(w), before)) << name;
         }
         ::CloseHandle(held), ::CloseHandle(pipe);
         EXPECT_EQ(r.Copy(), copy);
         ::CloseHandle(lock);
     }},
    {.id = "canvas_size_asked_and_hand_overs_wait", // one question at a time, each its own size
     .files = {{"plain.pch", kGzip}, {"p2.pch", kGzip + "2"}, {"t[SX640SY480].pch", kGzip + "t"}},
     .ini = {{"PB_SZX", "350"}},
     .start = "\"%plain.pch\"",
     .then = [](Case& r, HWND) {
         HWND d = r.Dialog(kCanvas);
         ASSERT_NE(d, nullptr);
         EXPECT_EQ(Item(d, 1012) + "x" + Item(d, 1013), "350x300");
         for (const char* name : {"t[SX640SY480].pch", "p2.pch"}) // taken now, played in turn
             EXPECT_TRUE(Ends(r.Start(r.Q(name)).handle, 5000)) << name;
         // A close from the taskbar waits for the question, which comes to the front.
         ::PostMessageA(::GetWindow(d, GW_OWNER), WM_SYSCOMMAND, SC_CLOSE, 0);
         EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == d; }));
         EXPECT_TRUE(Fill(d, 1012, "999"));
         Press(d, {VK_ESCAPE}); // played at the stored size, nothing written
         ASSERT_TRUE(Gone(d));
         ASSERT_NE(d = r.Dialog(kCanvas), nullptr); // then the tagged file, then this question
         EXPECT_EQ(Windows(0, [](HWND h) { return Text(h) == kCanvas; }).size(), 1u);
         EXPECT_TRUE(Has(r.Page(), {Size("width", 640), Size("height", 480)}));
         EXPECT_EQ(r.Copy() + r.Ini("PB_SZX") + r.Ini("PB_SZY"), kGzip + "t350<missing>");
         EXPECT_TRUE(Fill(d, 1012, ""));
         Press(d, {VK_RETURN});
         EXPECT_EQ(r.Box("Lumaplay"), kNotInteger); // the framework's check and title
         EXPECT_TRUE(Fill(d, 1012, "512"));
         EXPECT_TRUE(Fill(d, 1013, "20000"));
         Press(d, {VK_RETURN});
         EXPECT_TRUE(WaitUntil([&] { return Has(r.Page(), {Size("width", 512), Size("height", 20000), "scroll=\"yes\""}); }));
         EXPECT_EQ(r.Copy(), kGzip + "2");
     },
     .after = {{"PB_SZX", "512"}, {"PB_SZY", "20000"}}},
    {.id = "fixed_position_beyond_the_screen_name_too_long",
     .ini = {{"CK_SET2", "1"}, {"ST_POSX", "5000"}, {"ST_POSY", "40"}, {"SV_POSX", "10"}},
     .start = kLongName.c_str(), // said, and left out
     .box = "指定されたファイル名が長すぎます。",
     .title = "Lumaplay", .path = "",
     .then = [](Case& r, HWND w) {
         const RECT rect = RectOf(w);
         EXPECT_EQ(rect.right, WorkArea().right);
         EXPECT_EQ(rect.top, 40);
         ASSERT_TRUE(r.Close(w));
         EXPECT_EQ(r.Ini("SV_POSX"), std::to_string(rect.left)); // remembered in both modes
     }},
    {.id = "controls_follow_the_size_and_play_fits",
     .files = {{"p[SX100SY100].pch", kGzip}, {"big[SX1200SY900].pch", kGzip}},
     .start = "\"%p[SX100SY100].pch\"", .title = kPaintBBS,
     .then = [](Case& r, HWND w) {
         auto shape = [&] { // browser size, path box width, the settings button's place
             RECT b = RectOf(::GetDlgItem(w, 1000)), s = RectOf(::GetDlgItem(w, 1004));
             return std::vector<long>{Width(b), Height(b), Width(RectOf(::GetDlgItem(w, 1001))), s.left, s.top};
         };
         const RECT w0 = RectOf(w);
         const std::vector<long> before = shape(), moved = {200, 50, 200, 100, 0};
         const std::pair<int, int> shown = Shown(w); // too long: its end, the file's name
         EXPECT_TRUE(shown.first > 0 && shown.second + 2 >= (int)Item(w, 1001).size()) << shown.first << "-" << shown.second;
         ::SetWindowPos(w, nullptr, w0.left - 100, w0.top, Width(w0) + 200, Height(w0) + 50, 0);
         ASSERT_TRUE(Sync(w));
         const std::pair<int, int> grown = Shown(w); // still its end, the wider box filled
         EXPECT_TRUE(grown.first < shown.first && grown.second + 2 >= (int)Item(w, 1001).size()) << grown.first << "-" << grown.second;
         for (std::size_t i = 0; i < moved.size(); ++i)
             EXPECT_EQ(shape()[i] - before[i], moved[i]) << i; // both edges dragged out
         EXPECT_TRUE(Same(RectOf(::GetWindow(::GetDlgItem(w, 1000), GW_CHILD)), RectOf(::GetDlgItem(w, 1000)))); // the control fills its place
         auto drawn = [&] { // both icon buttons on the screen where they now are, once it settles
             return Sync(w) && (::Sleep(400), Face(::GetDlgItem(w, 1002)) != "blank" && Face(::GetDlgItem(w, 1004)) != "blank");
         };
         EXPECT_TRUE(drawn());
         ::ShowWindow(w, SW_MAXIMIZE);
         EXPECT_TRUE(drawn());
         EXPECT_EQ(Shown(w).first, 0); // now the path fits: shown from its start again
         ::ShowWindow(w, SW_RESTORE);
         ASSERT_TRUE(Sync(w));
         // The play command fits the window to the canvas, a scroll bar's width to spare.
         RECT client;
         ::GetClientRect(::GetDlgItem(w, 1000), &client);
         const RECT w1 = RectOf(w);
         ::SendMessageA(w, WM_COMMAND, 1003, 0);
         EXPECT_EQ(Width(RectOf(w)), Width(w1) - client.right + ::GetSystemMetrics(SM_CXVSCROLL) + 100);
         EXPECT_EQ(Height(RectOf(w)), Height(w1) - client.bottom + 100 + 40);
         ::SetWindowPos(w, nullptr, 0, 0, 20, 10, SWP_NOMOVE | SWP_NOZORDER); // no smaller than the path box row
         EXPECT_TRUE(Sync(w) && Width(RectOf(::GetDlgItem(w, 1001))) >= 40 && RectOf(::GetDlgItem(w, 1004)).right <= RectOf(w).right &&
                     RectOf(::GetDlgItem(w, 1001)).bottom <= RectOf(w).bottom) << Width(RectOf(w)) << "x" << Height(RectOf(w));
         // A play into a maximised window keeps it so; a double click on the caption gives
         // the fit of the new canvas, cut to the work area.
         ::ShowWindow(w, SW_MAXIMIZE);
         Hand(r, w, "big[SX1200SY900].pch");
         EXPECT_TRUE(::IsZoomed(w) && Has(r.Page(), {"scroll=\"yes\""}));
         const RECT work = WorkArea();
         Mouse(w, {Centre(w).x, CaptionY(RectOf(w))}, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
         EXPECT_TRUE(WaitUntil([&] { return !::IsZoomed(w); }) && Same(RectOf(w), {0, 0, work.right + 1, work.bottom + 1}))
             << At(w) << " " << Width(RectOf(w)) << "x" << Height(RectOf(w));
     }},
    {.id = "settings_dialog",
     .ini = {{"PB_SZX", "640"}, {"PB_SZY", "480"}, {"ST_POSX", "-11"}, {"ST_POSY", "22"},
             {"CK_SET1", "0"}, {"CK_SET2", "1"}, {"CK_SET4", "5"}},
     .start = "", .title = "Lumaplay",
     .then = [](Case& r, HWND w) {
         HWND d = OpenSettings(r, VK_SPACE);
         ASSERT_NE(d, nullptr);
         EXPECT_EQ(Item(d, 1005) + Item(d, 1006) + Item(d, 1009) + Item(d, 1010), "640480-1122");
         EXPECT_EQ(Flags(d, {1007, 1008, 1016, 1014}, Checked), "0110"); // CK_SET4=5 is not 1
         EXPECT_EQ(Flags(d, {1008, 1009, 1010, 1011}, On), "1111");
         Toggle(d, 1016); // several windows: no start position at all
         EXPECT_TRUE(WaitUntil([&] { return Flags(d, {1008, 1009, 1010, 1011}, On) == "0000"; }));
         Toggle(d, 1016);
         Toggle(d, 1008);
         EXPECT_TRUE(WaitUntil([&] { return Flags(d, {1008, 1009, 1010, 1011}, On) == "1000"; }));
         const std::string before = ReadBytes(r.Ini());
         Press(d, {VK_ESCAPE});
         EXPECT_TRUE(Gone(d) && ReadBytes(r.Ini()) == before); // cancelled: nothing written
         EXPECT_TRUE(WaitUntil([&] { return Focused(w) == ::GetDlgItem(w, 1004); })); // back where it was
         ASSERT_NE(d = OpenSettings(r), nullptr); // by Enter on the focused button
         const char* wrong[][3] = {{"99", "300", "サイズＸは100以上を指定してください。"},
                                   {"300", "", nullptr}}; // empty: the framework's message alone
         for (const auto& [x, y, worning] : wrong) {
             EXPECT_TRUE(Fill(d, 1005, x));
             EXPECT_TRUE(Fill(d, 1006, y));
             Press(d, {VK_RETURN});
             EXPECT_EQ(r.Box("Lumaplay"), *y ? "100 から 10000 までの整数を入力してください。" : kNotInteger) << x << "x" << y;
             EXPECT_EQ(worning ? r.Box("WORNING") : "", worning ? worning : "");
             EXPECT_TRUE(Sync(d) && Windows(0, [](HWND h) { return IsBox(h, "Lumaplay"); }).empty());
             EXPECT_EQ(ReadBytes(r.Ini()), before); // the dialog stays, nothing written
         }
         EXPECT_TRUE(Fill(d, 1005, "100"));
         EXPECT_TRUE(Fill(d, 1006, "10000"));
         Toggle(d, 1007);
         Toggle(d, 1008);
         ::SetFileAttributesA(r.Ini().c_str(), FILE_ATTRIBUTE_READONLY);
         Press(d, {VK_RETURN}); // a read-only settings file: said, the values kept
         EXPECT_EQ(r.Box("ERROR"), "設定を保存できませんでした。");
         ::SetFileAttributesA(r.Ini().c_str(), FILE_ATTRIBUTE_NORMAL);
         EXPECT_TRUE(ReadBytes(r.Ini()) == before && Item(d, 1005) == "100");
         Press(d, {VK_RETURN});
         ASSERT_TRUE(Gone(d));
         EXPECT_EQ(Reg(".pch", nullptr), "<no key>"); // associations untouched
     },
     .after = {{"PB_SZX", "100"}, {"PB_SZY", "10000"}, {"ST_POSX", "-11"}, {"ST_POSY", "22"},
               {"CK_SET1", "1"}, {"CK_SET2", "0"}, {"CK_SET3", "1"}, {"CK_SET4", "0"},
               {"CK_SET5", "0"}}},
    {.id = "settings_association_and_back",
     .then = [](Case& r, HWND) {
         SetReg(".pch", nullptr, "Other.Viewer");
         SetReg(".pch\\OpenWithProgids", "Other.Viewer", ""); // a key with subkeys
         SetReg("Other.Viewer\\shell\\open\\command", nullptr, "other.exe \"%1\"");
         DWORD number = 1234, size = 4; // another program's .spch value, no string
         ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Classes\\.spch", nullptr, REG_DWORD, &number, size);
         r.Start("");
         const std::string exe = r.F("Lumaplay.exe");
         const std::vector<std::pair<std::string, std::string>> made = { // key|value, what it holds
             {".pch|", "Quenby_Lumaplay"}, {".pch|Quenby_Lumaplay", "Other.Viewer"},
             {"Quenby_Lumaplay\\shell\\open\\command|", "\"" + exe + "\" \"%1\""},
             {"Quenby_Lumaplay\\DefaultIcon|", exe + ",7"}, {".spch|", "Quenby_LumaplaySPCH"},
             {"Quenby_LumaplaySPCH\\DefaultIcon|", exe + ",9"}};
         const std::vector<std::pair<std::string, std::string>> back = { // ours gone, the other's back
             {".pch|", "Other.Viewer"}, {".pch|Quenby_Lumaplay", "<no value>"},
             {".pch\\OpenWithProgids|Other.Viewer", ""}, {"Quenby_Lumaplay|", "<no key>"}};
         for (bool on : {true, false}) {
             HWND d = OpenSettings(r);
             ASSERT_NE(d, nullptr);
             EXPECT_EQ(Checked(d, 1014), !on);
             Toggle(d, 1014);
             Toggle(d, 1015);
             Press(d, {VK_RETURN});
             ASSERT_TRUE(Gone(d));
             EXPECT_EQ(r.Ini("CK_SET4") + r.Ini("CK_SET5"), on ? "11" : "00");
             for (const auto& [at, value] : on ? made : back) {
                 const std::size_t bar = at.find('|');
                 const std::string name = at.substr(bar + 1);
                 EXPECT_EQ(Reg(at.substr(0, bar), name.empty() ? nullptr : name.c_str()), value) << at;
             }
             number = 0;
             EXPECT_TRUE(on || (!::RegGetValueW(HKEY_CURRENT_USER, L"Software\\Classes\\.spch", nullptr, RRF_RT_REG_DWORD, nullptr, &number, &size) && number == 1234));
         }
         // Another tool's verb left under our file type: its key cannot be made afresh. The
         // dialog says so and stays; the file keeps "not associated"; OK retries.
         SetReg("Quenby_LumaplaySPCH\\shell\\edit\\command", nullptr, "edit.exe");
         HWND d = OpenSettings(r);
         Toggle(d, 1015);
         Press(d, {VK_RETURN});
         EXPECT_EQ(r.Box("ERROR"), "ファイルの関連付けを変更できませんでした。");
         EXPECT_TRUE(::IsWindowVisible(d) && Checked(d, 1015));
         EXPECT_EQ(r.Ini("CK_SET5"), "0");
         DeleteReg("Quenby_LumaplaySPCH");
         Press(d, {VK_RETURN});
         ASSERT_TRUE(Gone(d));
         EXPECT_EQ(r.Ini("CK_SET5") + Reg(".spch", nullptr), "1Quenby_LumaplaySPCH");
     }},
    {.id = "no_browser_control", // the system has none to give: said once, the rest works
     .files = {{"p[SX200SY100].pch", kGzip}},
     .then = [](Case& r, HWND) {
         ::RegSetKeyValueW(HKEY_CURRENT_USER, kNoBrowser, L"ieframe", REG_SZ, L"", sizeof(L""));
         r.Start(r.Q("p[SX200SY100].pch"));
         EXPECT_EQ(r.Box("ERROR"), "ブラウザコントロールを作成できませんでした。");
         HWND w = r.Player(kPaintBBS);
         ASSERT_NE(w, nullptr);
         HWND d = OpenSettings(r);
         ASSERT_NE(d, nullptr);
         Press(d, {VK_ESCAPE});
         EXPECT_TRUE(Gone(d));
     }},
    {.id = "twenty_starts_at_once", // as a multi-select Open: the first window takes them all
     .files = Numbered("f", 20, "[SX120SY90]"),
     .then = [](Case& r, HWND) {
         for (int i = 0; i < 20; ++i)
             r.Start(r.Q("f" + std::to_string(i) + "[SX120SY90].pch"));
         std::vector<HWND> ws;
         EXPECT_TRUE(WaitUntil([&] { return std::count_if(r.started.begin(), r.started.end(), [](Proc& p) { return Ends(p.handle, 0); }) == 19 && (ws = Windows(0, IsPlayer)).size() == 1; }, 60000));
         ASSERT_EQ(ws.size(), 1u); // none gave up and opened a window of its own
         // Its own file first, then those handed over: the last one shown is another's.
         const std::size_t own = std::find_if(r.started.begin(), r.started.end(), [&](Proc& p) { return Ends(p.handle, 0) == false; }) - r.started.begin();
         const std::string mine = r.F("f" + std::to_string(own) + "[SX120SY90].pch");
         EXPECT_TRUE(WaitUntil([&] { return Item(ws[0], 1001).compare(0, r.dir.size() + 1, r.F("f")) == 0 && Item(ws[0], 1001) != mine; }));
         const auto work = r.Work(); // the one window's two files, and the copy it may be making
         EXPECT_EQ(std::count_if(work.begin(), work.end(), [](auto& f) { return f.find('~') == f.npos; }), 2);
     }},
    {.id = "name_flipped_between_kinds_plays_what_was_probed",
     .files = {{"pbbs", kGzip}, {"shi", kShiHeader}, {"flip[SX100SY100].pch", kGzip}},
     .start = "", .title = "Lumaplay",
     .then = [](Case& r, HWND w) {
         Hand(r, w, "flip[SX100SY100].pch");
         std::atomic<bool> stop = false; // another program points the name at one kind, then the other
         std::thread flipper([&] {
             for (int i = 0; !stop; ++i)
                 ::CopyFileW(W(r.F(i % 2 ? "shi" : "pbbs")).c_str(), W(r.F("next")).c_str(), FALSE),
                     ::MoveFileExW(W(r.F("next")).c_str(), W(r.F("flip[SX100SY100].pch")).c_str(), MOVEFILE_REPLACE_EXISTING);
         });
         std::string mixed;
         for (int i = 0; i < 20; ++i) { // the play command, which returns once played
             if (!::SendMessageTimeoutA(w, WM_COMMAND, 1003, 0, SMTO_NORMAL, 3000, nullptr))
                 r.Box("ERROR"), Sync(w); // caught mid-flip: refused, and nothing changed
             mixed += (r.Page().find("pch2.DOVEdivoz") != std::string::npos) != (r.Copy().compare(0, 10, "SHIPAINTER") == 0) ? "x" : ".";
         }
         stop = true;
         flipper.join();
         ::CopyFileW(W(r.F("pbbs")).c_str(), W(r.F("flip[SX100SY100].pch")).c_str(), FALSE);
         EXPECT_EQ(mixed, std::string(20, '.')); // x: the page of one kind over a copy of the other
         ::DeleteFileW(W(r.F("next")).c_str());
     }},
    {.id = "settings_file_on_a_full_disk", // its writes fail and leave it whole, the user's section too
     .files = {{"Lumaplay.ini", kUsersIni}},
     .then = [](Case& r, HWND) {
         ULARGE_INTEGER total = {};
         if (!::GetDiskFreeSpaceExW(W(r.dir).c_str(), nullptr, &total, nullptr) || total.QuadPart > (16u << 20))
             GTEST_SKIP() << "no small disk here: the test command mounts one where it may (as root)";
         r.Start("");
         HWND w = r.Player();
         std::ofstream filler(std::filesystem::path(W(r.F("filler"))), std::ios::binary);
         for (int i = 0; i < 4096 && filler.write(std::string(1024, 'f').data(), 1024) && filler.flush(); ++i)
             continue;
         ::SetWindowPos(w, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER); // a position to store
         EXPECT_TRUE(r.Close(w));
     },
     .folder = "small-disk\\full"},
    {.id = "garbage_settings_and_a_locked_ini", // "yes" reads as 0: nothing is asked
     .files = {{"plain.pch", kGzip}},
     .ini = {{"CK_SET1", "yes"}, {"CK_SET3", "0"}, {"PB_SZX", "-500"}, {"PB_SZY", "-400"},
             {"SV_POSX", "99999999999"}, {"SV_POSY", "abc"}},
     .start = "\"%plain.pch\" -BP:99999", .title = kPaintBBS,
     .page = {Size("width", -500), Size("height", -400)},
     .then = [](Case& r, HWND w) {
         // A negative canvas and a huge launch index: the window stays whole on the work area.
         RECT rect = RectOf(w), work = WorkArea(), in;
         EXPECT_TRUE(::IntersectRect(&in, &rect, &work) && Same(in, rect)) << At(w);
         EXPECT_LE(RectOf(::GetDlgItem(w, 1004)).right, rect.right);
         EXPECT_GE(Width(RectOf(::GetDlgItem(w, 1001))), 40);
         EXPECT_GT(Height(RectOf(::GetDlgItem(w, 1000))), 0);
         const std::string ini = ReadBytes(r.Ini());
         HANDLE lock = ::CreateFileA(r.Ini().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, 0);
         EXPECT_TRUE(r.Close(w) && ::CloseHandle(lock) && ReadBytes(r.Ini()) == ini);
     }},
    {.id = "unicode_names_in_a_unicode_folder", // none of the right file's look-alikes is played
     .files = {{"café.spch", kShiHeader + "é"}, {"cafe.spch", "image_width=640\r\nimage_height=480\r\n"},
               {"한글\\", ""}, {"한글\\그림[SX200SY100].pch", kGzip + "k"}, {"😀\\", ""},
               {"😀\\emoji😀[SX150SY150].pch", kGzip + "e"}},
     .start = "\"%café.spch\"", .title = kShi, .path = "%café.spch", .page = {Size("width", 320)},
     .then = [](Case& r, HWND w) {
         EXPECT_EQ(r.Copy(), kShiHeader + "é");
         // The folder has no Shift_JIS form: the page names it by its short name.
         EXPECT_TRUE(Has(r.Page(), {"codebase='" + ShortName(r.dir, true) + "'"}));
         const std::string k = "한글\\그림[SX200SY100].pch", e = "😀\\emoji😀[SX150SY150].pch";
         Hand(r, w, k);
         EXPECT_EQ(r.Copy(), kGzip + "k");
         Drop(w, {r.F(e), r.F("café.spch")}); // the first one dropped is played
         EXPECT_TRUE(WaitUntil([&] { return Item(w, 1001) == r.F(e); }) && r.Idle(w) && r.Copy() == kGzip + "e");
         Click(w, 1002);
         HWND d = r.Dialog("PCHファイルを開く");
         Type(d, r.F(k));
         Press(d, {VK_RETURN});
         EXPECT_TRUE(Gone(d) && WaitUntil([&] { return Item(w, 1001) == r.F(k); }));
         EXPECT_EQ(r.Ini("LASTDIR"), ShortName(r.F("한글\\"))); // the stored folder opens
     },
     .folder = "Ünï 한 😀"},
    {.id = "folder_stepped_through_by_keys_and_menu", // a folder given as the file plays its first
     .files = {{"album\\", ""}, {"album\\10.spch", kShiHeader}, {"album\\2.PCH", kGzip + "2"},
               {"album\\1.pch", kGzip + "1"}, {"album\\broken.pch", "junk"}, {"album\\neo.pch", "NEO data"},
               {"album\\絵.pch", kGzip + "j"}, {"album\\😀.spch", kShiHeader}, {"album\\notes.txt", ""},
               {"album\\sub.pch\\", ""}},
     .ini = {{"CK_SET1", "0"}}, // no canvas question
     .start = "\"%album\"", .title = kPaintBBS, .path = "%album\\1.pch",
     .then = [](Case& r, HWND w) {
         const auto at = [&](const std::string& name) { return WaitUntil([&] { return Item(w, 1001) == r.F("album\\" + name); }) && r.Idle(w); };
         // Alt+Right from any control, in Explorer's order; a broken and a NEO file say what
         // they are and the next step goes on from them; the last one gives way to a beep.
         const char* next[][2] = {{"2.PCH", nullptr}, {"10.spch", nullptr}, {"broken.pch", kNotPch},
                                  {"neo.pch", kNeo}};
         for (const auto& [name, box] : next) {
             Press(w, {VK_MENU, VK_RIGHT});
             EXPECT_EQ(box ? r.Box("ERROR") : "", box ? box : "") << name;
             EXPECT_TRUE(at(name)) << name << ": " << Item(w, 1001);
         }
         EXPECT_EQ(Text(w) + r.Copy(), kShi + kShiHeader); // the refused two changed nothing
         std::set<std::string> names;
         for (int i = 0; i < 3; ++i, Press(w, {VK_MENU, VK_RIGHT}), r.Idle(w))
             names.insert(Item(w, 1001).substr(r.dir.size() + 6));
         EXPECT_EQ(names, (std::set<std::string>{"neo.pch", "絵.pch", "😀.spch"})); // then the end: stays
         // The previous one by the system menu, its letter typed; a held key steps once.
         const std::string last = Item(w, 1001);
         Press(w, {VK_MENU, VK_SPACE});
         ASSERT_NE(WaitWindow(0, [](HWND h) { return ClassIs(h, "#32768") && ::IsWindowVisible(h); }), nullptr);
         Press(nullptr, {'B'});
         EXPECT_TRUE(WaitUntil([&] { return Item(w, 1001) != last; }) && r.Idle(w));
         std::vector<INPUT> held = {Key(VK_MENU, 0)};
         for (int i = 0; i < 8; ++i)
             held.push_back(Key(VK_LEFT, 0));
         held.insert(held.end(), {Key(VK_LEFT, KEYEVENTF_KEYUP), Key(VK_MENU, KEYEVENTF_KEYUP)});
         Send(w, held);
         EXPECT_EQ(r.Box("ERROR"), kNeo); // from the first of the two: the NEO file, once
         EXPECT_TRUE(at("neo.pch") && Sync(w) && Windows(0, [](HWND h) { return IsBox(h, "ERROR"); }).empty());
         // A folder dropped, and one handed over by a second start.
         Drop(w, {r.F("album")});
         EXPECT_TRUE(at("1.pch"));
         Press(w, {VK_MENU, VK_LEFT}); // the first: stays, then the next one
         Press(w, {VK_MENU, VK_RIGHT});
         EXPECT_TRUE(at("2.PCH"));
         r.Write("album\\3.pch", kGzip + "3"); // a file added meanwhile counts
         Press(w, {VK_MENU, VK_RIGHT});
         EXPECT_TRUE(at("3.pch"));
         Click(w, 1002); // a folder typed into the open dialog
         HWND d = r.Dialog("PCHファイルを開く");
         Type(d, r.F("album")), Press(d, {VK_RETURN});
         EXPECT_TRUE(Gone(d) && at("1.pch"));
         Press(w, {VK_MENU, VK_RIGHT});
         EXPECT_TRUE(at("2.PCH"));
         EXPECT_TRUE(Ends(r.Start(r.Q("album")).handle, 5000) && at("1.pch"));
     }},
    {.id = "work_name_taken_by_a_file_applet_jar_a_folder", // the user's file stays, the player still opens
     .files = {{"Work", "a file of the user's"}, {"w[SX120SY90].pch", kGzip}, {"DOVEdivoz\\", ""}, {"DOVEdivoz\\DOVEdivoz.jar\\", ""},
               {"DOVEdivoz\\res\\", ""}, {"DOVEdivoz\\res\\res.zip", ""}, {"DOVEdivoz\\res\\tt.zip", ""}},
     .ini = {{"SV_POSX", "40"}, {"SV_POSY", "30"}},
     .start = "\"%w[SX120SY90].pch\"", .box = kWorkFailed, .title = "Lumaplay",
     .then = [](Case&, HWND w) { EXPECT_EQ(At(w), "40,30"); }, .applet = false},
};

void CleanAssociations() {
    for (std::string key : {".pch", ".spch", "Quenby_Lumaplay", "Quenby_LumaplaySPCH", "Other.Viewer"})
        DeleteReg(key);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kNoBrowser);
}

class Scenario : public ::testing::TestWithParam<Row> {};

void Play(const Row& row, Case& r) {
    HWND w = nullptr;
    if (row.start != nullptr) {
        r.Start(Expand(row.start, r));
        EXPECT_EQ(row.box ? r.Box("ERROR") : "", row.box ? row.box : "");
        w = row.title.empty() ? nullptr : r.Player(row.title);
        ASSERT_EQ(w == nullptr, row.title.empty()) << "no window titled " << row.title;
        EXPECT_EQ(row.path ? Item(w, 1001) : "", row.path ? Expand(row.path, r) : "");
        for (const std::string& part : row.page)
            EXPECT_TRUE(Has(r.Page(), {Expand(part, r)}));
    }
    if (row.then)
        row.then(r, w);
}

TEST_P(Scenario, Runs) {
    const Row& row = GetParam();
    CleanAssociations();
    Case r(row.folder != nullptr ? row.folder : row.id, row.applet);
    for (const auto& [name, bytes] : row.files)
        r.Write(name, bytes);
    for (const auto& [key, value] : row.ini)
        r.SetIni(key, value.c_str());
    Play(row, r);
    for (HWND w : Windows(0, IsPlayer))
        EXPECT_TRUE(r.Close(w)) << "a window did not close";
    for (const Proc& p : r.started)
        EXPECT_TRUE(Ends(p.handle)) << "a process did not end";
    EXPECT_TRUE(r.Work().empty()) << "the work folder was left behind";
    for (const auto& [name, bytes] : row.files)
        EXPECT_TRUE(name.back() == '\\' || name.rfind("Work\\", 0) == 0 || ReadBytes(r.F(name)) == bytes) << name << " changed";
    for (const auto& [key, value] : row.after)
        EXPECT_EQ(r.Ini(key), value) << key;
    CleanAssociations();
}

INSTANTIATE_TEST_SUITE_P(E2E, Scenario, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) { return info.param.id; });

} // namespace
