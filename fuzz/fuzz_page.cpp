// The player page with hostile path values: they never break out of their attribute.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "playback/page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t cut = text.find('\x01');
    std::string appDir = text.substr(0, cut);
    std::string relPath = cut == std::string::npos ? "" : text.substr(cut + 1);
    for (const std::string& value : {appDir, relPath}) {
        std::string escaped = EscapeAttribute(value);
        if (escaped.find_first_of("'\"<>") != std::string::npos)
            std::abort();
    }
    std::string page = PlayerPageText(
        size % 2 ? AnimationKind::PaintBBS : AnimationKind::ShiPainter,
        static_cast<int>(size) - 150, -static_cast<int>(size), size % 3 == 0, appDir, relPath);
    if (page.find("codebase='" + EscapeAttribute(appDir) + "'") == std::string::npos)
        std::abort();
    return 0;
}
