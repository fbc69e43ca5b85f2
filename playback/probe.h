// Telling PaintBBS and ShiPainter animation files apart and finding their canvas
// size, from the first bytes of the file and, for PaintBBS, from the file's path.
#pragma once

#include <cstddef>
#include <string>

#include "framework/mbstr.h"

// PaintBBSNeo: a recording of the HTML5 port, whose files begin "NEO"; not playable here.
enum class AnimationKind { None = 0, PaintBBS = 1, ShiPainter = 2, PaintBBSNeo = 3 };

constexpr std::size_t kProbeBlockSize = 300;
constexpr int kDefaultCanvasSize = 300;

struct CanvasSize {
    int width = kDefaultCanvasSize;
    int height = kDefaultCanvasSize;
};

// Gzip identification bytes at the start: a PaintBBS file.
bool HasGzipMagic(const unsigned char* block, std::size_t size);

// A size tag "[SX<width>SY<height>]" anywhere in the path (s, x and y in any case).
// False when the path holds no tag; the values are not range-checked.
bool ParseSizeTag(const std::string& path, CanvasSize& size);

struct ShiPainterHeader {
    bool hasWidth = false;
    bool hasHeight = false;
    int width = 0;
    int height = 0;
    bool Complete() const { return hasWidth && hasHeight; }
};

// Looks for "image_width" and "image_height" in the probe block (at most 300 bytes).
ShiPainterHeader ScanShiPainterHeader(const unsigned char* block, std::size_t size);

// Classification of a probe block: PaintBBS NEO (first bytes "NEO"), PaintBBS,
// ShiPainter (with the header's size) or None when neither.
struct ProbeOutcome {
    AnimationKind kind = AnimationKind::None;
    CanvasSize size;
    bool sizeKnown = false; // ShiPainter header, or a PaintBBS size tag
};

ProbeOutcome ProbeBlock(const unsigned char* block, std::size_t size, const std::string& path);
