// The settings kept in section "SETUP" of Lumaplay.ini, one table row each: its key, the
// one default it has wherever it is read, and how the settings dialog shows it.
#pragma once

#include <string>

extern const char kSettingsSection[]; // "SETUP"

enum class IntSetting {
    AskCanvasSize,  // CK_SET1: ask for the canvas size of PaintBBS files
    FixedStartPos,  // CK_SET2: start at ST_POSX/ST_POSY instead of the remembered place
    SingleInstance, // CK_SET3: one window only; further starts hand their file over
    AssociatePch,   // CK_SET4
    AssociateSpch,  // CK_SET5
    DefaultWidth,   // PB_SZX
    DefaultHeight,  // PB_SZY
    StartPosX,      // ST_POSX
    StartPosY,      // ST_POSY
    SavedPosX,      // SV_POSX
    SavedPosY,      // SV_POSY
};
constexpr int kIntSettingCount = static_cast<int>(IntSetting::SavedPosY) + 1;

constexpr int kMinDefaultSize = 100;
constexpr int kMaxDefaultSize = 10000;

// How the settings dialog shows a setting.
enum class SettingField { None, Number, Check };

struct SettingRow {
    IntSetting key;
    const char* name; // the INI key
    int defaultValue;
    int controlId = 0; // the settings dialog's control; 0: not in the dialog
    SettingField field = SettingField::None;
    int exchangeOrder = 0; // the dialog takes its fields in this order
    int minValue = 1;      // a range checked when OK takes the field (none where min > max)
    int maxValue = 0;
};

// Every integer setting, in the order the settings dialog writes them.
extern const SettingRow kSettingRows[kIntSettingCount];
const SettingRow& SettingInfo(IntSetting key);

// Every setting's value, by key.
struct SettingsValues {
    int values[kIntSettingCount] = {};
    int& operator[](IntSetting key) { return values[static_cast<int>(key)]; }
    int operator[](IntSetting key) const { return values[static_cast<int>(key)]; }
};

extern const char kLastDirKey[]; // "LASTDIR", a folder; its default is the program folder

constexpr int kNoSavedPosition = -9999;

const char* SettingName(IntSetting key);
int SettingDefault(IntSetting key);

// The value of a stored text: empty means not set (the default); otherwise the
// decimal reading, negative values included.
int ParseSettingValue(const std::string& text, IntSetting key);

// Text form of a stored integer ("%d").
std::string FormatSettingValue(int value);

// The settings file's bytes with key=value set in section, every other byte as it was
// (other sections and keys, comments, blank lines, each line's own end): the key's line
// is rewritten in place; a new key follows the last line of its section; a new section
// goes at the end of the file. Sections and keys match in any letter case, as the
// platform's reader matches them.
std::string SetIniValue(const std::string& text, const std::string& section,
                        const std::string& key, const std::string& value);
