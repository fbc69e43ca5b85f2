// The file probe: a 300-byte head and a path, as any file and any name can give them.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "playback/probe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    unsigned char block[kProbeBlockSize] = {};
    std::size_t head = size < kProbeBlockSize ? size : kProbeBlockSize;
    std::memcpy(block, data, head);
    std::string path(reinterpret_cast<const char*>(data) + head, size - head);

    ProbeOutcome outcome = ProbeBlock(block, sizeof(block), path, IsCp932LeadByte);
    if (outcome.kind == AnimationKind::ShiPainter && !outcome.sizeKnown)
        std::abort();
    CanvasSize tag;
    ParseSizeTag(path, IsCp932LeadByte, tag);
    // Shorter blocks (a caller with less data) must not be read past their end.
    unsigned char* exact = static_cast<unsigned char*>(std::malloc(head ? head : 1));
    std::memcpy(exact, data, head);
    ScanShiPainterHeader(exact, head);
    std::free(exact);
    return 0;
}
