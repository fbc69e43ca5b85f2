// Command-line splitting: any line gives 1 to 20 entries, each ended by a NUL in its space.
// The same bytes as a tagged hand-off record are never read past their end.
#include "app/cmdline.h"
#include "app/startup.h"
#include "framework/command_line.h"
#include "program/identity.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    CommandLineFiles files;
    SplitCommandLine(CommandLineTail(line.c_str()), files);
    for (int i = 0; i < kMaxCmdFiles; ++i)
        if (files.count < 1 || files.count > kMaxCmdFiles || files.files[i][kCmdFileBytes - 1] != 0)
            __builtin_trap();
    ReadHandOffRecord(kWideHandOffTag, data, size);
    return 0;
}
