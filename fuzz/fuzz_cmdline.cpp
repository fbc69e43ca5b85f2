// Command-line splitting: any line gives 1 to 20 entries, each ended by a NUL in its space.
#include "app/cmdline.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    CommandLineFiles files;
    SplitCommandLine(CommandLineTail(line.c_str()), IsCp932LeadByte, files);
    for (int i = 0; i < kMaxCmdFiles; ++i)
        if (files.count < 1 || files.count > kMaxCmdFiles || files.files[i][kCmdFileSize - 1] != 0)
            __builtin_trap();
    return 0;
}
