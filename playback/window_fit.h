// Sizing and placing the player window for a canvas.
#pragma once

#include "framework/geometry.h"

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
