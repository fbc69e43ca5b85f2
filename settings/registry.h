// The few registry operations the file type association needs, behind an interface:
// the program uses the system registry, the unit tests an in-memory one.
#pragma once

#include <cstdint>
#include <string>

class Registry {
  public:
    using Key = std::uintptr_t; // 0 is no key

    virtual ~Registry() = default;

    virtual Key CurrentUser() const = 0; // HKEY_CURRENT_USER, never closed

    // Opens or creates parent\path (creating missing levels). created, when given,
    // tells whether the key is new.
    virtual bool OpenOrCreateKey(Key parent, const std::string& path, Key& key, bool* created) = 0;
    virtual void CloseKey(Key key) = 0;

    // A string value; name empty for the default value. False when absent.
    virtual bool QueryStringValue(Key key, const std::string& name, std::string& text) = 0;
    virtual bool SetStringValue(Key key, const std::string& name, const std::string& text) = 0;
    virtual bool DeleteValue(Key key, const std::string& name) = 0;
    // A value as it is stored, its type and its bytes: another program's value is kept
    // and given back exactly as it was. False when absent.
    struct RawValue {
        std::uint32_t type = 0;
        std::string bytes;
    };
    virtual bool QueryRawValue(Key key, const std::string& name, RawValue& value) = 0;
    virtual bool SetRawValue(Key key, const std::string& name, const RawValue& value) = 0;
    // Deletes parent\path: on the NT family only when it has no subkeys.
    virtual bool DeleteKey(Key parent, const std::string& path) = 0;

    // Tells the shell that file associations changed.
    virtual void NotifyAssociationsChanged() = 0;

    // A key opened through this registry, closed by it when the owner goes.
    class OwnedKey {
      public:
        explicit OwnedKey(Registry& registry) : m_registry(registry) {}
        ~OwnedKey() { reset(); }
        OwnedKey(const OwnedKey&) = delete;
        OwnedKey& operator=(const OwnedKey&) = delete;
        Key get() const { return m_key; }
        // For OpenOrCreateKey: a key held before is closed first.
        Key& out() {
            reset();
            return m_key;
        }
        void reset() {
            if (m_key != 0)
                m_registry.CloseKey(m_key);
            m_key = 0;
        }

      private:
        Registry& m_registry;
        Key m_key = 0;
    };
};
