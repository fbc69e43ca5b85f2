#include "settings/settings_store.h"

#include <windows.h>

#include "framework/files.h"
#include "framework/handles.h"
#include "framework/text.h"

namespace {

// Opened once per process and kept: every read and write of the settings file takes it.
HANDLE SettingsMutex() {
    static const UniqueHandle mutex(::CreateMutexA(nullptr, FALSE, "Lumaplay-Quenby-Settings"));
    return mutex.get();
}

} // namespace

SettingsLock::SettingsLock() : m_mutex(SettingsMutex()) {
    // An instance that ended while holding it leaves it abandoned, which still grants
    // it; after a long wait the file is used unguarded rather than not at all.
    if (m_mutex != nullptr)
        m_owned = ::WaitForSingleObject(m_mutex, 10000) != WAIT_TIMEOUT;
}

SettingsLock::~SettingsLock() {
    if (m_owned)
        ::ReleaseMutex(m_mutex);
}

namespace {

// Writes one key: the whole file goes to a sibling first ("Lumaplay.ini~"), which then
// takes its place, so that a full disk leaves the old file whole; every other byte of it
// stays as it was. The file's path and the values are UTF-8; keys and section are plain
// ASCII. The file itself stays in the ANSI code page, as it always was.
bool WriteSetting(const std::string& iniPath, const char* key, const std::string& value) {
    SettingsLock lock;
    const std::wstring path = Widen(iniPath), next = path + L"~";
    // A read-only settings file stays as it is: refused here, before a sibling is
    // written beside it (the swap below would be refused too).
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return false;
    std::string text, ansi;
    // A file held by another program, or one the ANSI code page cannot take the value
    // into, is not written.
    if (!ReadWholeFile(path, text, true) || !ToCodePage(CP_ACP, Widen(value), ansi))
        return false;
    // A file of wide text (the platform reads those too) is left to the platform.
    if (text.compare(0, 2, "\xFF\xFE") == 0)
        return ::WritePrivateProfileStringW(Widen(kSettingsSection).c_str(), Widen(key).c_str(),
                                            Widen(value).c_str(), path.c_str()) != FALSE;
    const bool written =
        WriteWholeFile(next, SetIniValue(text, kSettingsSection, key, ansi)) &&
        (attributes == INVALID_FILE_ATTRIBUTES
             ? ::MoveFileExW(next.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE
             : ::ReplaceFileW(path.c_str(), next.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                              nullptr, nullptr) != FALSE);
    if (!written)
        ::DeleteFileW(next.c_str());
    // What the platform may hold of the file in memory is dropped: the next read sees it.
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
    return written;
}

std::string ReadSetting(const std::string& iniPath, const char* key, const std::string& fallback) {
    wchar_t text[MAX_PATH] = {};
    SettingsLock lock;
    ::GetPrivateProfileStringW(Widen(kSettingsSection).c_str(), Widen(key).c_str(),
                               Widen(fallback).c_str(), text, MAX_PATH, Widen(iniPath).c_str());
    return Narrow(text);
}

} // namespace

int ReadIntSetting(const std::string& iniPath, IntSetting key) {
    // Read as text: the platform's integer read does not give negative values back
    // everywhere, and remembered positions are often negative.
    return ParseSettingValue(ReadSetting(iniPath, SettingName(key), "").c_str(), key);
}

bool WriteIntSetting(const std::string& iniPath, IntSetting key, int value) {
    return WriteSetting(iniPath, SettingName(key), FormatSettingValue(value));
}

std::string ReadLastDir(const std::string& iniPath, const std::string& defaultDir) {
    return ReadSetting(iniPath, kLastDirKey, defaultDir);
}

bool WriteLastDir(const std::string& iniPath, const std::string& folder) {
    // The file holds the folder in the ANSI code page, where a character without a form
    // would turn into another folder: such a folder is stored by its short name, and
    // one without a short name leaves the last folder stored as it was.
    const std::wstring wide = Widen(folder);
    std::string ansi;
    if (ToCodePage(CP_ACP, wide, ansi))
        return WriteSetting(iniPath, kLastDirKey, folder);
    const std::wstring shortForm = ShortPathIn(CP_ACP, wide);
    if (!shortForm.empty())
        return WriteSetting(iniPath, kLastDirKey, Narrow(shortForm));
    return false;
}
