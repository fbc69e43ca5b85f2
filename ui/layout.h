// Keeping the player window's controls attached to its edges as it is resized.
#pragma once

#include "framework/geometry.h"

enum AnchorKind {
    ANCHOR_STRETCH_HEIGHT = 1,
    ANCHOR_STRETCH_WIDTH = 2,
    ANCHOR_STRETCH_BOTH = 3,
    ANCHOR_BOTTOM_LEFT = 4,
    ANCHOR_TOP_RIGHT = 5,
    ANCHOR_BOTTOM_RIGHT = 6,
    ANCHOR_TOP_RIGHT_STRETCH_HEIGHT = 7,
    ANCHOR_BOTTOM_LEFT_STRETCH_WIDTH = 8,
};

struct LayoutEntry {
    int ctrlId; // 0 ends a table
    int anchor;
    int offsetY;
    int offsetX;
    int slackHeight;
    int slackWidth;
    int fixedSize;
};

// Records a control's distances from the window's edges: window and control are
// outer rectangles in screen coordinates.
void CaptureLayoutEntry(LayoutEntry& entry, const Rect& window, const Rect& control);

// Where the control goes for a window rectangle. The position is in screen
// coordinates and only meaningful when move is set; the size only when size is set.
// Sizes below zero come back as zero.
struct ControlPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool move = false;
    bool size = false;
};

ControlPlacement ApplyLayoutEntry(const LayoutEntry& entry, const Rect& window);
