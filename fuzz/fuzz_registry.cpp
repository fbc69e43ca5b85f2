// Our removal never takes over an extension another program owns; every key is closed.
#include "../tests/unit/memory_registry.h"
#include "settings/file_type_registry.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    MemoryRegistry reg;
    const std::string root = "HKCU\\Software\\Classes\\";
    const std::string id = "Quenby_Lumaplay", owner = root + ".pch[]";
    CFileTypeRegistry types(reg);
    for (std::size_t i = 1; i < size; ++i) {
        const std::string before = reg.entries.count(owner) ? reg.entries[owner] : "";
        if ((data[i] & 7) == 0) // another program takes the extension, or empties it
            reg.Add(owner + "=" + std::string(data[i] >> 6, 'X'));
        else if ((data[i] & 7) < 3) // or adds a key below it or below our ProgID
            reg.Add(root + ((data[i] & 7) == 1 ? ".pch\\OpenWithProgids" : id + "\\shell\\print"));
        else if ((data[i] & 7) == 3)
            types.RegisterFileType(id, ".pch", "C:\\Program Files\\L\\Lumaplay.exe", 7, "d");
        else if (types.UnregisterFileType(id, ".pch") && !before.empty() && before != id &&
                 (!reg.entries.count(owner) || reg.entries[owner] != before))
            __builtin_trap();
        if (reg.open.size() != 1)
            __builtin_trap();
    }
    return 0;
}
