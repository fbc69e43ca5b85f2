#include <gtest/gtest.h>

#include "ui/layout.h"

namespace {

// Window 300 x 200 at (100, 50); control 80 x 20 at (150, 90).
const Rect kWindow = {100, 50, 400, 250};
const Rect kControl = {150, 90, 230, 110};

TEST(Layout, EveryAnchorKindFollowsTheWindow) {
    // The window grows by 100 x 50 and moves to (0, 0).
    const Rect grown = {0, 0, 400, 250};
    const struct {
        int kind;
        bool move, size;
        int x, y, w, h;
    } cases[] = {
        {ANCHOR_STRETCH_HEIGHT, false, true, 0, 0, 80, 70},
        {ANCHOR_STRETCH_WIDTH, false, true, 0, 0, 180, 20},
        {ANCHOR_STRETCH_BOTH, false, true, 0, 0, 180, 70},
        {ANCHOR_BOTTOM_LEFT, true, false, 50, 90, 0, 0},
        {ANCHOR_TOP_RIGHT, true, false, 150, 40, 0, 0},
        {ANCHOR_BOTTOM_RIGHT, true, false, 150, 90, 0, 0},
        {ANCHOR_TOP_RIGHT_STRETCH_HEIGHT, true, true, 150, 40, 80, 70},
        {ANCHOR_BOTTOM_LEFT_STRETCH_WIDTH, true, true, 50, 90, 180, 20},
        {0, false, false, 0, 0, 0, 0},
        {9, false, false, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        LayoutEntry entry = {1000, c.kind, 0, 0, 0, 0, 0};
        CaptureLayoutEntry(entry, kWindow, kControl);
        ControlPlacement p = ApplyLayoutEntry(entry, grown);
        EXPECT_EQ(p.move, c.move) << "kind " << c.kind;
        EXPECT_EQ(p.size, c.size) << "kind " << c.kind;
        if (c.move) {
            EXPECT_EQ(p.x, c.x) << "kind " << c.kind;
            EXPECT_EQ(p.y, c.y) << "kind " << c.kind;
        }
        if (c.size) {
            EXPECT_EQ(p.width, c.w) << "kind " << c.kind;
            EXPECT_EQ(p.height, c.h) << "kind " << c.kind;
        }
        // Applied to the rectangle it was captured from, the control stays put.
        ControlPlacement same = ApplyLayoutEntry(entry, kWindow);
        if (same.move) {
            EXPECT_EQ(same.x, kControl.left) << "kind " << c.kind;
            EXPECT_EQ(same.y, kControl.top) << "kind " << c.kind;
        }
        if (same.size) {
            EXPECT_EQ(same.width, kControl.Width()) << "kind " << c.kind;
            EXPECT_EQ(same.height, kControl.Height()) << "kind " << c.kind;
        }
    }
}

TEST(Layout, CapturedValuesAndNegativeSizes) {
    LayoutEntry both = {1000, ANCHOR_STRETCH_BOTH, 0, 0, 0, 0, 0};
    CaptureLayoutEntry(both, kWindow, kControl);
    EXPECT_EQ(both.slackWidth, 220);
    EXPECT_EQ(both.slackHeight, 180);
    EXPECT_EQ(both.fixedSize, 0);
    // A window smaller than the slack gives zero, never a negative size.
    ControlPlacement tiny = ApplyLayoutEntry(both, {0, 0, 100, 100});
    EXPECT_EQ(tiny.width, 0);
    EXPECT_EQ(tiny.height, 0);

    LayoutEntry topRight = {1002, ANCHOR_TOP_RIGHT, 0, 0, 0, 0, 0};
    CaptureLayoutEntry(topRight, kWindow, kControl);
    EXPECT_EQ(topRight.offsetY, 40);
    EXPECT_EQ(topRight.offsetX, 250);
}

} // namespace
