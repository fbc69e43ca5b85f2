#include <gtest/gtest.h>

#include "settings/settings_logic.h"

namespace {

TEST(SettingsOk, CanvasSizeChecksInOrder) {
    const struct {
        int w, h;
        const char* warning;
    } cases[] = {
        {99, 99, "サイズＸは100以上を指定してください。"},
        {10001, 50, "サイズＸは10000以下を指定してください。"},
        {300, 99, "サイズＹは100以上を指定してください。"},
        {300, 10001, "サイズＹは10000以下を指定してください。"},
        {100, 10000, nullptr},
        {10000, 100, nullptr},
    };
    for (const auto& c : cases) {
        const char* warning = CanvasSizeWarning(c.w, c.h);
        if (c.warning == nullptr) {
            EXPECT_EQ(warning, nullptr) << c.w << "x" << c.h;
        } else {
            EXPECT_STREQ(warning, c.warning) << c.w << "x" << c.h;
        }
    }
}

TEST(SettingsOk, AssociationsChangeOnlyWhenTheBoxChanged) {
    SettingsValues v;
    v.assocPch = 1;
    v.assocSpch = 0;
    // Both unchanged: nothing.
    EXPECT_TRUE(AssociationChanges(1, 0, v).empty());
    // .pch turned on: removal then registration with icon 7.
    std::vector<AssociationChange> on = AssociationChanges(0, 0, v);
    ASSERT_EQ(on.size(), 1u);
    EXPECT_EQ(on[0].progId, "Quenby_Lumaplay");
    EXPECT_EQ(on[0].ext, ".pch");
    EXPECT_TRUE(on[0].registerAfter);
    EXPECT_EQ(on[0].iconIndex, 7);
    EXPECT_EQ(on[0].description, "Lumaplay-PaintBBS-PCH");
    // .spch turned off and .pch judged against an INI value of 5: both change.
    std::vector<AssociationChange> both = AssociationChanges(5, 1, v);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_TRUE(both[0].registerAfter);
    EXPECT_EQ(both[1].progId, "Quenby_LumaplaySPCH");
    EXPECT_EQ(both[1].ext, ".spch");
    EXPECT_FALSE(both[1].registerAfter);
    EXPECT_EQ(both[1].iconIndex, 9);
    EXPECT_EQ(both[1].description, "Lumaplay-ShiPaint-SPCH");
}

} // namespace
