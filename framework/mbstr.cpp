#include "framework/mbstr.h"

#include <algorithm>
#include <charconv>
#include <climits>

bool IsCp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::string ReplaceAll(const std::string& s, const std::string& from, const std::string& to) {
    if (from.empty())
        return s;
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, pos)) {
        out.append(s, pos, at - pos).append(to);
        pos = at + from.size();
    }
    return out.append(s, pos, std::string::npos);
}

int ParseDecimal(const char* text) {
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = (*p++ == '-');
    long long value = 0;
    while (*p >= '0' && *p <= '9') {
        if (value <= static_cast<long long>(INT_MAX) + 1)
            value = value * 10 + (*p - '0');
        ++p;
    }
    return static_cast<int>(std::clamp<long long>(negative ? -value : value, INT_MIN, INT_MAX));
}

std::string FormatDecimal(int value) {
    char digits[12]; // "-2147483648"
    return std::string(digits, std::to_chars(digits, digits + sizeof(digits), value).ptr);
}
