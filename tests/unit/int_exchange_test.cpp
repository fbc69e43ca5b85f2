#include <gtest/gtest.h>

#include "framework/int_exchange.h"

#include <climits>

namespace {

TEST(ParseExchangeInt, AcceptsSignedDecimalsBetweenBlanks) {
    const struct {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"300", true, 300},
        {"  42\t", true, 42},
        {"-7", true, -7},
        {"+15", true, 15},
        {"0", true, 0},
        {" 0 ", true, 0},
        {"00", true, 0},
        {"20000", true, 20000},
        {"-2147483648", true, INT_MIN},
        {"2147483647", true, INT_MAX},
        {"", false, 0},
        {"   ", false, 0},
        {"-", false, 0},
        {"-0", false, 0},
        {"+0", false, 0},
        {"12a", false, 0},
        {"1 2", false, 0},
        {"0x10", false, 0},
        {"2147483648", false, 0},
        {"99999999999999999999", false, 0},
        // Only the first 31 characters count: trailing garbage past them is not seen.
        {"                              5junk", true, 5},
    };
    for (const auto& c : cases) {
        int value = 12345;
        EXPECT_EQ(ParseExchangeInt(c.text, value), c.ok) << '"' << c.text << '"';
        EXPECT_EQ(value, c.ok ? c.value : 12345) << '"' << c.text << '"';
    }
}

} // namespace
