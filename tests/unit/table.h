// Test tables: each row holds what the code under test gave, written out as text, and
// what it should give. A failing row is named by its number, counted from 1.
#pragma once

#include <gtest/gtest.h>

#include "framework/geometry.h"

inline void Check(std::initializer_list<std::pair<std::string, std::string>> rows) {
    for (const auto& row : rows)
        EXPECT_EQ(row.first, row.second) << "row " << &row - rows.begin() + 1;
}

// Numbers joined by commas: "4,4,24,22".
template <typename... Numbers> std::string Nums(Numbers... numbers) {
    std::string text;
    ((text += (text.empty() ? "" : ",") + std::to_string(numbers)), ...);
    return text;
}
inline std::string Nums(const Rect& r) {
    return Nums(r.left, r.top, r.right, r.bottom);
}
