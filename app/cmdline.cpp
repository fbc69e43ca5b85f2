#include "app/cmdline.h"

#include <cstring>

void SplitCommandLine(const std::string& tail, CommandLineFiles& out, NameLength nameLength) {
    std::memset(out.files, 0, sizeof(out.files));
    out.count = 0;
    out.launchIndex = -1;
    out.nameTooLong = false;

    std::string line = tail;
    std::size_t switchPos = line.find("-BP:");
    if (switchPos != std::string::npos) {
        out.launchIndex = ParseDecimal(line.c_str() + switchPos + 4);
        // The character before the switch (the separating blank) goes too.
        line.resize(switchPos >= 1 ? switchPos - 1 : 0);
    }
    if (line.empty() || line[0] != '"')
        line = "\"" + ReplaceAll(line, " ", "\" \"") + "\"";

    std::size_t q = 0;
    while (out.count < kMaxCmdFiles && q < line.size()) {
        std::size_t open = line.find("\"", q);
        if (open == std::string::npos)
            break;
        std::size_t close = line.find("\"", open + 1);
        if (close == std::string::npos)
            break;
        std::size_t length = close - open - 1;
        const std::string name = line.substr(open + 1, length);
        if ((nameLength ? nameLength(name) : length) < static_cast<std::size_t>(kCmdFileSize) &&
            length < static_cast<std::size_t>(kCmdFileBytes)) {
            std::memcpy(out.files[out.count], line.data() + open + 1, length);
            ++out.count;
        } else {
            out.nameTooLong = true;
        }
        q = close + 1;
    }
    if (out.count == 0)
        out.count = 1; // entry 0 is already the empty name
}
