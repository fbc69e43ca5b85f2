// The player page with hostile path values: they never break out of their attribute.
#include "playback/page.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string page = PlayerPageText(AnimationKind::PaintBBS, 0, 0, false, text, text);
    if (EscapeAttribute(text).find_first_of("'\"<>") != std::string::npos ||
        page.find("codebase='" + EscapeAttribute(text) + "'") == std::string::npos)
        __builtin_trap();
    return 0;
}
