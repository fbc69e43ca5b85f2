// Command-line splitting: any tail gives 1 to 20 NUL-terminated entries.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/cmdline.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string line = text.c_str(); // a command line ends at its first NUL
    CommandLineFiles files;
    SplitCommandLine(CommandLineTail(line.c_str()), IsCp932LeadByte, files);
    if (files.count < 1 || files.count > kMaxCmdFiles)
        std::abort();
    for (int i = 0; i < kMaxCmdFiles; ++i) {
        if (std::memchr(files.files[i], '\0', kCmdFileSize) == nullptr)
            std::abort();
        if (i >= files.count && files.files[i][0] != '\0')
            std::abort();
    }
    SplitCommandLine(line, IsCp932LeadByte, files);
    return 0;
}
