// The system registry behind the association procedures.
#pragma once

#include "settings/registry.h"

class Win32Registry : public Registry {
  public:
    Key CurrentUser() const override;
    bool OpenOrCreateKey(Key parent, const std::string& path, Key& key, bool* created) override;
    void CloseKey(Key key) override;
    bool QueryStringValue(Key key, const std::string& name, std::string& text) override;
    bool SetStringValue(Key key, const std::string& name, const std::string& text) override;
    bool DeleteValue(Key key, const std::string& name) override;
    bool QueryRawValue(Key key, const std::string& name, RawValue& value) override;
    bool SetRawValue(Key key, const std::string& name, const RawValue& value) override;
    bool DeleteKey(Key parent, const std::string& path) override;
    void NotifyAssociationsChanged() override;
};
