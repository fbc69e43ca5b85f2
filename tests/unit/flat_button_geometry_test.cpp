#include <gtest/gtest.h>

#include "controls/flat_button_geometry.h"

namespace {

const Rect kButton = {0, 0, 24, 22};

TEST(FlatButtonGeometry, IconPlacement) {
    const struct {
        const char* label;
        bool hasText, pressed;
        int left, top;
    } cases[] = {
        {"centred without caption", false, false, 4, 4},
        {"pressed moves one down and right", false, true, 5, 5},
        {"3 px from the left with a caption", true, false, 3, 4},
        {"with a caption, pressed", true, true, 4, 5},
    };
    for (const auto& c : cases) {
        Rect i = IconRect(kButton, 16, 14, c.hasText, c.pressed);
        EXPECT_EQ(i.left, c.left) << c.label;
        EXPECT_EQ(i.top, c.top) << c.label;
        EXPECT_EQ(i.right, kButton.right + (c.pressed ? 1 : 0)) << c.label;
    }
    // Odd room truncates toward zero; an icon larger than the button goes negative.
    EXPECT_EQ(IconRect({0, 0, 23, 21}, 16, 14, false, false).left, 3);
    EXPECT_EQ(IconRect({0, 0, 10, 10}, 16, 14, false, false).left, -3);
}

TEST(FlatButtonGeometry, CaptionIsCentredRightOfTheIcon) {
    Rect wide = {0, 0, 100, 22};
    Rect room = CaptionRoom(wide, true, 16, false);
    EXPECT_EQ(room.left, 19);
    Rect text = CenterCaption(room, 41, 12);
    EXPECT_EQ(text.left, 19 + 20);
    EXPECT_EQ(text.top, 5);
    EXPECT_EQ(text.Width(), 41);
    EXPECT_EQ(text.Height(), 12);
    Rect pressed = CenterCaption(CaptionRoom(wide, true, 16, true), 41, 12);
    EXPECT_EQ(pressed.left, text.left + 1);
    EXPECT_EQ(pressed.top, text.top + 1);
    EXPECT_EQ(CaptionRoom(wide, false, 16, false).left, 0);
}

TEST(FlatButtonGeometry, FrameByState) {
    EXPECT_TRUE(FrameLines(kButton, false, false).empty());
    std::vector<FrameLine> raised = FrameLines(kButton, false, true);
    ASSERT_EQ(raised.size(), 2u);
    EXPECT_TRUE(raised[0].highlight);
    EXPECT_FALSE(raised[1].highlight);
    std::vector<FrameLine> sunken = FrameLines(kButton, true, false);
    ASSERT_EQ(sunken.size(), 2u);
    EXPECT_FALSE(sunken[0].highlight);
    EXPECT_TRUE(sunken[1].highlight);
    // Paths: left edge up then along the top; bottom edge then up the right edge.
    EXPECT_EQ(sunken[0].points[0].y, 21);
    EXPECT_EQ(sunken[0].points[2].x, 24);
    EXPECT_EQ(sunken[1].points[1].x, 23);
    EXPECT_EQ(sunken[1].points[2].y, -1);
}

TEST(FlatButtonGeometry, IconSizeFromHotspotKeptIn8Bits) {
    EXPECT_EQ(IconSizeFromHotspot(8), 16);
    EXPECT_EQ(IconSizeFromHotspot(7), 14);
    EXPECT_EQ(IconSizeFromHotspot(128), 0);
    EXPECT_EQ(IconSizeFromHotspot(130), 4);
}

} // namespace
