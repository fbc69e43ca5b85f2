#include "controls/flat_button_geometry.h"

std::vector<FrameLine> FrameLines(const Rect& r, bool pressed, bool mouseOver) {
    if (!pressed && !mouseOver)
        return {};
    const std::vector<Point> topLeft = {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right, r.top}};
    const std::vector<Point> bottomRight = {
        {r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top - 1}};
    // Pressed: dark above and left (sunken); hot: light above and left (raised).
    return {{!pressed, topLeft}, {pressed, bottomRight}};
}

std::uint32_t FrameLightColour(std::uint32_t face, std::uint32_t highlight, std::uint32_t shadow) {
    std::uint32_t blend = 0;
    bool apart = false;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int f = (face >> shift) & 0xFF, h = (highlight >> shift) & 0xFF, d = (shadow >> shift) & 0xFF;
        apart |= f - h >= 24 || h - f >= 24;
        blend |= static_cast<std::uint32_t>((f + d) / 2) << shift;
    }
    return apart ? highlight : blend;
}

Rect IconRect(const Rect& r, int cxIcon, int cyIcon, bool pressed) {
    Rect i = r;
    i.left = r.left + (r.right - cxIcon - r.left) / 2;
    i.top = r.top + (r.bottom - cyIcon - r.top) / 2;
    if (pressed) {
        ++i.left;
        ++i.top;
        ++i.right;
        ++i.bottom;
    }
    return i;
}

std::uint8_t IconSizeFromHotspot(std::uint32_t hotspot) {
    return static_cast<std::uint8_t>(2 * hotspot);
}

IconSize ButtonIconSize(int buttonWidth, int buttonHeight) {
    IconSize best = kButtonIconSizes[0];
    for (const IconSize& size : kButtonIconSizes)
        if (size.width + 2 <= buttonWidth && size.height + 6 <= buttonHeight)
            best = size;
    return best;
}
