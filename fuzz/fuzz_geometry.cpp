// Fit, placement and start positions for any geometry, canvas size, launch index or INI value.
#include <cstring>

#include "ui/placement.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    int v[23] = {};
    std::memcpy(v, data, size < sizeof(v) ? size : sizeof(v));
    auto c = [&](int i) { return v[i] % 1000000; }; // screen coordinates and sizes
    const Rect window = {c(0), c(1), c(0) + c(2), c(1) + c(3)};
    const Rect work = {c(4), c(5), c(4) + c(6), c(5) + c(7)};
    FitResult fit = FitWindowToCanvas({window, c(8), c(9), v[10] & 0xFF, work, v[11], v[12]});
    ApplyStartupPlacement({v[13], v[14] % 3, (v[15] & 1) != 0, v[16] & 0xFF, work}, fit);
    FixedStartPosition(v[17], v[18], window, c(19), c(20), work);
    RememberedStartPosition(v[21], v[22], window, c(19), c(20));
    return 0;
}
