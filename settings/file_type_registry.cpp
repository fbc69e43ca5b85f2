#include "settings/file_type_registry.h"
#include "framework/mbstr.h"

namespace {
constexpr std::uint32_t kStringType = 1; // REG_SZ
}

template <typename Procedure> bool CFileTypeRegistry::UnderClassRoot(Procedure procedure) {
    // The associations go under the user's own classes, which needs no administrator.
    Registry::OwnedKey userClasses(m_registry);
    if (!m_registry.OpenOrCreateKey(m_registry.CurrentUser(), "Software\\Classes",
                                    userClasses.out(), nullptr))
        return false;
    bool ok = procedure(userClasses.get());
    if (ok)
        m_registry.NotifyAssociationsChanged();
    return ok;
}

bool CFileTypeRegistry::RegisterFileType(const std::string& progId, const std::string& ext,
                                         const std::string& programPath, int iconIndex,
                                         const std::string& description) {
    return UnderClassRoot([&](Registry::Key root) {
        return RegisterUnder(root, progId, ext, programPath, iconIndex, description);
    });
}

bool CFileTypeRegistry::UnregisterFileType(const std::string& progId, const std::string& ext) {
    return UnderClassRoot([&](Registry::Key root) { return UnregisterUnder(root, progId, ext); });
}

bool CFileTypeRegistry::RegisterUnder(Registry::Key root, const std::string& progId,
                                      const std::string& ext, const std::string& programPath,
                                      int iconIndex, const std::string& description) {
    Registry::OwnedKey extKey(m_registry), progKey(m_registry), commandKey(m_registry),
        iconKey(m_registry);
    if (!m_registry.OpenOrCreateKey(root, ext, extKey.out(), nullptr))
        return false;
    bool created = false;
    // A registration needs a fresh ProgID key.
    if (!m_registry.OpenOrCreateKey(root, progId, progKey.out(), &created) || !created)
        return false;
    if (!m_registry.OpenOrCreateKey(progKey.get(), "shell\\open\\command", commandKey.out(),
                                    nullptr) ||
        !m_registry.OpenOrCreateKey(progKey.get(), "DefaultIcon", iconKey.out(), nullptr))
        return false;

    // The extension's owner before us is kept as it is stored (a number stays a number),
    // under our ProgID's name, to be given back at removal.
    std::string previous;
    m_registry.QueryStringValue(extKey.get(), "", previous);
    Registry::RawValue owner;
    const bool owned = m_registry.QueryRawValue(extKey.get(), "", owner) &&
                       !(owner.type == kStringType && previous.empty());
    if (previous != progId) {
        if (owned && !m_registry.SetRawValue(extKey.get(), progId, owner))
            return false;
        if (!m_registry.SetStringValue(extKey.get(), "", progId))
            return false;
    }
    return m_registry.SetStringValue(progKey.get(), "", description) &&
           m_registry.SetStringValue(commandKey.get(), "", "\"" + programPath + "\" \"%1\"") &&
           m_registry.SetStringValue(iconKey.get(), "", programPath + "," + FormatDecimal(iconIndex));
}

bool CFileTypeRegistry::UnregisterUnder(Registry::Key root, const std::string& progId,
                                        const std::string& ext) {
    Registry::OwnedKey extKey(m_registry), progKey(m_registry), shellKey(m_registry),
        openKey(m_registry);
    if (!m_registry.OpenOrCreateKey(root, ext, extKey.out(), nullptr) ||
        !m_registry.OpenOrCreateKey(root, progId, progKey.out(), nullptr) ||
        !m_registry.OpenOrCreateKey(progKey.get(), "shell", shellKey.out(), nullptr) ||
        !m_registry.OpenOrCreateKey(shellKey.get(), "open", openKey.out(), nullptr))
        return false;

    std::string current;
    m_registry.QueryStringValue(extKey.get(), "", current);
    // Ours, or nobody's: no value, or a string that is empty or names us. A value of
    // another type (a number) belongs to another program, whatever it reads as.
    Registry::RawValue currentValue;
    const bool ours = !m_registry.QueryRawValue(extKey.get(), "", currentValue) ||
                      (currentValue.type == kStringType && (current.empty() || current == progId));
    Registry::RawValue saved;
    if (m_registry.QueryRawValue(extKey.get(), progId, saved)) {
        // Put back what the extension had before, unless another program has taken
        // the extension since: then its association stays.
        if (ours && !m_registry.SetRawValue(extKey.get(), "", saved))
            return false;
        m_registry.DeleteValue(extKey.get(), progId);
    } else if (ours) {
        // Nothing to put back: the extension was ours alone (or made just now by
        // opening it). A key that survives because of subkeys keeps no pointer to us.
        m_registry.DeleteValue(extKey.get(), "");
        m_registry.DeleteKey(root, ext);
    }

    m_registry.DeleteKey(openKey.get(), "command");
    m_registry.DeleteKey(shellKey.get(), "open");
    m_registry.DeleteKey(progKey.get(), "shell");
    m_registry.DeleteKey(progKey.get(), "DefaultIcon");
    m_registry.DeleteKey(root, progId);
    return true;
}
