#include "settings/registry_win.h"
#include "framework/system_dlls.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "framework/text.h"

namespace {
HKEY ToHkey(Registry::Key key) {
    return reinterpret_cast<HKEY>(key);
}
Registry::Key FromHkey(HKEY key) {
    return reinterpret_cast<Registry::Key>(key);
}
// Names and values are UTF-8 (the program's path may be any name); the default value
// has the empty name.
struct WideName {
    explicit WideName(const std::string& name) : text(Widen(name)) {}
    const wchar_t* get() const { return text.empty() ? nullptr : text.c_str(); }
    std::wstring text;
};
} // namespace

Registry::Key Win32Registry::CurrentUser() const {
    return FromHkey(HKEY_CURRENT_USER);
}

bool Win32Registry::OpenOrCreateKey(Key parent, const std::string& path, Key& key, bool* created) {
    HKEY result = nullptr;
    DWORD disposition = 0;
    if (::RegCreateKeyExW(ToHkey(parent), Widen(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
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
    const WideName value(name);
    DWORD size = 0;
    if (::RegQueryValueExW(ToHkey(key), value.get(), nullptr, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return false;
    // One more: a value stored without its zero.
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 2, L'\0');
    DWORD read = size;
    bool ok = ::RegQueryValueExW(ToHkey(key), value.get(), nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(buffer.data()), &read) == ERROR_SUCCESS;
    text = Narrow(buffer.data());
    return ok;
}

bool Win32Registry::SetStringValue(Key key, const std::string& name, const std::string& text) {
    const std::wstring wide = Widen(text);
    return ::RegSetValueExW(ToHkey(key), WideName(name).get(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(wide.c_str()),
                            static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))) ==
           ERROR_SUCCESS;
}

bool Win32Registry::QueryRawValue(Key key, const std::string& name, RawValue& value) {
    const WideName wide(name);
    DWORD type = 0, size = 0;
    if (::RegQueryValueExW(ToHkey(key), wide.get(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    value.bytes.assign(size, '\0');
    const bool ok = ::RegQueryValueExW(ToHkey(key), wide.get(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(&value.bytes[0]), &size) == ERROR_SUCCESS;
    value.bytes.resize(ok ? size : 0);
    value.type = type;
    return ok;
}

bool Win32Registry::SetRawValue(Key key, const std::string& name, const RawValue& value) {
    return ::RegSetValueExW(ToHkey(key), WideName(name).get(), 0, value.type,
                            reinterpret_cast<const BYTE*>(value.bytes.data()),
                            static_cast<DWORD>(value.bytes.size())) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(Key key, const std::string& name) {
    return ::RegDeleteValueW(ToHkey(key), WideName(name).get()) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(Key parent, const std::string& path) {
    return ::RegDeleteKeyW(ToHkey(parent), Widen(path).c_str()) == ERROR_SUCCESS;
}

void Win32Registry::NotifyAssociationsChanged() {
    sys::SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}
