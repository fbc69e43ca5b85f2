#include "settings/settings_logic.h"

const char kWarningCaption[] = "WORNING";

namespace {
const char kProgIdBase[] = "Quenby_Lumaplay";
}

const char* CanvasSizeWarning(int width, int height) {
    if (width < kMinDefaultSize)
        return "サイズＸは100以上を指定してください。";
    if (width > kMaxDefaultSize)
        return "サイズＸは10000以下を指定してください。";
    if (height < kMinDefaultSize)
        return "サイズＹは100以上を指定してください。";
    if (height > kMaxDefaultSize)
        return "サイズＹは10000以下を指定してください。";
    return nullptr;
}

std::vector<std::pair<IntSetting, int>> SettingsToWrite(const SettingsValues& v) {
    std::vector<std::pair<IntSetting, int>> writes;
    for (const SettingRow& row : kSettingRows)
        if (row.controlId != 0)
            writes.emplace_back(row.key, v[row.key]);
    return writes;
}

std::vector<AssociationChange> AssociationChanges(int pchAtOpen, int spchAtOpen,
                                                  const SettingsValues& values) {
    std::vector<AssociationChange> changes;
    const int pch = values[IntSetting::AssociatePch], spch = values[IntSetting::AssociateSpch];
    if (pch != pchAtOpen)
        changes.push_back({IntSetting::AssociatePch, kProgIdBase, ".pch", pch != 0, 7,
                           "Lumaplay-PaintBBS-PCH"});
    if (spch != spchAtOpen)
        changes.push_back({IntSetting::AssociateSpch, std::string(kProgIdBase) + "SPCH", ".spch",
                           spch != 0, 9, "Lumaplay-ShiPaint-SPCH"});
    return changes;
}

std::vector<std::pair<IntSetting, int>> ApplyAssociationChanges(CFileTypeRegistry& types,
                                                         const std::string& programPath,
                                                         int& pchAtOpen, int& spchAtOpen,
                                                         const SettingsValues& values) {
    std::vector<std::pair<IntSetting, int>> failed;
    for (const AssociationChange& change : AssociationChanges(pchAtOpen, spchAtOpen, values)) {
        bool done = types.UnregisterFileType(change.progId, change.ext);
        if (change.registerAfter)
            done = types.RegisterFileType(change.progId, change.ext, programPath,
                                          change.iconIndex, change.description) &&
                   done;
        int& atOpen = change.setting == IntSetting::AssociatePch ? pchAtOpen : spchAtOpen;
        if (done)
            atOpen = change.registerAfter ? 1 : 0;
        else
            failed.emplace_back(change.setting, atOpen);
    }
    return failed;
}
