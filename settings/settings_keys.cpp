#include "settings/settings_keys.h"

#include "framework/mbstr.h"

const char kSettingsSection[] = "SETUP";
const char kLastDirKey[] = "LASTDIR";

namespace {

struct IntSettingInfo {
    IntSetting key;
    const char* name;
    int defaultValue;
};

// In enum order.
const IntSettingInfo kIntSettings[] = {
    {IntSetting::AskCanvasSize, "CK_SET1", 1},
    {IntSetting::FixedStartPos, "CK_SET2", 0},
    {IntSetting::SingleInstance, "CK_SET3", 1},
    {IntSetting::AssociatePch, "CK_SET4", 0},
    {IntSetting::AssociateSpch, "CK_SET5", 0},
    {IntSetting::DefaultWidth, "PB_SZX", 300},
    {IntSetting::DefaultHeight, "PB_SZY", 300},
    {IntSetting::StartPosX, "ST_POSX", 0},
    {IntSetting::StartPosY, "ST_POSY", 0},
    {IntSetting::SavedPosX, "SV_POSX", kNoSavedPosition},
    {IntSetting::SavedPosY, "SV_POSY", kNoSavedPosition},
};

const IntSettingInfo& Info(IntSetting key) {
    return kIntSettings[static_cast<int>(key)];
}

} // namespace

const char* SettingName(IntSetting key) {
    return Info(key).name;
}

int SettingDefault(IntSetting key) {
    return Info(key).defaultValue;
}

int ParseSettingValue(const std::string& text, IntSetting key) {
    if (text.find_first_not_of(" \t") == std::string::npos)
        return SettingDefault(key);
    return ParseDecimal(text.c_str());
}

std::string FormatSettingValue(int value) {
    return FormatDecimal(value);
}
