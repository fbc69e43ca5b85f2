// Reading and writing the settings file. Every read goes to the file and every
// change is written at once, so several running instances see each other's changes.
#pragma once

#include <string>

#include "settings/settings_keys.h"

// The writes say whether the file took the value (a read-only file does not). Paths and
// values are UTF-8.
int ReadIntSetting(const std::string& iniPath, IntSetting key);
bool WriteIntSetting(const std::string& iniPath, IntSetting key, int value);

// "LASTDIR": at most 259 characters; defaultDir when absent. A folder the ANSI code
// page cannot hold is stored by its short name, or not at all when it has none.
std::string ReadLastDir(const std::string& iniPath, const std::string& defaultDir);
bool WriteLastDir(const std::string& iniPath, const std::string& folder);

// The lock every running instance takes around the settings file: the platform rewrites
// the whole file for each key, so two windows closing at once would otherwise each
// write back a file without the other's change, or read one half written. Each read
// and write takes it; a caller holds it over several writes that belong together (a
// position's two keys), and may nest it.
class SettingsLock {
  public:
    SettingsLock();
    ~SettingsLock();
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

  private:
    void* m_mutex;
    bool m_owned = false;
};
