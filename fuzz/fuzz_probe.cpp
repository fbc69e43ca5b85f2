// The file probe on a head of up to 300 bytes and a path, as any file and any name give them.
#include "playback/probe.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::size_t head = std::min(size, kProbeBlockSize);
    const std::string path(reinterpret_cast<const char*>(data) + head, size - head);
    ProbeBlock(data, head, path); // a short head is never read past its end
    return 0;
}
