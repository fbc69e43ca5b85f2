#include "ui/placement.h"

#include <algorithm>
#include <climits>

#include "settings/settings_keys.h"

StartPosition FixedStartPosition(int x, int y, const Rect& window, int screenWidth,
                                 int screenHeight, const Rect& workArea) {
    const long long w = window.Width();
    const long long h = window.Height();
    StartPosition pos;
    pos.move = true;
    pos.x = x;
    pos.y = y;
    if (x >= screenWidth)
        pos.x = static_cast<int>(workArea.right - w);
    else if (x + w < 0)
        pos.x = 0;
    if (y >= screenHeight)
        pos.y = static_cast<int>(workArea.bottom - h);
    else if (y + h < 0)
        pos.y = 0;
    return pos;
}

StartPosition RememberedStartPosition(int x, int y, const Rect& window, int screenWidth,
                                      int screenHeight) {
    const long long w = window.Width();
    const long long h = window.Height();
    StartPosition pos;
    if (x >= screenWidth || x + w < 0)
        x = kNoSavedPosition;
    if (y >= screenHeight || y + h < 0 || x == kNoSavedPosition) {
        pos.centerOnFirstPlay = true;
        return pos;
    }
    pos.move = true;
    pos.x = x;
    pos.y = y;
    return pos;
}

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

PlayPlan PlanPlay(const PlayPlanInput& in) {
    Rect from = in.window;
    if (in.maximised)
        from = {in.restored.left, in.restored.top, in.restored.left + in.window.Width(),
                in.restored.top + in.window.Height()};
    PlayPlan plan;
    plan.fit = FitWindowToCanvas({from, in.browserClientWidth, in.browserClientHeight,
                                  in.vscrollWidth, in.startup.workArea, in.canvasWidth,
                                  in.canvasHeight, in.minWidth});
    plan.scroll = plan.fit.scroll || (in.maximised && (plan.fit.width > in.window.Width() ||
                                                       plan.fit.height > in.window.Height()));
    if (in.startupPlacement)
        ApplyStartupPlacement(in.startup, plan.fit);
    return plan;
}
