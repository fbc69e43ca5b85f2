#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "playback/probe.h"

namespace {

// A probe block as the player reads it: 300 bytes, zero where the file ended.
struct Block {
    unsigned char bytes[kProbeBlockSize] = {};
    explicit Block(const std::string& content, std::size_t at = 0) {
        std::memcpy(bytes + at, content.data(), std::min(content.size(), kProbeBlockSize - at));
    }
};

ProbeOutcome Probe(const Block& block, const std::string& path = "C:/a.spch") {
    return ProbeBlock(block.bytes, kProbeBlockSize, path, IsCp932LeadByte);
}

TEST(Probe, ClassifiesByGzipBytesOrShiPainterKeys) {
    const struct {
        const char* label;
        std::string content;
        AnimationKind kind;
    } cases[] = {
        {"empty file", "", AnimationKind::None},
        {"one byte 1F", "\x1F", AnimationKind::None},
        {"gzip member header", std::string("\x1F\x8B\x08\x00", 4), AnimationKind::PaintBBS},
        {"gzip bytes then header keys", "\x1F\x8Bimage_width=1\r\nimage_height=2\r\n",
         AnimationKind::PaintBBS},
        {"both keys", "image_width=400\r\nimage_height=300\r\n", AnimationKind::ShiPainter},
        {"width key only", "image_width=400\r\n", AnimationKind::None},
        {"keys in another case", "IMAGE_WIDTH=1\r\nIMAGE_HEIGHT=2\r\n", AnimationKind::None},
        {"text of 0xFF bytes", std::string(300, '\xFF'), AnimationKind::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Probe(Block(c.content)).kind, c.kind) << c.label;
}

TEST(Probe, ShiPainterValueText) {
    const struct {
        const char* label;
        std::string header;
        int width;
        int height;
    } cases[] = {
        {"plain", "image_width=400\r\nimage_height=300\r\n", 400, 300},
        {"blanks around =", "image_width = 400\r\nimage_height = 300\r\n", 400, 300},
        {"unit after value", "image_width=400px\r\nimage_height=300px\r\n", 400, 300},
        {"keys mid-line", "x image_width=12\r\ny image_height=34\r\n", 12, 34},
        {"bare line feeds give the real size", "image_width=400\nimage_height=300\n", 400, 300},
        {"no line end at all", "image_width=400 image_height=300", 0, 0},
        {"negative and zero pass", "image_width=-5\r\nimage_height=0\r\n", -5, 0},
        {"later value wins", "image_width=1\r\nimage_width=2\r\nimage_height=3\r\n", 2, 3},
        {"letters give zero", "image_width=abc\r\nimage_height=9\r\n", 0, 9},
    };
    for (const auto& c : cases) {
        ProbeOutcome outcome = Probe(Block(c.header));
        ASSERT_EQ(outcome.kind, AnimationKind::ShiPainter) << c.label;
        EXPECT_EQ(outcome.size.width, c.width) << c.label;
        EXPECT_EQ(outcome.size.height, c.height) << c.label;
    }
}

TEST(Probe, ShiPainterScanStopsBeforeByte288) {
    // The height key at byte 287 ends at byte 298 and is found.
    Block at287("image_width=400\r\n");
    std::memcpy(at287.bytes + 287, "image_height", 12);
    EXPECT_EQ(Probe(at287).kind, AnimationKind::ShiPainter);
    // At byte 288 it is not, and neither is the width key, although it would fit.
    Block at288("image_height=300\r\n");
    std::memcpy(at288.bytes + 288, "image_width", 11);
    EXPECT_EQ(Probe(at288).kind, AnimationKind::None);
    Block lateHeight("image_width=400\r\n");
    std::memcpy(lateHeight.bytes + 280, "image_height=3\r\n", 16);
    ProbeOutcome outcome = Probe(lateHeight);
    EXPECT_EQ(outcome.kind, AnimationKind::ShiPainter);
    EXPECT_EQ(outcome.size.width, 400);
}

TEST(Probe, SizeTagInThePath) {
    const struct {
        const char* path;
        bool tagged;
        int width;
        int height;
    } cases[] = {
        {"C:/pch/a[SX400SY300].pch", true, 400, 300},
        {"C:/pch/a[sx400sy300].PCH", true, 400, 300},
        {"C:/pch/a[Sx400sY300].pch", true, 400, 300},
        {"C:/pch/a[SX400].pch", false, 0, 0},
        {"C:/pch/a.pch", false, 0, 0},
        {"C:/easy/a[SX400SY300].pch", true, 400, 300},
        {"C:/pch/a[SXabcSY300].pch", true, 0, 300},
        {"C:/pch/a[SX99999SY-1].pch", true, 99999, -1},
        // "SY" only before the tag: width and height texts are empty.
        {"C:/sy/a[SX400].pch]", true, 0, 0},
        // 0x83 0x73 is one double-byte character whose trail byte is "s": it never
        // folds into the "SY" of a tag.
        {"C:/a[SX400\x83sy300].pch", false, 0, 0},
    };
    for (const auto& c : cases) {
        CanvasSize size;
        size.width = size.height = 0;
        EXPECT_EQ(ParseSizeTag(c.path, IsCp932LeadByte, size), c.tagged) << c.path;
        if (c.tagged) {
            EXPECT_EQ(size.width, c.width) << c.path;
            EXPECT_EQ(size.height, c.height) << c.path;
        }
    }
    ProbeOutcome outcome = Probe(Block(std::string("\x1F\x8B", 2)), "C:/pch/a[SX640SY480].pch");
    EXPECT_TRUE(outcome.sizeKnown);
    EXPECT_EQ(outcome.size.width, 640);
    EXPECT_FALSE(Probe(Block(std::string("\x1F\x8B", 2)), "C:/pch/a.pch").sizeKnown);
}

TEST(Probe, Caption) {
    EXPECT_EQ(PlayCaption(AnimationKind::PaintBBS), "Lumaplay [PaintBBS]");
    EXPECT_EQ(PlayCaption(AnimationKind::ShiPainter), "Lumaplay [ShiPainter]");
}

} // namespace
