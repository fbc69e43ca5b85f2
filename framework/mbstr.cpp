#include "framework/mbstr.h"

#include <climits>

bool IsCp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool NoLeadBytes(unsigned char) {
    return false;
}

std::size_t MbCharLen(const std::string& s, std::size_t pos, LeadByteTest isLead) {
    if (pos + 1 < s.size() && isLead(static_cast<unsigned char>(s[pos])))
        return 2;
    return 1;
}

std::size_t MbFind(const std::string& s, const std::string& needle, std::size_t from,
                   LeadByteTest isLead) {
    if (needle.empty())
        return from <= s.size() ? from : std::string::npos;
    // Walk from the start so that `from` is judged on a character boundary too.
    std::size_t pos = 0;
    while (pos < s.size()) {
        if (pos >= from && s.compare(pos, needle.size(), needle) == 0)
            return pos;
        pos += MbCharLen(s, pos, isLead);
    }
    return std::string::npos;
}

std::string MbReplaceAll(const std::string& s, const std::string& from, const std::string& to,
                         LeadByteTest isLead) {
    if (from.empty())
        return s;
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        if (s.compare(pos, from.size(), from) == 0) {
            out += to;
            pos += from.size();
            continue;
        }
        std::size_t len = MbCharLen(s, pos, isLead);
        out.append(s, pos, len);
        pos += len;
    }
    return out;
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
