#include "ui/window_rules.h"

#include "program/identity.h"

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
