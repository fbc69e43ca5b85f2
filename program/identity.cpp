#include "program/identity.h"

#include <cstring>

const char kProgramTitle[] = "Lumaplay";
const char kInstanceMutexName[] = "Lumaplay-Quenby-Application";

bool IsPlayerWindowTitle(const char* title) {
    return std::strncmp(title, kProgramTitle, sizeof(kProgramTitle) - 1) == 0;
}

std::string ReadHandOffName(const void* data, std::size_t cbData) {
    if (data == nullptr)
        return std::string();
    const char* bytes = static_cast<const char*>(data);
    const void* nul = std::memchr(bytes, '\0', cbData);
    std::size_t length = nul ? static_cast<const char*>(nul) - bytes : cbData;
    return std::string(bytes, length);
}

std::string BuildWideHandOffData(const std::string& ansiStandIn, const std::u16string& name) {
    std::string data = ansiStandIn.substr(0, ansiStandIn.find('\0'));
    data += '\0';
    for (char16_t unit : name) {
        data += static_cast<char>(unit & 0xFF);
        data += static_cast<char>(unit >> 8);
    }
    return data.append(2, '\0');
}

HandOffName ReadHandOffRecord(unsigned long tag, const void* data, std::size_t cbData) {
    HandOffName name;
    name.ansi = ReadHandOffName(data, cbData);
    if (tag != kWideHandOffTag || data == nullptr)
        return name;
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t at = name.ansi.size() + 1; at + 1 < cbData; at += 2) {
        const char16_t unit = static_cast<char16_t>(bytes[at] | (bytes[at + 1] << 8));
        if (unit == 0) {
            name.wide = true;
            return name;
        }
        name.utf16 += unit;
    }
    name.utf16.clear(); // no end: not a record of ours
    return name;
}
