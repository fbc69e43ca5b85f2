#include "playback/window_fit.h"

#include <algorithm>
#include <climits>

namespace {

int Clamp(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// One axis of the fit: start position and extent against the work area's far edge.
void FitAxis(long long& pos, long long& extent, long long farEdge, bool& scroll) {
    if (pos + extent > farEdge) {
        pos = farEdge - extent + 1;
        if (pos < 0) {
            extent = farEdge + 1;
            pos = 0;
            scroll = true;
        }
    }
}

} // namespace

FitResult FitWindowToCanvas(const FitInput& in) {
    // 64-bit arithmetic: canvas sizes come from file names and are not range-checked.
    long long frameWidth = static_cast<long long>(in.window.Width()) - in.browserClientWidth;
    long long frameHeight = static_cast<long long>(in.window.Height()) - in.browserClientHeight;
    long long width = frameWidth + in.vscrollWidth + std::max(in.canvasWidth, 0);
    width = std::max<long long>(width, in.minWidth);
    long long height = frameHeight + std::max(in.canvasHeight, 0) + 40;
    long long x = in.window.left;
    long long y = in.window.top;
    bool scroll = false;
    FitAxis(x, width, in.workArea.right, scroll);
    FitAxis(y, height, in.workArea.bottom, scroll);
    return FitResult{Clamp(x), Clamp(y), Clamp(width), Clamp(height), scroll};
}

void ApplyStartupPlacement(const StartupPlacementInput& in, FitResult& fit) {
    if (in.launchIndex >= 0 && in.singleInstanceSetting == 0) {
        long long across = static_cast<long long>(in.step) * (in.launchIndex % 10);
        long long down = static_cast<long long>(in.step) * (in.launchIndex / 10) + across;
        // A cascade that would leave the work area wraps round and starts over.
        long long roomX = std::max<long long>(1, in.workArea.right - fit.width + 1LL);
        long long roomY = std::max<long long>(1, in.workArea.bottom - fit.height + 1LL);
        fit.x = Clamp(across % roomX);
        fit.y = Clamp(down % roomY);
    } else if (in.centerOnFirstPlay) {
        fit.x =
            Clamp((static_cast<long long>(in.workArea.right) - in.workArea.left - fit.width) / 2);
        fit.y =
            Clamp((static_cast<long long>(in.workArea.bottom) - in.workArea.top - fit.height) / 2);
    }
}
