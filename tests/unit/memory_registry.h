// An in-memory registry for the association tests, with either deletion behaviour:
// NT (a key with subkeys stays) or 95/98/Me (it goes with them). Names compare
// without regard to case, as in the registry.
#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "settings/registry.h"

class MemoryRegistry : public Registry {
  public:
    explicit MemoryRegistry(bool ntFamily) : m_nt(ntFamily) {}

    Key ClassesRoot() const override { return 1; }
    Key CurrentUser() const override { return 2; }
    bool UsePerUserClasses() override { return m_nt; }

    bool OpenOrCreateKey(Key parent, const std::string& path, Key& key, bool* created) override {
        auto base = m_open.find(parent);
        if (base == m_open.end() || !Exists(base->second))
            return false;
        std::string full = base->second;
        bool made = false;
        std::size_t start = 0;
        while (start <= path.size()) {
            std::size_t end = path.find('\\', start);
            if (end == std::string::npos)
                end = path.size();
            full += "\\" + Fold(path.substr(start, end - start));
            if (!Exists(full)) {
                m_keys[full];
                made = true;
            }
            start = end + 1;
        }
        key = m_nextHandle++;
        m_open[key] = full;
        if (created)
            *created = made;
        return true;
    }
    void CloseKey(Key key) override {
        if (key > 2)
            m_open.erase(key);
    }
    bool QueryStringValue(Key key, const std::string& name, std::string& text) override {
        text.clear();
        auto node = Node(key);
        if (node == m_keys.end())
            return false;
        auto value = node->second.find(Fold(name));
        if (value == node->second.end())
            return false;
        text = value->second;
        return true;
    }
    bool SetStringValue(Key key, const std::string& name, const std::string& text) override {
        auto node = Node(key);
        if (node == m_keys.end() || m_failWrites)
            return false;
        node->second[Fold(name)] = text;
        return true;
    }
    bool DeleteValue(Key key, const std::string& name) override {
        auto node = Node(key);
        return node != m_keys.end() && node->second.erase(Fold(name)) > 0;
    }
    bool DeleteKey(Key parent, const std::string& path) override {
        auto base = m_open.find(parent);
        if (base == m_open.end())
            return false;
        std::string full = base->second + "\\" + Fold(path);
        if (!Exists(full))
            return false;
        std::string prefix = full + "\\";
        bool hasSubkeys = false;
        for (auto& entry : m_keys)
            hasSubkeys |= entry.first.compare(0, prefix.size(), prefix) == 0;
        if (hasSubkeys && m_nt)
            return false;
        for (auto it = m_keys.begin(); it != m_keys.end();) {
            if (it->first == full || it->first.compare(0, prefix.size(), prefix) == 0)
                it = m_keys.erase(it);
            else
                ++it;
        }
        return true;
    }
    void NotifyAssociationsChanged() override { ++notifications; }

    // Test access: paths are relative to HKEY_CLASSES_ROOT ("HKCR") or
    // HKEY_CURRENT_USER ("HKCU"), written with backslashes.
    void PutKey(const std::string& path) {
        std::string full = Root(path);
        for (std::size_t i = full.find('\\'); i != std::string::npos; i = full.find('\\', i + 1))
            m_keys[full.substr(0, i)];
        m_keys[full];
    }
    void Put(const std::string& path, const std::string& name, const std::string& value) {
        PutKey(path);
        m_keys[Root(path)][Fold(name)] = value;
    }
    bool Has(const std::string& path) const { return Exists(Root(path)); }
    std::string Get(const std::string& path, const std::string& name) const {
        auto node = m_keys.find(Root(path));
        if (node == m_keys.end())
            return "<no key>";
        auto value = node->second.find(Fold(name));
        return value == node->second.end() ? "<no value>" : value->second;
    }
    std::size_t KeyCount() const { return m_keys.size(); }
    std::size_t OpenKeys() const { return m_open.size() - 2; }
    int notifications = 0;
    bool m_failWrites = false;

  private:
    using Values = std::map<std::string, std::string>;

    static std::string Fold(std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    }
    static std::string Root(const std::string& path) { return Fold(path); }
    bool Exists(const std::string& full) const { return m_keys.count(full) > 0; }
    std::map<std::string, Values>::iterator Node(Key key) {
        auto open = m_open.find(key);
        return open == m_open.end() ? m_keys.end() : m_keys.find(open->second);
    }

    bool m_nt;
    std::map<std::string, Values> m_keys = {{"hkcr", {}}, {"hkcu", {}}};
    std::map<Key, std::string> m_open = {{1, "hkcr"}, {2, "hkcu"}};
    Key m_nextHandle = 100;
};
