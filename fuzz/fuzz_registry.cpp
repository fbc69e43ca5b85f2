// Random sequences of association changes and other programs' registry edits. Our
// removal must never delete, or take over, an extension another program owns, and
// every procedure must close every key it opened.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "../tests/unit/memory_registry.h"
#include "settings/file_type_registry.h"

namespace {
const char* const kExts[] = {".pch", ".spch"};
const char* const kProgIds[] = {"Quenby_Lumaplay", "Quenby_LumaplaySPCH"};
const char* const kOthers[] = {"Other.Viewer", "Paint.Tool", ""};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryRegistry reg(size == 0 || (data[0] & 1) != 0);
    const std::string root = reg.UsePerUserClasses() ? "HKCU\\Software\\Classes\\" : "HKCR\\";
    CFileTypeRegistry types(reg);
    for (std::size_t i = 1; i < size; ++i) {
        const int which = (data[i] >> 4) & 1;
        const std::string ext = kExts[which];
        const std::string progId = kProgIds[which];
        switch (data[i] & 7) {
        case 0: // another program takes the extension
            reg.Put(root + ext, "", kOthers[(data[i] >> 5) % 3]);
            break;
        case 1:
            reg.PutKey(root + ext + "\\OpenWithProgids");
            break;
        case 2:
            reg.PutKey(root + progId + "\\shell\\print");
            break;
        case 3:
            types.RegisterFileType(progId, ext, "C:\\Program Files\\L\\Lumaplay.exe", 7, "d");
            break;
        default: { // our removal, as the settings dialog runs it
            const std::string before = reg.Get(root + ext, "");
            const bool foreign = reg.Has(root + ext) && before != "<no value>" && !before.empty() &&
                                 before != progId;
            types.UnregisterFileType(progId, ext);
            if (foreign && reg.Get(root + ext, "") != before)
                std::abort();
            break;
        }
        }
        if (reg.OpenKeys() != 0)
            std::abort();
    }
    return 0;
}
