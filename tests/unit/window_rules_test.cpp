#include <gtest/gtest.h>

#include "ui/window_rules.h"

namespace {

const Rect kWindow = {412, 334, 612, 434}; // 200 x 100, centred by the template
const Rect kWork = {0, 0, 1024, 738};

TEST(StartPositionRules, RememberedPositionOnlyWhenOnScreen) {
    const struct {
        const char* label;
        int x, y;
        bool move;
    } cases[] = {
        {"ordinary", 100, 200, true},
        {"partly off the left edge", -150, 10, true},
        {"absent", -9999, -9999, false},
        {"x absent, y valid", -9999, 100, false},
        {"closed minimised", -32000, -32000, false},
        {"beyond right", 1024, 100, false},
        {"beyond bottom", 100, 768, false},
        {"wholly left", -201, 100, false},
        {"wholly above", 100, -101, false},
        {"just touching left", -200, 100, true},
        {"huge values", 2147483647, -2147483647 - 1, false},
    };
    for (const auto& c : cases) {
        StartPosition pos = RememberedStartPosition(c.x, c.y, kWindow, 1024, 768);
        EXPECT_EQ(pos.move, c.move) << c.label;
        EXPECT_EQ(pos.centerOnFirstPlay, !c.move) << c.label;
        if (c.move) {
            EXPECT_EQ(pos.x, c.x) << c.label;
            EXPECT_EQ(pos.y, c.y) << c.label;
        }
    }
}

TEST(StartPositionRules, FixedPositionIsPulledBackOnScreen) {
    const struct {
        const char* label;
        int x, y;
        int ex, ey;
    } cases[] = {
        {"inside", 10, 20, 10, 20},
        {"x 5000 meets the work area's right edge", 5000, 20, 824, 20},
        {"y beyond the screen meets the bottom", 10, 768, 10, 638},
        {"wholly left and above", -300, -200, 0, 0},
        {"partly left stays", -100, -50, -100, -50},
    };
    for (const auto& c : cases) {
        StartPosition pos = FixedStartPosition(c.x, c.y, kWindow, 1024, 768, kWork);
        EXPECT_TRUE(pos.move) << c.label;
        EXPECT_FALSE(pos.centerOnFirstPlay) << c.label;
        EXPECT_EQ(pos.x, c.ex) << c.label;
        EXPECT_EQ(pos.y, c.ey) << c.label;
    }
}

TEST(HighlightColour, LightensEachChannelAndCaps) {
    auto rgb = [](unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); };
    EXPECT_EQ(HighlightColour(rgb(212, 208, 200)), rgb(232, 228, 220));
    EXPECT_EQ(HighlightColour(rgb(240, 240, 240)), rgb(255, 255, 255));
    // A single bright channel is capped, never carried into its neighbour.
    EXPECT_EQ(HighlightColour(rgb(250, 10, 10)), rgb(255, 30, 30));
    EXPECT_EQ(HighlightColour(rgb(10, 10, 250)), rgb(30, 30, 255));
    EXPECT_EQ(HighlightColour(0), rgb(20, 20, 20));
}

} // namespace
