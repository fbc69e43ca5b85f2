#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "playback/page.h"

namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

TEST(PlayerPage, PaintBBSPageByteForByte) {
    std::string expected = Lines({
        "<HTML><HEAD>",
        "<META http-equiv=\"content-type\" content=\"text/html; charset=Shift_JIS\">",
        "<META http-equiv=\"Cache-Control\" content=\"no-cache\">",
        "<TITLE>Animation Play</TITLE>",
        "<STYLE TYPE=\"text/css\"><!--BODY{color:#ffffff; background-color:#ffffff;}--></STYLE>",
        "</HEAD><BODY style=\"margin: 0px 0px 0px 0px\" scroll=\"no\">",
        "<TABLE width=\"100%\" height=\"100%\" border=0><TR><TD align=\"center\" "
        "valign=\"middle\">",
        "<APPLET name='app' code='pch.DOVEdivoz.class' codebase='C:/Tools/Lumaplay/' "
        "archive='DovEdivoz/DOVEdivoz.jar' width='100%' height='100%'>",
        "<PARAM name='speed' value='0'>",
        "<PARAM name='buffer_progress' value='false'>",
        "<PARAM name='buffer_canvas' value='false'>",
        "<PARAM name='res.zip' value='DovEdivoz/res/res.zip'>",
        "<PARAM name='tt.zip' value='DovEdivoz/res/tt.zip'>",
        "<PARAM name='image_width' value='400'>",
        "<PARAM name='image_height' value='300'>",
        "<PARAM name='pch_file' value='Work/lum1A2.TMP'>",
        "<PARAM name='run' value='true'>",
        "<PARAM name='viewer' value='true'>",
        "<PARAM name='progress' value='true'>",
        "<PARAM name='dir_resource' value='DovEdivoz/res'>",
        "<PARAM name='layer_count' value='3'>",
        "<PARAM name='tt_size' value='31'>",
        "</APPLET>",
        "</TD></TR></TABLE>",
        "</BODY></HTML>",
    });
    EXPECT_EQ(PlayerPageText(AnimationKind::PaintBBS, 400, 300, false, "C:/Tools/Lumaplay/",
                             "Work/lum1A2.TMP"),
              expected);
}

TEST(PlayerPage, ShiPainterClassScrollAndValues) {
    std::string page =
        PlayerPageText(AnimationKind::ShiPainter, -1, 0, true, "D:/\x95\x5C/", "Work/lumFFFF.TMP");
    EXPECT_NE(page.find("code='pch2.DOVEdivoz.class' codebase='D:/\x95\x5C/'"), std::string::npos);
    EXPECT_NE(page.find("scroll=\"yes\">\r\n"), std::string::npos);
    EXPECT_NE(page.find("<PARAM name='image_width' value='-1'>\r\n"), std::string::npos);
    EXPECT_NE(page.find("<PARAM name='image_height' value='0'>\r\n"), std::string::npos);
    // No bare line feeds and no doubled percent signs.
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (page[i] == '\n') {
            ASSERT_EQ(page[i - 1], '\r') << i;
        }
    }
    EXPECT_EQ(page.find("%%"), std::string::npos);
}

TEST(PlayerPage, PathValuesAreEscapedForTheAttribute) {
    std::string page = PlayerPageText(AnimationKind::PaintBBS, 1, 1, false,
                                      "C:/Users/O'Neil/<a&b>\"/", "Work/lum1.TMP");
    EXPECT_NE(page.find("codebase='C:/Users/O&#39;Neil/&lt;a&amp;b&gt;&quot;/'"),
              std::string::npos);
    EXPECT_EQ(EscapeAttribute("plain/\x95\x5C/path"), "plain/\x95\x5C/path");
}

TEST(InitialPage, ByteForByte) {
    std::string expected = Lines({
        "<HTML><HEAD>",
        "<META http-equiv=\"content-type\" content=\"text/html; charset=Shift_JIS\">",
        "<META http-equiv=\"Cache-Control\" content=\"no-cache\">",
        "<TITLE>Animation Play</TITLE>",
        "<STYLE><!--",
        ".initfontstyle{white-space:nowrap; font-size:12px; font-weight:bold; color=\"#0000ff\"}",
        "--></STYLE>",
        "</HEAD><BODY bgcolor=\"#ffffa0\" style=\"margin: 0px 0px 0px 0px\" scroll=\"no\">",
        "<TABLE width=\"100%\" height=\"100%\" border=0><TR><TD align=\"center\" valign=\"middle\" "
        "class=\"initfontstyle\">",
        // "PCHファイルを指定してください" in code page 932.
        "PCH\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xF0\x8E\x77\x92\xE8\x82\xB5\x82\xC4\x82\xAD\x82"
        "\xBE\x82\xB3\x82\xA2",
        "</TD></TR></TABLE>",
        "</BODY></HTML>",
    });
    EXPECT_EQ(InitialPageText(), expected);
}

} // namespace
