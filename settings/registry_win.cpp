#include "settings/registry_win.h"
#include "framework/system_dlls.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

namespace {
HKEY ToHkey(Registry::Key key) {
    return reinterpret_cast<HKEY>(key);
}
Registry::Key FromHkey(HKEY key) {
    return reinterpret_cast<Registry::Key>(key);
}
const char* ValueName(const std::string& name) {
    return name.empty() ? nullptr : name.c_str();
}
} // namespace

Registry::Key Win32Registry::ClassesRoot() const {
    return FromHkey(HKEY_CLASSES_ROOT);
}

Registry::Key Win32Registry::CurrentUser() const {
    return FromHkey(HKEY_CURRENT_USER);
}

bool Win32Registry::UsePerUserClasses() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    return ::GetVersionExA(&version) && version.dwPlatformId != VER_PLATFORM_WIN32_WINDOWS;
}

bool Win32Registry::OpenOrCreateKey(Key parent, const std::string& path, Key& key, bool* created) {
    HKEY result = nullptr;
    DWORD disposition = 0;
    if (::RegCreateKeyExA(ToHkey(parent), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &result, &disposition) != ERROR_SUCCESS)
        return false;
    key = FromHkey(result);
    if (created)
        *created = disposition == REG_CREATED_NEW_KEY;
    return true;
}

void Win32Registry::CloseKey(Key key) {
    ::RegCloseKey(ToHkey(key));
}

bool Win32Registry::QueryStringValue(Key key, const std::string& name, std::string& text) {
    text.clear();
    DWORD size = 0;
    if (::RegQueryValueExA(ToHkey(key), ValueName(name), nullptr, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return false;
    std::vector<char> buffer(size + 1, '\0'); // one more: a value stored without its zero
    DWORD read = size;
    bool ok = ::RegQueryValueExA(ToHkey(key), ValueName(name), nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(buffer.data()), &read) == ERROR_SUCCESS;
    text = buffer.data();
    return ok;
}

bool Win32Registry::SetStringValue(Key key, const std::string& name, const std::string& text) {
    return ::RegSetValueExA(ToHkey(key), ValueName(name), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(Key key, const std::string& name) {
    return ::RegDeleteValueA(ToHkey(key), ValueName(name)) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(Key parent, const std::string& path) {
    return ::RegDeleteKeyA(ToHkey(parent), path.c_str()) == ERROR_SUCCESS;
}

void Win32Registry::NotifyAssociationsChanged() {
    sys::SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}
