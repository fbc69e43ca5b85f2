#include "ui/layout.h"

namespace {

bool StretchesWidth(int kind) {
    return kind == ANCHOR_STRETCH_WIDTH || kind == ANCHOR_STRETCH_BOTH ||
           kind == ANCHOR_BOTTOM_LEFT_STRETCH_WIDTH;
}
bool StretchesHeight(int kind) {
    return kind == ANCHOR_STRETCH_HEIGHT || kind == ANCHOR_STRETCH_BOTH ||
           kind == ANCHOR_TOP_RIGHT_STRETCH_HEIGHT;
}
bool Sizes(int kind) {
    return StretchesWidth(kind) || StretchesHeight(kind);
}
bool Moves(int kind) {
    return kind >= ANCHOR_BOTTOM_LEFT && kind <= ANCHOR_BOTTOM_LEFT_STRETCH_WIDTH;
}
bool FromBottom(int kind) {
    return kind == ANCHOR_BOTTOM_LEFT || kind == ANCHOR_BOTTOM_RIGHT ||
           kind == ANCHOR_BOTTOM_LEFT_STRETCH_WIDTH;
}
bool FromRight(int kind) {
    return kind == ANCHOR_TOP_RIGHT || kind == ANCHOR_BOTTOM_RIGHT ||
           kind == ANCHOR_TOP_RIGHT_STRETCH_HEIGHT;
}
// Kinds that keep the width store it; kinds that keep the height store that.
bool KeepsWidth(int kind) {
    return kind == ANCHOR_STRETCH_HEIGHT || kind == ANCHOR_TOP_RIGHT_STRETCH_HEIGHT;
}
bool KeepsHeight(int kind) {
    return kind == ANCHOR_STRETCH_WIDTH || kind == ANCHOR_BOTTOM_LEFT_STRETCH_WIDTH;
}

int NotNegative(int value) {
    return value < 0 ? 0 : value;
}

} // namespace

void CaptureLayoutEntry(LayoutEntry& entry, const Rect& window, const Rect& control) {
    int kind = entry.anchor;
    if (kind < ANCHOR_STRETCH_HEIGHT || kind > ANCHOR_BOTTOM_LEFT_STRETCH_WIDTH)
        return;
    entry.fixedSize = KeepsWidth(kind) ? control.Width() : KeepsHeight(kind) ? control.Height() : 0;
    if (Sizes(kind)) {
        entry.slackHeight = window.Height() - control.Height();
        entry.slackWidth = window.Width() - control.Width();
    }
    if (Moves(kind)) {
        entry.offsetY = FromBottom(kind) ? window.bottom - control.top : control.top - window.top;
        entry.offsetX = FromRight(kind) ? window.right - control.left : control.left - window.left;
    }
}

ControlPlacement ApplyLayoutEntry(const LayoutEntry& entry, const Rect& window) {
    ControlPlacement placement;
    int kind = entry.anchor;
    if (kind < ANCHOR_STRETCH_HEIGHT || kind > ANCHOR_BOTTOM_LEFT_STRETCH_WIDTH)
        return placement;
    if (Moves(kind)) {
        placement.move = true;
        placement.x = FromRight(kind) ? window.right - entry.offsetX : window.left + entry.offsetX;
        placement.y = FromBottom(kind) ? window.bottom - entry.offsetY : window.top + entry.offsetY;
    }
    if (Sizes(kind)) {
        placement.size = true;
        placement.width =
            NotNegative(KeepsWidth(kind) ? entry.fixedSize : window.Width() - entry.slackWidth);
        placement.height =
            NotNegative(KeepsHeight(kind) ? entry.fixedSize : window.Height() - entry.slackHeight);
    }
    return placement;
}
