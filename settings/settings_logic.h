// What the settings dialog does with its values on OK, free of any window.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "settings/file_type_registry.h"
#include "settings/settings_keys.h"

// The warning for a default canvas size out of range, checked in the order width
// below, width above, height below, height above; nullptr when both are in range.
const char* CanvasSizeWarning(int width, int height);
extern const char kWarningCaption[]; // "WORNING"

// The settings the dialog shows, in the order they are written, with their values.
std::vector<std::pair<IntSetting, int>> SettingsToWrite(const SettingsValues& values);

// One change of an association: the removal always, the registration when turned on.
struct AssociationChange {
    IntSetting setting; // the check box's key
    std::string progId;
    std::string ext;
    bool registerAfter;
    int iconIndex;
    std::string description;
};

// Changes for the check boxes that differ from the values read when the dialog opened.
std::vector<AssociationChange> AssociationChanges(int pchAtOpen, int spchAtOpen,
                                                  const SettingsValues& values);

// Makes the changes from the boxes' states at open over the registry. A change that
// went through becomes the new state at open, so that trying again after a failure
// does not redo it. Gives, for each change that failed, its key with the state the
// association still has: the settings file is to keep that, not the wish that failed.
std::vector<std::pair<IntSetting, int>> ApplyAssociationChanges(CFileTypeRegistry& types,
                                                         const std::string& programPath,
                                                         int& pchAtOpen, int& spchAtOpen,
                                                         const SettingsValues& values);
