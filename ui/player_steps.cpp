// Stepping through a folder: the next or previous animation of the playing file's
// folder, and a folder given as the file to play.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/handles.h"
#include "framework/system_dlls.h"
#include "framework/text.h"
#include "playback/folder_steps.h"
#include "program/paths.h"
#include "ui/player_dlg.h"

namespace {

const char kFolderText[] = "指定されたパスはフォルダです。";

// The file names of a folder, by the directory query that gives names alone: the finding
// functions look up every entry's details too, which for a folder of thousands costs
// more than a play.
struct FileNamesInformation {
    ULONG nextEntryOffset;
    ULONG fileIndex;
    ULONG fileNameLength; // bytes
    WCHAR fileName[1];
};
using QueryDirectory = LONG(NTAPI*)(HANDLE, HANDLE, void*, void*, void*, void*, ULONG, int, BOOLEAN,
                                    void*, BOOLEAN);
constexpr int kFileNamesInformation = 12;

std::vector<std::wstring> ReadAnimationNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    static const auto query = reinterpret_cast<QueryDirectory>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryDirectoryFile")));
    UniqueHandle dir(::CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (query == nullptr || !dir.valid())
        return names;
    std::vector<ULONG_PTR> buffer((256 << 10) / sizeof(ULONG_PTR)); // aligned for the entries
    ULONG_PTR status[2] = {}; // the call's I/O status block
    for (BOOLEAN restart = TRUE;
         query(dir.get(), nullptr, nullptr, nullptr, status, buffer.data(),
               static_cast<ULONG>(buffer.size() * sizeof(ULONG_PTR)), kFileNamesInformation, FALSE,
               nullptr, restart) >= 0;
         restart = FALSE) {
        for (const char* at = reinterpret_cast<const char*>(buffer.data());;) {
            const auto* entry = reinterpret_cast<const FileNamesInformation*>(at);
            std::wstring name(entry->fileName, entry->fileNameLength / sizeof(WCHAR));
            if (IsAnimationName(name))
                names.push_back(std::move(name));
            if (entry->nextEntryOffset == 0)
                break;
            at += entry->nextEntryOffset;
        }
    }
    return names;
}

// The animation names of a folder as they are now. A folder's entries change only with
// its last-write time (a file added, removed or renamed), so the names read at the last
// step are taken again while that time stands; any change reads them anew.
std::vector<std::wstring>& AnimationNamesIn(const std::wstring& folder) {
    static std::wstring readFolder;
    static FILETIME readAt = {};
    static std::vector<std::wstring> names;
    WIN32_FILE_ATTRIBUTE_DATA now = {};
    const bool dated = ::GetFileAttributesExW(folder.c_str(), GetFileExInfoStandard, &now) != FALSE;
    if (!dated || folder != readFolder || ::CompareFileTime(&now.ftLastWriteTime, &readAt) != 0) {
        names = ReadAnimationNames(folder);
        readFolder = dated ? folder : std::wstring();
        readAt = now.ftLastWriteTime;
    }
    return names;
}

// The order Explorer shows names in: the shell's logical order.
bool LogicalBefore(const std::wstring& a, const std::wstring& b) {
    return sys::StrCmpLogicalW(a.c_str(), b.c_str()) < 0;
}

// The neighbour that is a file (a folder may be named like one too).
std::wstring NeighbourFile(const std::wstring& folder, const std::wstring& current, int step) {
    const std::vector<std::wstring>& all = AnimationNamesIn(folder);
    std::vector<std::wstring> files; // a copy only once a folder has to be left out
    for (;;) {
        const std::wstring next = NeighbourAnimation(files.empty() ? all : files, current, step, &LogicalBefore);
        const DWORD attributes = next.empty() ? 0 : ::GetFileAttributesW((folder + next).c_str());
        if (next.empty() || (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0))
            return next;
        if (files.empty())
            files = all;
        std::erase(files, next);
        if (files.empty())
            return std::wstring();
    }
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
    const std::wstring name = Widen(m_strPchPath.substr(folder.size()));
    const std::wstring next = name.empty() ? std::wstring() : NeighbourFile(Widen(folder), name, step);
    if (next.empty()) {
        ::MessageBeep(MB_OK); // at either end: nothing further that way
        BusyScope done(*this); // its end takes the next waiting step, as a play's end does
        return;
    }
    PlayFromRoad(folder + Narrow(next));
}

bool CPlayerDlg::TakeFirstAnimationOf() {
    const std::string folder = AsFolder(m_strPchPath);
    const std::wstring first = NeighbourFile(Widen(folder), std::wstring(), 1);
    if (first.empty()) {
        ShowError(kFolderText);
        return false;
    }
    m_strPchPath = folder + Narrow(first);
    UpdateData(false);
    return true;
}
