// Stepping through a folder: the next or previous animation of the playing file's
// folder, and a folder given as the file to play.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/system_dlls.h"
#include "framework/text.h"
#include "playback/folder_steps.h"
#include "program/paths.h"
#include "ui/player_dlg.h"

namespace {

const char kFolderText[] = "指定されたパスはフォルダです。";

// The names of the files of a folder that may be animations. The system matches the
// patterns against short names too, so each name is checked again by the caller.
std::vector<std::string> AnimationNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const wchar_t* pattern : {L"*.pch", L"*.spch"}) {
        WIN32_FIND_DATAW found;
        HANDLE find = ::FindFirstFileExW((Widen(folder) + pattern).c_str(), FindExInfoBasic, &found,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
        for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = ::FindNextFileW(find, &found))
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                names.push_back(Narrow(found.cFileName));
        if (find != INVALID_HANDLE_VALUE)
            ::FindClose(find);
    }
    return names;
}

// The order Explorer shows names in: the shell's logical order.
bool LogicalBefore(const std::string& a, const std::string& b) {
    return sys::StrCmpLogicalW(Widen(a).c_str(), Widen(b).c_str()) < 0;
}

// A folder as the start of a path: separators as given, one at its end.
std::string AsFolder(const std::string& path) {
    return path.empty() || path.back() == '\\' || path.back() == '/' ? path : path + "\\";
}

} // namespace

void CPlayerDlg::Step(int step) {
    // From the file in the path box (the one playing, or the last one tried), read
    // anew: files added or removed meanwhile count.
    const std::string folder = FolderOfFile(m_strPchPath);
    const std::string name = m_strPchPath.substr(folder.size());
    const std::string next =
        name.empty() ? std::string() : NeighbourAnimation(AnimationNamesIn(folder), name, step, &LogicalBefore);
    if (next.empty()) {
        ::MessageBeep(MB_OK); // at either end: nothing further that way
        BusyScope done(*this); // its end takes the next waiting step, as a play's end does
        return;
    }
    PlayFromRoad(folder + next);
}

bool CPlayerDlg::TakeFirstAnimationOf() {
    const std::string folder = AsFolder(m_strPchPath);
    const std::string first = NeighbourAnimation(AnimationNamesIn(folder), "", 1, &LogicalBefore);
    if (first.empty()) {
        ShowError(kFolderText);
        return false;
    }
    m_strPchPath = folder + first;
    UpdateData(false);
    return true;
}
