// A rectangle with the platform's layout (left, top, right, bottom), usable on both
// sides of the build.
#pragma once

#include <algorithm>

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// A window of that size centred on an area, then moved wholly inside the work area:
// where it is larger than the work area, its top-left corner stays inside.
inline Rect CentredInside(const Rect& window, const Rect& over, const Rect& work) {
    const auto inside = [](int pos, int size, int low, int high) {
        return std::max(low, pos + size > high ? high - size : pos);
    };
    const int w = window.Width(), h = window.Height();
    const int x = inside(over.left + (over.Width() - w) / 2, w, work.left, work.right);
    const int y = inside(over.top + (over.Height() - h) / 2, h, work.top, work.bottom);
    return Rect{x, y, x + w, y + h};
}
