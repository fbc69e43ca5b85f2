// Starting (command line, paths, the way a start goes) and the settings.
#include "table.h"

#include "app/cmdline.h"
#include "app/startup.h"
#include "framework/command_line.h"
#include "framework/int_exchange.h"
#include "memory_registry.h"
#include "playback/page.h"
#include "program/identity.h"
#include "program/paths.h"
#include "settings/file_type_registry.h"
#include "settings/settings_logic.h"

// The names joined by "|", then " @index" when the line gave one.
static std::string Split(const std::string& line, NameLength length = nullptr) {
    CommandLineFiles files;
    SplitCommandLine(CommandLineTail(line.c_str()), files, length);
    std::string names = files.files[0];
    for (int i = 1; i < files.count; ++i)
        names += std::string("|") + files.files[i];
    return names + (files.launchIndex == -1 ? "" : " @" + std::to_string(files.launchIndex)) +
           (files.nameTooLong ? " too long" : "");
}

// A record as the receiver takes it: which form, the ANSI text, whether the UTF-16 name is
// the one sent.
static std::string Got(unsigned long tag, const std::string& data) {
    const HandOffName n = ReadHandOffRecord(tag, data.data(), data.size());
    return (n.wide ? "wide " : "ansi ") + n.ansi + "|" + std::to_string(n.utf16 == u"\u00e9\U0001F600");
}

TEST(Startup, CommandLineLaunchAndHandOff) {
    const std::string n259 = "C:\\My Files\\" + std::string(247, 'n'), n260(260, 'm');
    std::string e130; // 130 characters of two UTF-8 bytes each
    for (int i = 0; i < 130; ++i)
        e130 += "\xC3\xA9";
    auto chars = [](const std::string& s) { return s.size() / 2; };
    const std::string wide = BuildWideHandOffData("C:\\S~1", u"\u00e9\U0001F600");
    const std::string five = " \"1\" \"2\" \"3\" \"4\" \"5\"";
    auto title = [](const char* text) { return std::to_string(IsPlayerWindowTitle(text)); };
    Check({
        {Split("L \"0\"" + five + five + five + five), "0|1|2|3|4|5|1|2|3|4|5|1|2|3|4|5|1|2|3|4"},
        {Split("L \"" + n259 + "\" \"" + n260 + "\" \"b\""), n259 + "|b too long"}, // left out, said
        {Split("\"C:\\P F\\L.exe\" \t \"a b\" \"c"), "a b"}, // "c unclosed: the scan ends
        {Split("L a  b\tc -BP:-4"), "a||b\tc @-4"}, // unquoted: every blank; -BP: takes one too
        {Split(BuildLaunchCommandLine("C:\\P F\\L.exe", BuildLaunchArguments(n259, 19))),
         n259 + " @19"}, // a launched instance reads back its name and index, however long
        {ReadHandOffName("a\0junk", 6) + ReadHandOffName("bXY", 1), "ab"}, // to a NUL or cbData
        {Split("L \"" + e130 + "\"", chars), e130}, // counted in characters, kept whole in bytes
        {Got(kWideHandOffTag, wide) + " " + Got(0, wide), "wide C:\\S~1|1 ansi C:\\S~1|0"},
        {Got(kWideHandOffTag, wide.substr(0, wide.size() - 1)) + " " + Got(kWideHandOffTag, "abc"),
         "ansi C:\\S~1|0 ansi abc|0"}, // a cut record gives its stand-in; no NUL at all
        {FileUrl("C:/\xC3\xA9 #%?/"), "file:///C:/%C3%A9%20%23%25%3F/"},
        {title("Lumaplay [PaintBBS]") + title("lumaplay") + title("Luma"), "100"},
    });
}

static std::string Parts(const std::string& path) {
    const PathParts p = SplitPath(path);
    return p.drive + "|" + p.dir + "|" + p.name + "|" + p.ext;
}

TEST(Paths, FromTheProgramPathAndChosenFiles) {
    const ProgramPaths program = ComposeProgramPaths("C:\\T\\L.exe");
    Check({
        {Parts("W/a.b\\lum1"), "|W/a.b\\|lum1|"}, // either separator; no drive, no extension
        {Parts("C:\\\xE3\x82\xBD.tar.pch"), "C:|\\|\xE3\x82\xBD.tar|.pch"}, // the last dot
        {NormalizeSeparators("\\\\s\\y///z"), "//s/y//z"}, // a share; one pass
        // In Shift_JIS, 表 (95 5C) ends in the byte of "\", which is no separator there.
        {NormalizeShiftJisSeparators("C:\\\x95\x5C\\a\\\\b"), "C:/\x95\x5C/a/b"},
        {program.appDir + "|" + program.iniPath + "|" + program.workDir + "|" + program.viewerDir,
         "C:/T/|C:/T/Lumaplay.ini|C:/T/Work|C:\\T\\/DOVEdivoz"},
        {WorkRelativePath("C:/T/Work\\lum1A2.TMP"), "Work/lum1A2.TMP"},
        // Work files and their siblings, in any letter case; nothing else of the folder.
        {WorkFileOwnName("lum1A2.tmp~") + "|" + WorkFileOwnName("LUMf.TMP~old") + "|" + WorkFileOwnName("lumffff.tmp") +
             "|" + WorkFileOwnName("lumber.tmp") + WorkFileOwnName("lum12345.tmp") + WorkFileOwnName("lum1.tmp~x"),
         "lum1A2.tmp|LUMf.TMP|lumffff.tmp|"},
        {Nums(WorkFileMark("C:/T/Work", "lum1.tmp") == WorkFileMark("c:/t/WORK", "LUM1.TMP"),
              WorkFileMark("C:/T/Work", "lum1.tmp") == WorkFileMark("C:/U/Work", "lum1.tmp"),
              WorkFolderMark("C:/T/Work") == WorkFileMark("C:/T/Work", "lum1.tmp")),
         "1,0,0"}, // one mark per file of one folder, the folder's own apart
    });
}

// A dialog field's integer, or "-" when the text is refused.
static std::string Field(const char* text) {
    int value = 0;
    return ParseExchangeInt(text, value) ? std::to_string(value) + " " : "- ";
}
// The dialog's values with the two association boxes as given.
static const auto Boxes = [](int pch, int spch) { SettingsValues v; return v[IntSetting::AssociatePch] = pch, v[IntSetting::AssociateSpch] = spch, v; };
static std::string Changes(int pchAtOpen, int spchAtOpen, const SettingsValues& boxes) {
    std::string text;
    for (const auto& c : AssociationChanges(pchAtOpen, spchAtOpen, boxes))
        text += c.progId + c.ext + (c.registerAfter ? "+" : "-") + Nums(c.iconIndex) + " ";
    return text;
}

TEST(Settings, KeysDialogFieldsAndChecks) {
    std::string blank; // each key by its name, and what its blank entry reads as
    for (int k = 0; k <= static_cast<int>(IntSetting::SavedPosY); ++k)
        blank += std::string(" ") + SettingName(IntSetting(k)) + "=" +
                 FormatSettingValue(ParseSettingValue(" \t", IntSetting(k)));
    Check({
        {blank, " CK_SET1=1 CK_SET2=0 CK_SET3=1 CK_SET4=0 CK_SET5=0 PB_SZX=300 PB_SZY=300"
                " ST_POSX=0 ST_POSY=0 SV_POSX=-9999 SV_POSY=-9999"},
        {Field(" +42\t") + Field(" 00 ") + Field("-2147483648") + Field("2147483647"),
         "42 0 -2147483648 2147483647 "},
        {Field("") + Field("-0") + Field("1 2") + Field("0x1") + Field("2147483648"), "- - - - - "},
        {Field("                              5junk"), "5 "}, // only 31 characters are read
        {CanvasSizeWarning(99, 10001), "サイズＸは100以上を指定してください。"}, // width first
        {CanvasSizeWarning(10001, 50), "サイズＸは10000以下を指定してください。"},
        {CanvasSizeWarning(10000, 10001), "サイズＹは10000以下を指定してください。"},
        {std::to_string(!CanvasSizeWarning(100, 10000) && !CanvasSizeWarning(10000, 100)), "1"},
        // The settings file: a key rewritten where it stands, one added after its
        // section's last line, a section added; every other byte kept.
        {SetIniValue("[a]\nSV_POSX=1\n[ Setup ]\r\n sv_posx = 7 \r\n; x\n", "SETUP", "SV_POSX", "5"),
         "[a]\nSV_POSX=1\n[ Setup ]\r\nSV_POSX=5\r\n; x\n"},
        {SetIniValue("[SETUP]\r\nA=1\r\n; note\r\n\r\n[B]\ny=2", "SETUP", "SV_POSY", "-3"),
         "[SETUP]\r\nA=1\r\n; note\r\nSV_POSY=-3\r\n\r\n[B]\ny=2"},
        {SetIniValue("[SETUP]\r\nA=1", "SETUP", "B", "") + "|" + SetIniValue("[{]\nSV_POSX", "[", "SV_POSX", "2"),
         "[SETUP]\r\nA=1\r\nB=\r\n|[{]\nSV_POSX\r\n[[]\r\nSV_POSX=2\r\n"},
        {Changes(1, 0, Boxes(1, 0)), ""}, // boxes as they were: nothing
        {Changes(5, 1, Boxes(1, 0)),      // 5 in the INI file is not a tick
         "Quenby_Lumaplay.pch+7 Quenby_LumaplaySPCH.spch-9 "},
    });
}

// OK in the settings dialog with both boxes ticked, over a registry where another
// tool's key under our ShiPainter ProgID refuses that type until it goes: the keys to
// restore in the settings file, the states at open the next OK starts from, and how
// many association procedures the retry ran.
TEST(Settings, AssociationRefusedThenTriedAgain) {
    const std::string root = "HKCU\\Software\\Classes\\";
    MemoryRegistry reg;
    CFileTypeRegistry types(reg);
    reg.Add(root + "Quenby_LumaplaySPCH\\shell\\edit\\command");
    int pch = 0, spch = 0;
    const auto pressOk = [&] {
        std::string text;
        for (const auto& [setting, state] :
             ApplyAssociationChanges(types, "C:\\L.exe", pch, spch, Boxes(1, 1)))
            text += std::string(SettingName(setting)) + "=" + Nums(state) + " ";
        return text + "| " + Nums(pch, spch);
    };
    const std::string refused = pressOk();
    for (auto at = reg.entries.lower_bound(root + "Quenby_LumaplaySPCH");
         at != reg.entries.end() && at->first.rfind(root + "Quenby_LumaplaySPCH", 0) == 0;)
        at = reg.entries.erase(at);
    const int before = reg.notifications;
    std::string retried = pressOk();
    retried += " " + Nums(reg.notifications - before);
    Check({
        {refused, "CK_SET5=0 | 1,0"}, // the PaintBBS type went through
        {retried, "| 1,1 2"},         // only the ShiPainter type is made
        {std::to_string(reg.entries.count(root + ".spch[]") + reg.entries.count(root + ".pch[]")),
         "2"},
    });
}

// Runs steps (" | " between): + on (the dialog removes first), - off, else another
// program's edit. Gives what is left, the results and the notices.
static std::string Associate(const std::string& steps) {
    const std::string root = "HKCU\\Software\\Classes";
    MemoryRegistry reg;
    CFileTypeRegistry types(reg);
    bool ok = true;
    for (std::size_t at = 0, end = 0; at < steps.size(); at = end + 3) {
        end = std::min(steps.find(" | ", at), steps.size());
        const std::string step = steps.substr(at, end - at);
        if (step == "+" || step == "-")
            ok &= types.UnregisterFileType("Quenby_Lumaplay", ".pch");
        if (step == "+")
            ok &= types.RegisterFileType("Quenby_Lumaplay", ".pch", "C:\\A B\\L.exe", 7, "PCH");
        if (step.size() > 1)
            reg.Add(root + "\\" + step);
    }
    return reg.Dump(root) + (ok ? " ok " : " failed ") + std::to_string(reg.notifications) +
           (reg.open.size() == 1 ? "" : " with keys left open");
}

TEST(FileTypeRegistry, AssociatesAndGivesBackWhatWasThere) {
    const std::string us = ".pch[]=Quenby_Lumaplay | Quenby_Lumaplay[]=PCH"
                           " | Quenby_Lumaplay\\DefaultIcon[]=C:\\A B\\L.exe,7"
                           " | Quenby_Lumaplay\\shell\\open\\command[]=\"C:\\A B\\L.exe\" \"%1\"";
    const std::string theirs = ".pch[]=Other | .pch\\OpenWithProgids[Other]= | Other[]=o";
    const std::string print = "Quenby_Lumaplay\\shell\\print[]=x";
    Check({
        {Associate("+"), us + " ok 2"},                            // the command quoted, the icon bare
        {Associate(theirs + " | + | -"), theirs + " ok 3"},        // theirs comes back whole
        {Associate(".pch[]=A | + | .pch[]=B | -"), ".pch[]=B ok 3"}, // B took it after us
        // Another program's value that is no string comes back as it was: its type,
        // its bytes, a zero number too.
        {Associate(".pch[]=(4)\x01\x02 | + | -") + Associate(".pch[]=(4) | + | -"), ".pch[]=(4)\x01\x02 ok 3.pch[]=(4) ok 3"},
        // A subkey keeps our extension key, with no pointer to us.
        {Associate("+ | .pch\\OpenWithList | -"), ".pch\\OpenWithList ok 3"},
        // A ProgID key that removal cannot delete makes registration fail.
        {Associate(print + " | +"), ".pch | " + print + " failed 1"},
    });
}
