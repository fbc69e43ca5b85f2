#include <gtest/gtest.h>

#include "playback/window_fit.h"

namespace {

const Rect kWork = {0, 0, 1024, 738}; // 1024 x 768 screen with a 30-pixel task bar

TEST(FitWindowToCanvas, FitsCanvasWithinTheWorkArea) {
    // Window 200 x 100 whose browser client is 180 x 40: frame 20 x 60. Scroll bar 16.
    const struct {
        const char* label;
        Rect window;
        Rect work;
        int canvasW, canvasH;
        FitResult expected;
    } cases[] = {
        {"fits where it is", {100, 50, 300, 150}, kWork, 400, 300, {100, 50, 436, 400, false}},
        {"overhangs right: moved left",
         {800, 50, 1000, 150},
         kWork,
         400,
         300,
         {589, 50, 436, 400, false}},
        {"overhangs bottom: moved up",
         {100, 500, 300, 600},
         kWork,
         400,
         300,
         {100, 339, 436, 400, false}},
        {"wider than the work area",
         {100, 50, 300, 150},
         kWork,
         2000,
         300,
         {0, 50, 1025, 400, true}},
        {"taller than the work area",
         {100, 50, 300, 150},
         kWork,
         400,
         1000,
         {100, 0, 436, 739, true}},
        {"left and top of the work area take no part",
         {100, 50, 300, 150},
         {200, 100, 1024, 738},
         400,
         300,
         {100, 50, 436, 400, false}},
        {"window off screen to the left stays",
         {-500, -300, -300, -200},
         kWork,
         100,
         100,
         {-500, -300, 136, 200, false}},
        {"negative canvas", {100, 50, 300, 150}, kWork, -100, -100, {100, 50, -64, 0, false}},
        {"huge canvas does not overflow",
         {100, 50, 300, 150},
         kWork,
         2147483647,
         2147483647,
         {0, 0, 1025, 739, true}},
    };
    for (const auto& c : cases) {
        FitInput in{c.window, c.window.Width() - 20, c.window.Height() - 60, 16, c.work, c.canvasW,
                    c.canvasH};
        FitResult r = FitWindowToCanvas(in);
        EXPECT_EQ(r.x, c.expected.x) << c.label;
        EXPECT_EQ(r.y, c.expected.y) << c.label;
        EXPECT_EQ(r.width, c.expected.width) << c.label;
        EXPECT_EQ(r.height, c.expected.height) << c.label;
        EXPECT_EQ(r.scroll, c.expected.scroll) << c.label;
    }
}

TEST(StartupPlacement, CascadesByLaunchIndexOrCentres) {
    const int s = 25;
    const struct {
        int index;
        int singleInstance;
        bool center;
        int x, y;
    } cases[] = {
        {0, 0, false, 0, 0},      {1, 0, false, 25, 25},   {9, 0, false, 225, 225},
        {10, 0, false, 0, 25},    {11, 0, false, 25, 50},  {12, 0, false, 50, 75},
        {13, 0, true, 75, 100},   {-1, 0, true, 294, 169}, {3, 1, true, 294, 169},
        {-1, 0, false, 111, 222}, {5, 1, false, 111, 222}, {5, 2, false, 111, 222},
    };
    for (const auto& c : cases) {
        FitResult fit{111, 222, 436, 400, false};
        ApplyStartupPlacement({c.index, c.singleInstance, c.center, s, kWork}, fit);
        EXPECT_EQ(fit.x, c.x) << "index " << c.index;
        EXPECT_EQ(fit.y, c.y) << "index " << c.index;
        EXPECT_EQ(fit.width, 436);
    }
    // Centring truncates toward zero and is measured from the screen origin.
    FitResult big{0, 0, 1101, 801, true};
    ApplyStartupPlacement({-1, 1, true, s, {50, 20, 1024, 738}}, big);
    EXPECT_EQ(big.x, -63);
    EXPECT_EQ(big.y, -41);
}

} // namespace
