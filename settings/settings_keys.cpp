#include "settings/settings_keys.h"

#include "framework/mbstr.h"
#include "res/resource.h"

const char kSettingsSection[] = "SETUP";
const char kLastDirKey[] = "LASTDIR";

const SettingRow kSettingRows[kIntSettingCount] = {
    {IntSetting::DefaultWidth, "PB_SZX", 300, IDC_DEFAULT_WIDTH, SettingField::Number, 0,
     kMinDefaultSize, kMaxDefaultSize},
    {IntSetting::DefaultHeight, "PB_SZY", 300, IDC_DEFAULT_HEIGHT, SettingField::Number, 1,
     kMinDefaultSize, kMaxDefaultSize},
    {IntSetting::StartPosX, "ST_POSX", 0, IDC_START_POS_X, SettingField::Number, 5},
    {IntSetting::StartPosY, "ST_POSY", 0, IDC_START_POS_Y, SettingField::Number, 2},
    {IntSetting::AskCanvasSize, "CK_SET1", 1, IDC_ASK_SIZE, SettingField::Check, 3},
    {IntSetting::FixedStartPos, "CK_SET2", 0, IDC_USE_START_POS, SettingField::Check, 4},
    {IntSetting::SingleInstance, "CK_SET3", 1, IDC_SINGLE_INSTANCE, SettingField::Check, 6},
    {IntSetting::AssociatePch, "CK_SET4", 0, IDC_ASSOC_PCH, SettingField::Check, 7},
    {IntSetting::AssociateSpch, "CK_SET5", 0, IDC_ASSOC_SPCH, SettingField::Check, 8},
    {IntSetting::SavedPosX, "SV_POSX", kNoSavedPosition},
    {IntSetting::SavedPosY, "SV_POSY", kNoSavedPosition},
};

const SettingRow& SettingInfo(IntSetting key) {
    for (const SettingRow& row : kSettingRows)
        if (row.key == key)
            return row;
    return kSettingRows[0]; // every key has its row
}

const char* SettingName(IntSetting key) {
    return SettingInfo(key).name;
}

int SettingDefault(IntSetting key) {
    return SettingInfo(key).defaultValue;
}

int ParseSettingValue(const std::string& text, IntSetting key) {
    if (text.find_first_not_of(" \t") == std::string::npos)
        return SettingDefault(key);
    return ParseDecimal(text.c_str());
}

std::string FormatSettingValue(int value) {
    return FormatDecimal(value);
}

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

} // namespace

std::string SetIniValue(const std::string& text, const std::string& section,
                        const std::string& key, const std::string& value) {
    const std::string entry = key + "=" + value;
    std::size_t insertAt = std::string::npos; // after the section's last line with text
    bool inSection = false;
    for (std::size_t at = 0, next = 0; at < text.size(); at = next) {
        const std::size_t lineFeed = text.find('\n', at);
        next = lineFeed == std::string::npos ? text.size() : lineFeed + 1;
        std::size_t end = lineFeed == std::string::npos ? text.size() : lineFeed;
        end -= end > at && text[end - 1] == '\r' ? 1 : 0;
        const std::string line = Trimmed(text.substr(at, end - at));
        if (!line.empty() && line[0] == '[') {
            if (inSection)
                break;
            const std::size_t close = line.find(']');
            inSection = close != std::string::npos && SameName(Trimmed(line.substr(1, close - 1)), section);
            insertAt = inSection ? next : insertAt;
        } else if (inSection && !line.empty()) {
            if (SameName(Trimmed(line.substr(0, line.find('='))), key) && line.find('=') != std::string::npos)
                return text.substr(0, at) + entry + text.substr(end);
            insertAt = next;
        }
    }
    // A last line without its end gets one before anything follows it.
    const std::string before = insertAt == std::string::npos ? text : text.substr(0, insertAt);
    const std::string lineEnd = !before.empty() && before.back() != '\n' ? "\r\n" : "";
    if (insertAt == std::string::npos)
        return before + lineEnd + "[" + section + "]\r\n" + entry + "\r\n";
    return before + lineEnd + entry + "\r\n" + text.substr(insertAt);
}
