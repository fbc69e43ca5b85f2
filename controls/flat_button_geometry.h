// Where the flat icon button draws its frame and icon.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/geometry.h"

struct Point {
    int x;
    int y;
};

// One connected line of the frame (end points not drawn) and the colour it takes.
struct FrameLine {
    bool highlight; // the highlight colour, else the shadow colour
    std::vector<Point> points;
};

// Sunken when pressed, raised when the mouse is over the button, none otherwise.
std::vector<FrameLine> FrameLines(const Rect& r, bool pressed, bool mouseOver);

// The colour of the frame's light edges on a face (0x00BBGGRR): the system's highlight,
// unless that would vanish into the face (no channel 24 or more apart), then halfway
// between face and shadow, so that the whole frame shows on a white face too.
std::uint32_t FrameLightColour(std::uint32_t face, std::uint32_t highlight, std::uint32_t shadow);

// The icon's rectangle: centred; one pixel down and right when pressed.
Rect IconRect(const Rect& r, int cxIcon, int cyIcon, bool pressed);

struct IconSize {
    int width;
    int height;
};
// The images each button icon carries, smallest first: the one for 96 DPI, then those
// for 120, 144 and 192 DPI.
constexpr IconSize kButtonIconSizes[] = {{16, 14}, {20, 18}, {24, 21}, {32, 28}};

// The largest of those that leaves the button room for its frame and focus line (a
// pixel each side beside it, three above and below), else the smallest.
IconSize ButtonIconSize(int buttonWidth, int buttonHeight);

// An icon's size from its hotspot, which is its centre; kept in 8 bits.
std::uint8_t IconSizeFromHotspot(std::uint32_t hotspot);
