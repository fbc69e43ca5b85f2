// An in-memory registry: as in the system's, a key with subkeys cannot be deleted. Keys
// and values share one sorted map: "HKCU\.pch" is a key and "HKCU\.pch[name]" a value;
// all a key holds sorts from "<key>[" to "<key>]".
#pragma once

#include <algorithm>
#include <map>
#include <string>

#include "settings/registry.h"

struct MemoryRegistry : Registry {
    auto From(const std::string& path) const { return entries.lower_bound(path); }
    Key CurrentUser() const override { return 2; }
    bool OpenOrCreateKey(Key parent, const std::string& path, Key& key, bool* created) override {
        const std::string full = open.at(parent) + "\\" + path;
        if (created != nullptr)
            *created = entries.count(full) == 0;
        Add(open[key = next++] = full);
        return true;
    }
    void CloseKey(Key key) override { open.erase(key > 2 ? key : 0); } // the root stays open
    bool QueryStringValue(Key key, const std::string& name, std::string& text) override {
        const bool found = entries.count(open.at(key) + "[" + name + "]") != 0;
        text = found ? entries[open[key] + "[" + name + "]"] : "";
        return found;
    }
    bool SetStringValue(Key key, const std::string& name, const std::string& text) override {
        return SetRawValue(key, name, {1, text});
    }
    bool DeleteValue(Key key, const std::string& name) override {
        types.erase(open.at(key) + "[" + name + "]");
        return entries.erase(open.at(key) + "[" + name + "]") != 0;
    }
    // A value of another type than a string is written "(type)bytes".
    bool QueryRawValue(Key key, const std::string& name, RawValue& value) override {
        const std::string at = open.at(key) + "[" + name + "]";
        value = {types.count(at) ? types[at] : 1u, entries.count(at) ? entries[at] : ""};
        return entries.count(at) != 0;
    }
    bool SetRawValue(Key key, const std::string& name, const RawValue& value) override {
        const std::string at = open.at(key) + "[" + name + "]";
        value.type == 1 ? (void)types.erase(at) : (void)(types[at] = value.type);
        return entries[at] = value.bytes, true;
    }
    bool DeleteKey(Key parent, const std::string& path) override {
        const std::string key = open.at(parent) + "\\" + path;
        if (entries.count(key) == 0 || From(key + "\\") != From(key + "]"))
            return false;
        entries.erase(From(key + "["), From(key + "]"));
        return entries.erase(key) != 0;
    }
    void NotifyAssociationsChanged() override { ++notifications; }

    // Adds "key[name]=value", or just "key", and every key above it.
    void Add(const std::string& item) {
        for (std::size_t at = 0; at < item.find('['); at = item.find('\\', at + 1))
            entries[item.substr(0, std::min(item.find('\\', at + 1), item.find('[')))];
        const std::size_t is = item.find("]="), type = item.find(")", is);
        if (is != std::string::npos && item.compare(is + 2, 1, "(") == 0)
            types[item.substr(0, is + 1)] = std::stoul(item.substr(is + 3, type - is - 3));
        if (is != std::string::npos)
            entries[item.substr(0, is + 1)] = item.substr(item[is + 2] == '(' ? type + 1 : is + 2);
    }
    // Below root: each value as "key[name]=value" and each key that holds nothing as
    // "key", joined by " | ".
    std::string Dump(const std::string& root) const {
        std::string out;
        for (auto e = From(root + "\\"); e != From(root + "]"); ++e)
            if (e->first.back() == ']' || From(e->first + "[") == From(e->first + "]"))
                out += " | " + e->first.substr(root.size() + 1) +
                       (e->first.back() == ']' ? "=" + Type(e->first) + e->second : "");
        return out.substr(std::min<std::size_t>(3, out.size()));
    }

    std::string Type(const std::string& at) const {
        return types.count(at) ? "(" + std::to_string(types.at(at)) + ")" : "";
    }

    int notifications = 0;
    std::map<std::string, std::uint32_t> types; // values that are no strings
    std::map<std::string, std::string> entries = {{"HKCU", ""}};
    std::map<Key, std::string> open = {{2, "HKCU"}};
    Key next = 3;
};
