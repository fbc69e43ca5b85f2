// Reading and writing the settings file. Every read goes to the file and every
// change is written at once, so several running instances see each other's changes.
#pragma once

#include <string>

#include "settings/settings_keys.h"

int ReadIntSetting(const std::string& iniPath, IntSetting key);
void WriteIntSetting(const std::string& iniPath, IntSetting key, int value);

// "LASTDIR": at most 259 bytes; defaultDir when absent.
std::string ReadLastDir(const std::string& iniPath, const std::string& defaultDir);
void WriteLastDir(const std::string& iniPath, const std::string& folder);
