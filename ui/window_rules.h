// Rules of the player window that need no window: where it starts, its caption after
// a play, and the colour its buttons light up in.
#pragma once

#include <cstdint>
#include <string>

#include "framework/geometry.h"
#include "playback/probe.h"

struct StartPosition {
    bool move = false; // move the window to (x, y)
    int x = 0;
    int y = 0;
    bool centerOnFirstPlay = false; // remembered position unusable
};

// Fixed start position: each coordinate pulled back on screen. A coordinate at or
// beyond the screen's size puts the window flush with the work area's far edge; one
// that would leave the window wholly left of or above the screen becomes 0.
StartPosition FixedStartPosition(int x, int y, const Rect& window, int screenWidth,
                                 int screenHeight, const Rect& workArea);

// Remembered position: used only when the window would be on screen; otherwise the
// window stays where the template put it, and a play at start-up centres it (later
// plays do not).
StartPosition RememberedStartPosition(int x, int y, const Rect& window, int screenWidth,
                                      int screenHeight);

// Menu colour lightened by 20 in each channel, each channel capped at 255
// (0x00BBGGRR layout).
std::uint32_t HighlightColour(std::uint32_t menuColour);

// Caption after a play: "Lumaplay [PaintBBS]" or "Lumaplay [ShiPainter]".
std::string PlayCaption(AnimationKind kind);
