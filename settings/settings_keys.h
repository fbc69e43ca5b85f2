// The settings kept in section "SETUP" of Lumaplay.ini, with the one default each key
// has wherever it is read.
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
