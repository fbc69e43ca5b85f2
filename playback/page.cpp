#include "playback/page.h"
#include "framework/mbstr.h"

#include <string>

namespace {

const char kHead[] =
    "<HTML><HEAD>\r\n"
    "<META http-equiv=\"content-type\" content=\"text/html; charset=Shift_JIS\">\r\n"
    "<META http-equiv=\"Cache-Control\" content=\"no-cache\">\r\n"
    "<TITLE>Animation Play</TITLE>\r\n";

} // namespace

std::string EscapeAttribute(const std::string& value) {
    // Shift_JIS trail bytes are 0x40 and above, so none of these five can be one.
    std::string out;
    for (char c : value) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '\'':
            out += "&#39;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

std::string PlayerPageText(AnimationKind kind, int width, int height, bool scroll,
                           const std::string& appDir, const std::string& pchRelPath) {
    std::string page = kHead;
    page += "<STYLE TYPE=\"text/css\"><!--BODY{color:#ffffff; "
            "background-color:#ffffff;}--></STYLE>\r\n";
    page += std::string("</HEAD><BODY style=\"margin: 0px 0px 0px 0px\" scroll=\"") +
            (scroll ? "yes" : "no") + "\">\r\n";
    page += "<TABLE width=\"100%\" height=\"100%\" border=0><TR><TD align=\"center\" "
            "valign=\"middle\">\r\n";
    page += std::string("<APPLET name='app' code='pch") +
            (kind == AnimationKind::ShiPainter ? "2" : "") + ".DOVEdivoz.class' codebase='" +
            EscapeAttribute(appDir) +
            "' archive='DovEdivoz/DOVEdivoz.jar' width='100%' height='100%'>\r\n";
    page += "<PARAM name='speed' value='0'>\r\n"
            "<PARAM name='buffer_progress' value='false'>\r\n"
            "<PARAM name='buffer_canvas' value='false'>\r\n"
            "<PARAM name='res.zip' value='DovEdivoz/res/res.zip'>\r\n"
            "<PARAM name='tt.zip' value='DovEdivoz/res/tt.zip'>\r\n";
    page += "<PARAM name='image_width' value='" + FormatDecimal(width) + "'>\r\n";
    page += "<PARAM name='image_height' value='" + FormatDecimal(height) + "'>\r\n";
    page += "<PARAM name='pch_file' value='" + EscapeAttribute(pchRelPath) + "'>\r\n";
    page += "<PARAM name='run' value='true'>\r\n"
            "<PARAM name='viewer' value='true'>\r\n"
            "<PARAM name='progress' value='true'>\r\n"
            "<PARAM name='dir_resource' value='DovEdivoz/res'>\r\n"
            "<PARAM name='layer_count' value='3'>\r\n"
            "<PARAM name='tt_size' value='31'>\r\n"
            "</APPLET>\r\n"
            "</TD></TR></TABLE>\r\n"
            "</BODY></HTML>\r\n";
    return page;
}

std::string InitialPageText() {
    std::string page = kHead;
    page += "<STYLE><!--\r\n"
            ".initfontstyle{white-space:nowrap; font-size:12px; font-weight:bold; "
            "color=\"#0000ff\"}\r\n"
            "--></STYLE>\r\n"
            "</HEAD><BODY bgcolor=\"#ffffa0\" style=\"margin: 0px 0px 0px 0px\" scroll=\"no\">\r\n"
            "<TABLE width=\"100%\" height=\"100%\" border=0><TR><TD align=\"center\" "
            "valign=\"middle\" class=\"initfontstyle\">\r\n"
            "PCHファイルを指定してください\r\n"
            "</TD></TR></TABLE>\r\n"
            "</BODY></HTML>\r\n";
    return page;
}

std::string FileUrl(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string url = "file:///";
    for (unsigned char c : path) {
        if (c <= ' ' || c >= 0x7F || c == '%' || c == '#' || c == '?') {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0xF];
        } else {
            url += static_cast<char>(c);
        }
    }
    return url;
}
