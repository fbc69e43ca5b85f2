// A rectangle with the platform's layout (left, top, right, bottom), usable on both
// sides of the build.
#pragma once

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};
