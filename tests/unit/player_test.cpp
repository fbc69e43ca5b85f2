// Playing (a file's kind, its page, the window around it) and the player window's parts.
#include "table.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "controls/flat_button_geometry.h"
#include "playback/folder_steps.h"
#include "playback/page.h"
#include "ui/layout.h"
#include "ui/placement.h"
#include "ui/window_rules.h"

// A probe block as the player reads it: the file's first 300 bytes, zero where it ended.
static std::string Probe(const std::string& content, const std::string& path = "a.spch") {
    unsigned char block[kProbeBlockSize] = {};
    content.copy(reinterpret_cast<char*>(block), kProbeBlockSize);
    const ProbeOutcome o = ProbeBlock(block, kProbeBlockSize, path);
    const std::string size = o.sizeKnown ? " " + Nums(o.size.width, o.size.height) : "";
    return o.kind == AnimationKind::None ? "none" : o.kind == AnimationKind::PaintBBSNeo ? "neo" : PlayCaption(o.kind) + size;
}

TEST(Probe, KindAndCanvasSize) {
    const std::string gz("\x1F\x8B\x08\x00", 4), gap(272, '\0');
    Check({
        {Probe("\x1F") + " " + Probe("NEO\x1F\x8Bimage_width=1\nimage_height=2\n") + " " + Probe("NE"), "none neo none"},
        {Probe(gz + "image_width=1\nimage_height=2\n"), "Lumaplay [PaintBBS]"}, // gzip wins
        {Probe(gz, "C:/sy/a[sx400Sy300].PCH"), "Lumaplay [PaintBBS] 400,300"},  // any case
        {Probe("x image_width = 4px\ny image_height = 3\n"), "Lumaplay [ShiPainter] 4,3"},
        {Probe("image_width=1\nimage_width=-2\nimage_height=a\n"), "Lumaplay [ShiPainter] -2,0"},
        {Probe("image_width=4\r\n" + gap + "image_height"), "Lumaplay [ShiPainter] 4,0"}, // 287
        {Probe("image_height=3\r\n" + gap + "image_width"), "none"}, // 288 is not looked at
    });
}

// The step from current in a folder of these names, ordered without regard to case.
static std::string StepFrom(const std::string& current, int step) {
    const auto before = [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return std::tolower(x) < std::tolower(y); });
    };
    const std::vector<std::string> names = {"d.pch", "b.PCH", "c.txt", "a.spch", ".pch", "e.spchx", "C.Spch"};
    return "[" + NeighbourAnimation(names, std::string(current), step, before) + "]";
}

TEST(Probe, FolderSteps) { // animations only, in the order given; from a name that went too
    Check({
        {StepFrom("", 1) + StepFrom("a.spch", 1) + StepFrom("b.PCH", 1) + StepFrom("c.spch", 1), "[a.spch][b.PCH][C.Spch][d.pch]"},
        {StepFrom("d.pch", 1) + StepFrom("a.spch", -1) + StepFrom("D.PCH", -1) + StepFrom("bb.pch", -1), "[][][C.Spch][b.PCH]"},
    });
}

// Each part must be in the page, and every line must end in CR LF.
static void ExpectParts(const std::string& page, std::initializer_list<std::string> parts) {
    for (const std::string& part : parts)
        EXPECT_NE(page.find(part), std::string::npos) << part;
    for (std::size_t lf = page.find('\n'); lf != std::string::npos; lf = page.find('\n', lf + 1))
        EXPECT_TRUE(lf > 0 && page[lf - 1] == '\r') << "a line end without CR at " << lf;
}

TEST(Page, PlayerAndInitialPages) {
    ExpectParts(PlayerPageText(AnimationKind::PaintBBS, 400, 300, false, "C:/T/", "W/a"),
                {"scroll=\"no\">", "code='pch.DOVEdivoz.class' codebase='C:/T/'",
                 "'image_width' value='400'>", "'image_height' value='300'>",
                 "'pch_file' value='W/a'>"});
    ExpectParts(PlayerPageText(AnimationKind::ShiPainter, 1, 1, true, "'<&>\"", "'"),
                {"scroll=\"yes\">", "code='pch2.DOVEdivoz.class'",
                 "codebase='&#39;&lt;&amp;&gt;&quot;'", "'pch_file' value='&#39;'>"});
    // "PCHファイルを指定してください" in code page 932, as the page's charset says.
    ExpectParts(InitialPageText(),
                {"charset=Shift_JIS", "PCH\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xF0\x8E\x77\x92\xE8"
                                      "\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2"});
}

// A play into a 200 x 100 window (browser 180 x 40, scroll bar 16, controls 120 wide),
// placed as at start-up (step 25); or maximised to 1032 x 746, restored at (30, 40).
static std::string Fit(Rect window, int canvasWidth, int canvasHeight, int index = -1,
                       int singleInstance = 0, bool centre = false, bool maximised = false) {
    const Rect work = {0, 0, 1024, 738};
    const PlayPlan p = PlanPlay({maximised ? Rect{-4, -4, 1028, 742} : window, maximised, {30, 40, 0, 0},
                                 maximised ? 1012 : 180, maximised ? 686 : 40, 16, canvasWidth,
                                 canvasHeight, 120, !maximised, {index, singleInstance, centre, 25, work}});
    return Nums(p.fit.x, p.fit.y, p.fit.width, p.fit.height) + (p.scroll ? " scroll" : "");
}

// A 200 x 100 window's start on a 1024 x 768 screen, work area 1024 x 738, or "centre".
static std::string Start(bool fixed, int x, int y) {
    const Rect window = {412, 334, 612, 434};
    const StartPosition p = fixed ? FixedStartPosition(x, y, window, 1024, 768, {0, 0, 1024, 738})
                                  : RememberedStartPosition(x, y, window, 1024, 768);
    return (p.move ? Nums(p.x, p.y) : "") + (p.centerOnFirstPlay ? "centre" : "");
}

// A control 80 x 20 at (150, 90) of a window 300 x 200 at (100, 50), then 400 x 250 at (0, 0).
static std::string Place(int kind, const Rect& window = {0, 0, 400, 250}) {
    LayoutEntry entry = {1000, kind, 0, 0, 0, 0, 0};
    CaptureLayoutEntry(entry, {100, 50, 400, 250}, {150, 90, 230, 110});
    const ControlPlacement p = ApplyLayoutEntry(entry, window);
    return (p.move ? Nums(p.x, p.y) : "-") + " " + (p.size ? Nums(p.width, p.height) : "-");
}

TEST(PlayerWindow, FitStartAndLayout) {
    const Rect at = {100, 50, 300, 150};
    Check({
        {Fit(at, 400, 300), "100,50,436,400"}, // canvas, frame and scroll bar, and 40 below
        {Fit({800, 500, 1000, 600}, 400, 300), "589,339,436,400"}, // overhangs: flush right, bottom
        {Fit(at, INT_MAX, INT_MAX), "0,0,1025,739 scroll"}, // cut, so it scrolls; no overflow
        {Fit(at, 400, 300, 13, 0, true), "75,100,436,400"}, // cascaded, a column per ten, first
        {Fit(at, 400, 300, 3, 1, true), "294,169,436,400"}, // one window only: centred
        {Fit(at, 400, 300, 5, 2), "100,50,436,400"},        // neither
        {Fit(at, -500, -400), "100,50,120,100"}, // a negative canvas is none; controls keep room
        {Fit(at, 400, 300, 99999, 0), "225,18,436,400"}, // a huge index wraps round on the work area
        {Fit(at, 400, 300, -1, 0, false, true) + " " + Fit(at, 1200, 900, -1, 0, false, true),
         "30,40,436,400 0,0,1025,739 scroll"}, // maximised: from where it is restored to
        {Start(false, -200, 100) + " " + Start(false, 100, -100), "-200,100 100,-100"}, // touching
        {Start(false, -201, 100) + " " + Start(false, 100, -101), "centre centre"}, // wholly off
        {Start(false, 1024, 0) + " " + Start(false, 0, 768), "centre centre"}, // off right; bottom
        {Start(true, -100, -50) + " " + Start(true, -300, -200), "-100,-50 0,0"}, // partly; wholly
        {Start(true, 5000, 20) + " " + Start(true, 10, 768), "824,20 10,638"},    // flush, far edge
        // A 300 x 200 dialog on its owner, moved into the work area: off its left and top;
        // off its right and bottom; larger than the work area, its top-left inside.
        {Nums(CentredInside({0, 0, 300, 200}, {-11, 22, 189, 102}, {0, 0, 1024, 738})) + " " +
             Nums(CentredInside({0, 0, 300, 200}, {900, 700, 1000, 760}, {0, 0, 1024, 738})),
         "0,0,300,200 724,538,1024,738"},
        {Nums(CentredInside({0, 0, 1200, 900}, {0, 0, 100, 100}, {0, 0, 1024, 738})), "0,0,1200,900"},
        {Place(ANCHOR_STRETCH_BOTH, {0, 0, 100, 100}), "- 0,0"}, // smaller than the slack
        {Place(ANCHOR_BOTTOM_LEFT), "50,90 -"},
        {Place(ANCHOR_TOP_RIGHT_STRETCH_HEIGHT), "150,40 80,70"},
        {Place(ANCHOR_BOTTOM_LEFT_STRETCH_WIDTH), "50,90 180,20"},
    });
}

// The frame's lines: L for the highlight colour, D for the shadow, and their points.
static std::string Frame(bool pressed, bool mouseOver) {
    std::string text;
    for (const FrameLine& line : FrameLines({0, 0, 24, 22}, pressed, mouseOver))
        for (const Point& p : line.points)
            text += (line.highlight ? " L" : " D") + Nums(p.x, p.y);
    return text;
}

TEST(FlatButtonGeometry, IconFrameAndHighlight) { // 24 x 22, icon 16 x 14
    const Rect button = {0, 0, 24, 22};
    Check({
        {Nums(IconRect(button, 16, 14, false)), "4,4,24,22"}, // centred
        {Nums(IconRect(button, 16, 14, true)), "5,5,25,23"},  // pressed
        // The icon's image for buttons at 96, 120, 144 and 192 DPI, and a wide, low one.
        {Nums(ButtonIconSize(20, 21).width, ButtonIconSize(22, 27).height, ButtonIconSize(27, 33).height,
              ButtonIconSize(38, 42).width, ButtonIconSize(40, 20).width), "16,18,21,32,16"},
        {Frame(false, true), " L0,21 L0,0 L24,0 D0,21 D23,21 D23,-1"}, // raised
        {Frame(true, true), " D0,21 D0,0 D24,0 L0,21 L23,21 L23,-1"},  // sunken
        {Nums(HighlightColour(0xC8D0D4), HighlightColour(0xF00AFA)), Nums(0xDCE4E8, 0xFF1EFF)},
        // The light edges on a white face are drawn halfway to the shadow; on grey, white.
        {Nums(FrameLightColour(0xFFFFFF, 0xFFFFFF, 0x808080), FrameLightColour(0xDCE8E8, 0xFFFFFF, 0x808080)),
         Nums(0xBFBFBF, 0xFFFFFF)},
    });
}
