#include "settings/settings_store.h"

#include <windows.h>

namespace {

// Opened once per process and kept: every read and write of the settings file takes it.
HANDLE SettingsMutex() {
    static const HANDLE mutex = ::CreateMutexA(nullptr, FALSE, "Lumaplay-Quenby-Settings");
    return mutex;
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

// Writes one key and puts the file on disk before the lock is given up, so that the
// next instance reads what was written and not a cached copy.
bool WriteSetting(const std::string& iniPath, const char* key, const std::string& value) {
    SettingsLock lock;
    // A read-only settings file stays as it is, whoever runs the program: the platform
    // would let the super-user rewrite it.
    const DWORD attributes = ::GetFileAttributesA(iniPath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return false;
    bool written = ::WritePrivateProfileStringA(kSettingsSection, key, value.c_str(),
                                                iniPath.c_str()) != FALSE;
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, iniPath.c_str());
    return written;
}

} // namespace

int ReadIntSetting(const std::string& iniPath, IntSetting key) {
    // Read as text: the platform's integer read does not give negative values back
    // everywhere, and remembered positions are often negative.
    char text[80] = {};
    {
        SettingsLock lock;
        ::GetPrivateProfileStringA(kSettingsSection, SettingName(key), "", text, sizeof(text),
                                   iniPath.c_str());
    }
    return ParseSettingValue(text, key);
}

bool WriteIntSetting(const std::string& iniPath, IntSetting key, int value) {
    return WriteSetting(iniPath, SettingName(key), FormatSettingValue(value));
}

std::string ReadLastDir(const std::string& iniPath, const std::string& defaultDir) {
    char folder[MAX_PATH] = {};
    SettingsLock lock;
    ::GetPrivateProfileStringA(kSettingsSection, kLastDirKey, defaultDir.c_str(), folder, MAX_PATH,
                               iniPath.c_str());
    return folder;
}

bool WriteLastDir(const std::string& iniPath, const std::string& folder) {
    return WriteSetting(iniPath, kLastDirKey, folder);
}
