#include "app/player_app.h"

#include <windows.h>

#include <cstring>
#include <utility>

#include "app/instance.h"
#include "app/startup.h"
#include "framework/system_dlls.h"
#include "framework/text.h"
#include "playback/web_browser.h"
#include "program/identity.h"
#include "program/paths.h"
#include "settings/settings_store.h"
#include "ui/player_dlg.h"

namespace {

// A file or a folder of that name.
bool FileExists(const std::string& path) {
    return ::GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A name's length as an entry counts it: in bytes of the ANSI code page where that
// holds the name, as it always was; otherwise in UTF-16 units, as the system counts.
std::size_t SystemNameLength(const std::string& name) {
    const std::wstring wide = Widen(name);
    std::string ansi;
    return ToCodePage(CP_ACP, wide, ansi) ? ansi.size() : wide.size();
}

constexpr DWORD kPauseAfterLaunchMs = 50;
const char kNameTooLongText[] = "指定されたファイル名が長すぎます。";
const char kNoWindowText[] = "ウィンドウを作成できませんでした。";

// A name as another process must see it: that process has a current folder of its
// own, so a relative name is completed against this one's first, however long it gets.
std::string AbsoluteName(const char* name) {
    if (name[0] == '\0')
        return name;
    const std::wstring given = Widen(name);
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = ::GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = ::GetFullPathNameW(given.c_str(), length, &full[0], nullptr);
    }
    return length > 0 && length < full.size() ? Narrow(full.substr(0, length)) : std::string(name);
}

} // namespace

CPlayerApp::CPlayerApp() {
    m_pszAppName = kProgramTitle;
}

CPlayerApp::~CPlayerApp() = default;

bool CPlayerApp::InitInstance() {
    const ProgramPaths paths = ComposeProgramPaths(m_strProgramPath);
    m_strIniPath = paths.iniPath;
    m_strViewerDir = paths.viewerDir;

    for (const std::string& required : RequiredAppletFiles(m_strViewerDir)) {
        if (!FileExists(required)) {
            ShowMessage(nullptr, kAppletMissingText, kErrorCaption, MB_OK);
            return false;
        }
    }

    CommandLineFiles command;
    SplitCommandLine(m_lpCmdLine, command, SystemNameLength);
    std::memcpy(m_szCmdFiles, command.files, sizeof(m_szCmdFiles));
    if (command.nameTooLong)
        ShowMessage(nullptr, kNameTooLongText, kErrorCaption, MB_OK);

    int singleInstance = ReadIntSetting(m_strIniPath, IntSetting::SingleInstance);
    if (LaunchesOneProcessPerFile(command.count, singleInstance)) {
        // A start the system refuses (out of resources, say) shows no window for its
        // file; the other files still get theirs.
        // A name too long for a command-line entry once completed is said here, once,
        // rather than passed on relative to this process's folder.
        bool saidTooLong = command.nameTooLong;
        for (int k = 0; k < command.count; ++k) {
            const std::string name = AbsoluteName(m_szCmdFiles[k]);
            if (SystemNameLength(name) >= kCmdFileSize) {
                if (!std::exchange(saidTooLong, true))
                    ShowMessage(nullptr, kNameTooLongText, kErrorCaption, MB_OK);
                continue;
            }
            LaunchProcess(paths.programPath, BuildLaunchArguments(name, k));
            ::Sleep(kPauseAfterLaunchMs);
        }
        return false;
    }

    // Running windows are found by the mark they set themselves: this program's file
    // name, from the same paths the window is given.
    bool first = ActivateRunningInstance(kInstanceMutexName, paths.exeName.c_str());
    // When no running window takes the file (it is still starting or already closing),
    // this process opens its own window with it rather than losing it.
    if (HandsOffToRunningInstance(first, singleInstance) &&
        HandFileToRunningInstance(AbsoluteName(m_szCmdFiles[0]), paths.exeName.c_str()))
        return false;

    AfxEnableControlContainer();
    OleSession ole; // outlives the window and its browser control
    CPlayerDlg dialog(command.launchIndex, m_szCmdFiles[0], paths, nullptr);
    m_pMainWnd = &dialog;
    // A window the system cannot make (out of resources, say) is said, not left unseen.
    if (dialog.DoModal() == -1)
        ShowMessage(nullptr, kNoWindowText, kErrorCaption, MB_OK);
    m_pMainWnd = nullptr;
    return false;
}
