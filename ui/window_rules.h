// Rules of the player window that need no window: its caption after a play and the
// colour its buttons light up in. (Where it goes is ui/placement.h.)
#pragma once

#include <cstdint>
#include <string>

#include "playback/probe.h"

// Menu colour lightened by 20 in each channel, each channel capped at 255
// (0x00BBGGRR layout).
std::uint32_t HighlightColour(std::uint32_t menuColour);

// Caption after a play: "Lumaplay [PaintBBS]" or "Lumaplay [ShiPainter]".
std::string PlayCaption(AnimationKind kind);
