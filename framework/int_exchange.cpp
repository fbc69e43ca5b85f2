#include "framework/int_exchange.h"

#include <climits>

bool ParseExchangeInt(const std::string& text, int& value) {
    const std::string head = text.substr(0, 31);
    std::size_t pos = 0;
    auto skipBlanks = [&] {
        while (pos < head.size() && (head[pos] == ' ' || head[pos] == '\t'))
            ++pos;
    };
    skipBlanks();
    const std::size_t start = pos;
    bool negative = false;
    if (pos < head.size() && (head[pos] == '+' || head[pos] == '-'))
        negative = head[pos++] == '-';
    const std::size_t digitsStart = pos;
    long long number = 0;
    while (pos < head.size() && head[pos] >= '0' && head[pos] <= '9') {
        number = number * 10 + (head[pos] - '0');
        if (number > static_cast<long long>(INT_MAX) + 1)
            return false;
        ++pos;
    }
    if (pos == digitsStart)
        return false;
    skipBlanks();
    if (pos != head.size())
        return false;
    if (negative)
        number = -number;
    if (number > INT_MAX || number < INT_MIN)
        return false;
    if (number == 0 && head[start] != '0')
        return false;
    value = static_cast<int>(number);
    return true;
}
