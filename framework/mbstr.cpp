#include "framework/mbstr.h"

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
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

std::string FormatDecimal(int value) {
    // Done by hand: the program carries no printf machinery for one number.
    char digits[12];
    int n = 0;
    long long v = value;
    bool negative = v < 0;
    if (negative)
        v = -v;
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    std::string text = negative ? "-" : "";
    while (n > 0)
        text += digits[--n];
    return text;
}
