// Where the player window goes and how large it is: its start position, the fit to a
// canvas, and the cascade or centring of the play made at start-up. Free of any window:
// the callers read the rectangles, the work area and the settings, and apply the result.
#pragma once

#include "framework/geometry.h"

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

struct FitInput {
    Rect window;            // the player window's outer rectangle, screen pixels
    int browserClientWidth; // client size of the browser control
    int browserClientHeight;
    int vscrollWidth; // width of a vertical scroll bar
    Rect workArea;    // the desktop's work area
    int canvasWidth; // a negative size (from a broken header) counts as 0
    int canvasHeight;
    int minWidth = 0; // outer width the window's controls need
};

struct FitResult {
    int x;
    int y;
    int width;
    int height;
    bool scroll; // the window had to be cut to the work area: the page scrolls
};

// Room for the canvas plus the window's frame, a scroll bar's width and 40 pixels;
// moved left or up when it overhangs the work area's right or bottom edge, and cut
// to the work area when it is larger than it.
FitResult FitWindowToCanvas(const FitInput& in);

struct StartupPlacementInput {
    int launchIndex;           // -1 without "-BP:"
    int singleInstanceSetting; // CK_SET3; only looked at when launchIndex >= 0
    bool centerOnFirstPlay;    // the remembered position was unusable
    int step;                  // dialog frame width plus caption height
    Rect workArea;
};

// Placement of the play made at start-up: cascaded by launch index in several-windows
// mode (wrapping round inside the work area, however large the index), else centred in
// the work area when asked, else the fit's position stands.
void ApplyStartupPlacement(const StartupPlacementInput& in, FitResult& fit);

// A play's place for the window, from what the window is now.
struct PlayPlanInput {
    Rect window;           // the window's rectangle now
    bool maximised;        // and whether it is maximised,
    Rect restored;         // then where it is restored to (screen pixels)
    int browserClientWidth; // client size of the browser control now
    int browserClientHeight;
    int vscrollWidth;
    int canvasWidth;
    int canvasHeight;
    int minWidth;            // outer width the window's controls need
    bool startupPlacement;   // the play at start-up in remembered-position mode
    StartupPlacementInput startup; // its cascade or centring, and the work area
};

struct PlayPlan {
    FitResult fit; // the window's place and size (maximised: those it is restored to)
    bool scroll;   // the page scrolls: the canvas does not fit the window it shows in
};

// The fit to the canvas from where the window is (a maximised one: from where it is
// restored to, with the frame it has now, and it stays maximised), then the start-up
// play's cascade or centring.
PlayPlan PlanPlay(const PlayPlanInput& in);
