// An in-memory registry: on the NT family a key with subkeys cannot be deleted, on 95/98/Me
// it goes with them. Keys and values share one sorted map: "HKCR\.pch" is a key and
// "HKCR\.pch[name]" a value; all a key holds sorts from "<key>[" to "<key>]".
#pragma once

#include <algorithm>
#include <map>
#include <string>

#include "settings/registry.h"

struct MemoryRegistry : Registry {
    explicit MemoryRegistry(bool ntFamily) : nt(ntFamily) {}
    auto From(const std::string& path) const { return entries.lower_bound(path); }
    Key ClassesRoot() const override { return 1; }
    Key CurrentUser() const override { return 2; }
    bool UsePerUserClasses() override { return nt; }
    bool OpenOrCreateKey(Key parent, const std::string& path, Key& key, bool* created) override {
        const std::string full = open.at(parent) + "\\" + path;
        if (created != nullptr)
            *created = entries.count(full) == 0;
        Add(open[key = next++] = full);
        return true;
    }
    void CloseKey(Key key) override { open.erase(key > 2 ? key : 0); } // the roots stay open
    bool QueryStringValue(Key key, const std::string& name, std::string& text) override {
        const bool found = entries.count(open.at(key) + "[" + name + "]") != 0;
        text = found ? entries[open[key] + "[" + name + "]"] : "";
        return found;
    }
    bool SetStringValue(Key key, const std::string& name, const std::string& text) override {
        entries[open.at(key) + "[" + name + "]"] = text;
        return true;
    }
    bool DeleteValue(Key key, const std::string& name) override {
        return entries.erase(open.at(key) + "[" + name + "]") != 0;
    }
    bool DeleteKey(Key parent, const std::string& path) override {
        const std::string key = open.at(parent) + "\\" + path;
        if (entries.count(key) == 0 || (nt && From(key + "\\") != From(key + "]")))
            return false;
        entries.erase(From(key + "["), From(key + "]"));
        return entries.erase(key) != 0;
    }
    void NotifyAssociationsChanged() override { ++notifications; }

    // Adds "key[name]=value", or just "key", and every key above it.
    void Add(const std::string& item) {
        for (std::size_t at = 0; at < item.find('['); at = item.find('\\', at + 1))
            entries[item.substr(0, std::min(item.find('\\', at + 1), item.find('[')))];
        if (item.find("]=") != std::string::npos)
            entries[item.substr(0, item.find("]=") + 1)] = item.substr(item.find("]=") + 2);
    }
    // Below root: each value as "key[name]=value" and each key that holds nothing as
    // "key", joined by " | ".
    std::string Dump(const std::string& root) const {
        std::string out;
        for (auto e = From(root + "\\"); e != From(root + "]"); ++e)
            if (e->first.back() == ']' || From(e->first + "[") == From(e->first + "]"))
                out += " | " + e->first.substr(root.size() + 1) +
                       (e->first.back() == ']' ? "=" + e->second : "");
        return out.substr(std::min<std::size_t>(3, out.size()));
    }

    bool nt;
    int notifications = 0;
    std::map<std::string, std::string> entries = {{"HKCR", ""}, {"HKCU", ""}};
    std::map<Key, std::string> open = {{1, "HKCR"}, {2, "HKCU"}};
    Key next = 3;
};
