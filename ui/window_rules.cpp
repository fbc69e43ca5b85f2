#include "ui/window_rules.h"

#include "program/identity.h"
#include "settings/settings_keys.h"

StartPosition FixedStartPosition(int x, int y, const Rect& window, int screenWidth,
                                 int screenHeight, const Rect& workArea) {
    const long long w = window.Width();
    const long long h = window.Height();
    StartPosition pos;
    pos.move = true;
    pos.x = x;
    pos.y = y;
    if (x >= screenWidth)
        pos.x = static_cast<int>(workArea.right - w);
    else if (x + w < 0)
        pos.x = 0;
    if (y >= screenHeight)
        pos.y = static_cast<int>(workArea.bottom - h);
    else if (y + h < 0)
        pos.y = 0;
    return pos;
}

StartPosition RememberedStartPosition(int x, int y, const Rect& window, int screenWidth,
                                      int screenHeight) {
    const long long w = window.Width();
    const long long h = window.Height();
    StartPosition pos;
    if (x >= screenWidth || x + w < 0)
        x = kNoSavedPosition;
    if (y >= screenHeight || y + h < 0 || x == kNoSavedPosition) {
        pos.centerOnFirstPlay = true;
        return pos;
    }
    pos.move = true;
    pos.x = x;
    pos.y = y;
    return pos;
}

std::uint32_t HighlightColour(std::uint32_t menuColour) {
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        std::uint32_t channel = ((menuColour >> shift) & 0xFF) + 20;
        result |= (channel > 0xFF ? 0xFF : channel) << shift;
    }
    return result;
}

std::string PlayCaption(AnimationKind kind) {
    return std::string(kProgramTitle) +
           (kind == AnimationKind::ShiPainter ? " [ShiPainter]" : " [PaintBBS]");
}
