#include "playback/work_files.h"

#include <cstring>
#include <vector>

#include "framework/files.h"
#include "framework/mbstr.h"
#include "framework/path.h"
#include "framework/text.h"
#include "playback/page.h"
#include "program/paths.h"

namespace {

// Removes the work files, and their siblings, whose mark no running window holds.
void RemoveEndedWorkFiles(const std::string& workDir) {
    WIN32_FIND_DATAW found;
    HANDLE find = ::FindFirstFileW(Widen(workDir + "/lum*").c_str(), &found);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = ::FindNextFileW(find, &found)) {
        const std::string name = Narrow(found.cFileName), own = WorkFileOwnName(name);
        if (own.empty())
            continue;
        UniqueHandle mark(::OpenMutexW(SYNCHRONIZE, FALSE, Widen(WorkFileMark(workDir, own)).c_str()));
        if (!mark.valid() && ::GetLastError() == ERROR_FILE_NOT_FOUND)
            ::DeleteFileW(Widen(workDir + "/" + name).c_str());
    }
    if (find != INVALID_HANDLE_VALUE)
        ::FindClose(find);
}

// A work file is replaced only once its new bytes are all there: they go to a sibling
// ("~") first, which then takes the file's place. A full disk or a file held open
// elsewhere leaves the old one whole, and the failure is reported.
std::wstring Sibling(const char* path) {
    return Widen(path) + L"~";
}

bool WriteSibling(const char* path, const std::string& text) {
    return WriteWholeFile(Sibling(path), text);
}

bool Replace(const std::wstring& from, const std::wstring& to) {
    return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

struct CopyJob {
    HANDLE from;
    HANDLE to;
    bool done;
};

DWORD WINAPI CopyFromStart(void* param) {
    CopyJob& job = *static_cast<CopyJob*>(param);
    LARGE_INTEGER start = {};
    bool ok = ::SetFilePointerEx(job.from, start, nullptr, FILE_BEGIN) != FALSE;
    std::vector<char> buffer(1 << 18);
    for (DWORD read = 1, written = 0; ok && read > 0;)
        ok = ::ReadFile(job.from, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr) &&
             (read == 0 || (::WriteFile(job.to, buffer.data(), read, &written, nullptr) && written == read));
    job.done = ok;
    return 0;
}

// Up to this size a copy is over in a moment and is made on the window's thread: a
// thread of its own would cost more than the copy (under Wine its stack even stays
// until another thread ends).
constexpr long long kCopyHereBytes = 1LL << 20;

// Copies a larger open file on a thread of its own while this one goes on painting and
// answering (a hand-off waits in the queue, as during any play); keys and clicks wait
// until the copy is done. The new copy is made here, before anything is answered, so
// that it is there all the while.
bool CopyWhileAnswering(HANDLE from, const std::wstring& to) {
    UniqueHandle out(::CreateFileW(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    CopyJob job = {from, out.get(), false};
    if (!out.valid())
        return false;
    LARGE_INTEGER length = {};
    const bool small = ::GetFileSizeEx(from, &length) && length.QuadPart <= kCopyHereBytes;
    UniqueHandle thread(small ? nullptr : ::CreateThread(nullptr, 0, &CopyFromStart, &job, 0, nullptr));
    if (!thread.valid()) {
        CopyFromStart(&job);
        return out.Close() && job.done;
    }
    HANDLE wait = thread.get();
    const UINT ranges[][2] = {{0, WM_NCMOUSEMOVE - 1}, {WM_NCXBUTTONDBLCLK + 1, WM_KEYFIRST - 1},
                              {WM_KEYLAST + 1, WM_MOUSEFIRST - 1}, {WM_MOUSELAST + 1, 0xFFFFFFFF}};
    // A quit met meanwhile ends the answering: the copy is waited for, and the quit
    // posted again for the loop outside (posted at once, it would wake this one for ever).
    bool quit = false;
    int quitCode = 0;
    while (!quit && ::MsgWaitForMultipleObjects(1, &wait, FALSE, INFINITE,
                                                QS_POSTMESSAGE | QS_SENDMESSAGE | QS_PAINT | QS_TIMER) ==
                        WAIT_OBJECT_0 + 1) {
        MSG msg;
        for (const auto& range : ranges)
            while (!quit && ::PeekMessageW(&msg, nullptr, range[0], range[1], PM_REMOVE)) {
                if (msg.message == WM_QUIT) {
                    quit = true;
                    quitCode = static_cast<int>(msg.wParam);
                    break;
                }
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
    }
    if (quit) {
        ::WaitForSingleObject(wait, INFINITE);
        ::PostQuitMessage(quitCode);
    }
    return out.Close() && job.done;
}

} // namespace

CWorkFiles::CWorkFiles(const std::string& folder) : m_strWorkDir(folder) {
    // Two fresh files, made unique across running instances by being created at once,
    // each with its mark; then the files of runs that have ended go.
    const std::wstring workDir = Widen(m_strWorkDir);
    ::CreateDirectoryW(workDir.c_str(), nullptr);
    UniqueHandle folderMark(::CreateMutexW(nullptr, FALSE, Widen(WorkFolderMark(m_strWorkDir)).c_str()));
    // A holder that ended without letting go leaves it abandoned, which still grants it.
    const bool held = folderMark.valid() && ::WaitForSingleObject(folderMark.get(), 10000) != WAIT_TIMEOUT;
    for (int i = 0; i < 2; ++i) {
        char* path = i == 0 ? m_szPagePath : m_szPchCopyPath;
        wchar_t name[MAX_PATH] = {};
        const std::string made = ::GetTempFileNameW(workDir.c_str(), L"lum", 0, name) ? Narrow(name) : "";
        if (made.empty() || made.size() >= sizeof(m_szPagePath))
            continue;
        std::memcpy(path, made.c_str(), made.size() + 1);
        const PathParts parts = SplitPath(made);
        const std::string mark = WorkFileMark(m_strWorkDir, parts.name + parts.ext);
        m_workMarks[i].reset(::CreateMutexW(nullptr, FALSE, Widen(mark).c_str()));
    }
    RemoveEndedWorkFiles(m_strWorkDir);
    if (held)
        ::ReleaseMutex(folderMark.get());
    m_strPchRelPath = WorkRelativePath(m_szPchCopyPath);
}

CWorkFiles::~CWorkFiles() {
    // Only this window's own two files go; the folder goes when no one else uses it.
    if (m_szPagePath[0] != '\0')
        ::DeleteFileW(Widen(m_szPagePath).c_str());
    if (m_szPchCopyPath[0] != '\0')
        ::DeleteFileW(Widen(m_szPchCopyPath).c_str());
    ::RemoveDirectoryW(Widen(m_strWorkDir).c_str());
}

bool CWorkFiles::WritePage(const std::string& text) {
    const char* path = m_szPagePath;
    if (path[0] == '\0') // the work files could not be made at all
        return false;
    if (WriteSibling(path, text) && Replace(Sibling(path), Widen(path)))
        return true;
    ::DeleteFileW(Sibling(path).c_str());
    return false;
}

// The copy and the page that names its applet change together or not at all: the old
// copy steps aside first and comes back when the page cannot follow it.
bool CWorkFiles::PutPlayInPlace(HANDLE source, const std::string& text) {
    const char* copy = m_szPchCopyPath;
    const char* page = m_szPagePath;
    if (copy[0] == '\0' || page[0] == '\0')
        return false;
    const std::wstring copyPath = Widen(copy), pagePath = Widen(page), old = copyPath + L"~old";
    bool done = CopyWhileAnswering(source, Sibling(copy)) &&
                WriteSibling(page, text) && Replace(copyPath, old);
    if (done && !(Replace(Sibling(copy), copyPath) && Replace(Sibling(page), pagePath))) {
        Replace(old, copyPath);
        done = false;
    }
    for (const std::wstring& left : {Sibling(copy), Sibling(page), old})
        ::DeleteFileW(left.c_str());
    return done;
}

// The program folder as the page gives it to the applet. The page is Shift_JIS, so the
// folder is written in Shift_JIS; a folder with a character Shift_JIS lacks goes by its
// short name, and where it has none, as a file URL of its UTF-8 bytes.
std::string PageFolder(const std::string& appDir) {
    std::string sjis;
    if (ToCodePage(932, Widen(appDir), sjis))
        return sjis;
    const std::wstring shortForm =
        ShortPathIn(932, Widen(ReplaceAll(appDir, "/", "\\")));
    if (!shortForm.empty() && ToCodePage(932, shortForm, sjis)) {
        sjis = NormalizeShiftJisSeparators(sjis);
        return sjis.back() == '/' ? sjis : sjis + "/";
    }
    return FileUrl(appDir);
}
