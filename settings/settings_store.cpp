#include "settings/settings_store.h"

#include <windows.h>

int ReadIntSetting(const std::string& iniPath, IntSetting key) {
    // Read as text: the platform's integer read does not give negative values back
    // everywhere, and remembered positions are often negative.
    char text[80] = {};
    ::GetPrivateProfileStringA(kSettingsSection, SettingName(key), "", text, sizeof(text),
                               iniPath.c_str());
    return ParseSettingValue(text, key);
}

void WriteIntSetting(const std::string& iniPath, IntSetting key, int value) {
    ::WritePrivateProfileStringA(kSettingsSection, SettingName(key),
                                 FormatSettingValue(value).c_str(), iniPath.c_str());
}

std::string ReadLastDir(const std::string& iniPath, const std::string& defaultDir) {
    char folder[MAX_PATH] = {};
    ::GetPrivateProfileStringA(kSettingsSection, kLastDirKey, defaultDir.c_str(), folder, MAX_PATH,
                               iniPath.c_str());
    return folder;
}

void WriteLastDir(const std::string& iniPath, const std::string& folder) {
    ::WritePrivateProfileStringA(kSettingsSection, kLastDirKey, folder.c_str(), iniPath.c_str());
}
