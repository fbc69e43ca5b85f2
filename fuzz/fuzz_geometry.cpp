// Window fit, start placement, start position and layout over any screen geometry
// within a million pixels, and any canvas size a file name can carry.
#include <cstdint>
#include <cstring>

#include "playback/window_fit.h"
#include "ui/layout.h"
#include "ui/window_rules.h"

namespace {

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::int32_t Int() {
        std::int32_t v = 0;
        std::size_t n = size < sizeof(v) ? size : sizeof(v);
        std::memcpy(&v, data, n);
        data += n;
        size -= n;
        return v;
    }
    int Coord() { return Int() % 1000000; }
    Rect Rectangle() {
        Rect r;
        r.left = Coord();
        r.top = Coord();
        r.right = r.left + (Int() & 0xFFFFF);
        r.bottom = r.top + (Int() & 0xFFFFF);
        return r;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in{data, size};
    Rect window = in.Rectangle();
    Rect work = in.Rectangle();
    FitInput fit{
        window,  in.Coord() & 0xFFFFF, in.Coord() & 0xFFFFF, in.Coord() & 0xFF, work, in.Int(),
        in.Int()};
    FitResult result = FitWindowToCanvas(fit);
    ApplyStartupPlacement({in.Int(), in.Int() % 3, (in.Int() & 1) != 0, in.Coord() & 0xFF, work},
                          result);
    FixedStartPosition(in.Int(), in.Int(), window, in.Coord(), in.Coord(), work);
    RememberedStartPosition(in.Int(), in.Int(), window, in.Coord(), in.Coord());
    HighlightColour(static_cast<std::uint32_t>(in.Int()));
    LayoutEntry entry = {1000, in.Int() % 10, 0, 0, 0, 0, 0};
    CaptureLayoutEntry(entry, window, in.Rectangle());
    ApplyLayoutEntry(entry, in.Rectangle());
    return 0;
}
