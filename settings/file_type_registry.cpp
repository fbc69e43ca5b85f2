#include "settings/file_type_registry.h"
#include "framework/mbstr.h"

Registry::Key& CFileTypeRegistry::KeyList::Next() {
    for (Registry::Key& key : m_keys)
        if (key == 0)
            return key;
    // Each procedure opens at most four keys; the last entry is reused rather than
    // written past the list.
    m_registry.CloseKey(m_keys[kMaxKeys - 1]);
    m_keys[kMaxKeys - 1] = 0;
    return m_keys[kMaxKeys - 1];
}

void CFileTypeRegistry::KeyList::CloseKeys() {
    for (Registry::Key& key : m_keys) {
        if (key == 0)
            break;
        m_registry.CloseKey(key);
        key = 0;
    }
}

template <typename Procedure> bool CFileTypeRegistry::UnderClassRoot(Procedure procedure) {
    Registry::Key root = m_registry.ClassesRoot();
    if (m_registry.UsePerUserClasses() &&
        !m_registry.OpenOrCreateKey(m_registry.CurrentUser(), "Software\\Classes", root, nullptr))
        return false;
    bool ok = procedure(root);
    if (ok)
        m_registry.NotifyAssociationsChanged();
    if (root != m_registry.ClassesRoot())
        m_registry.CloseKey(root);
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
    KeyList keys(m_registry);
    Registry::Key& extKey = keys.Next();
    if (!m_registry.OpenOrCreateKey(root, ext, extKey, nullptr))
        return false;
    Registry::Key& progKey = keys.Next();
    bool created = false;
    // A registration needs a fresh ProgID key.
    if (!m_registry.OpenOrCreateKey(root, progId, progKey, &created) || !created)
        return false;
    Registry::Key& commandKey = keys.Next();
    if (!m_registry.OpenOrCreateKey(progKey, "shell\\open\\command", commandKey, nullptr))
        return false;
    Registry::Key& iconKey = keys.Next();
    if (!m_registry.OpenOrCreateKey(progKey, "DefaultIcon", iconKey, nullptr))
        return false;

    std::string previous;
    m_registry.QueryStringValue(extKey, "", previous);
    if (previous != progId) {
        if (!previous.empty() && !m_registry.SetStringValue(extKey, progId, previous))
            return false;
        if (!m_registry.SetStringValue(extKey, "", progId))
            return false;
    }
    return m_registry.SetStringValue(progKey, "", description) &&
           m_registry.SetStringValue(commandKey, "", "\"" + programPath + "\" \"%1\"") &&
           m_registry.SetStringValue(iconKey, "", programPath + "," + FormatDecimal(iconIndex));
}

bool CFileTypeRegistry::UnregisterUnder(Registry::Key root, const std::string& progId,
                                        const std::string& ext) {
    KeyList keys(m_registry);
    Registry::Key& extKey = keys.Next();
    if (!m_registry.OpenOrCreateKey(root, ext, extKey, nullptr))
        return false;
    Registry::Key& progKey = keys.Next();
    if (!m_registry.OpenOrCreateKey(root, progId, progKey, nullptr))
        return false;
    Registry::Key& shellKey = keys.Next();
    if (!m_registry.OpenOrCreateKey(progKey, "shell", shellKey, nullptr))
        return false;
    Registry::Key& openKey = keys.Next();
    if (!m_registry.OpenOrCreateKey(shellKey, "open", openKey, nullptr))
        return false;

    std::string current;
    m_registry.QueryStringValue(extKey, "", current);
    const bool ours = current.empty() || current == progId;
    std::string saved;
    if (m_registry.QueryStringValue(extKey, progId, saved)) {
        // Put back what the extension had before, unless another program has taken
        // the extension since: then its association stays.
        if (ours && !m_registry.SetStringValue(extKey, "", saved))
            return false;
        m_registry.DeleteValue(extKey, progId);
    } else if (ours) {
        // Nothing to put back: the extension was ours alone (or made just now by
        // opening it). A key that survives because of subkeys keeps no pointer to us.
        m_registry.DeleteValue(extKey, "");
        m_registry.DeleteKey(root, ext);
    }

    m_registry.DeleteKey(openKey, "command");
    m_registry.DeleteKey(shellKey, "open");
    m_registry.DeleteKey(progKey, "shell");
    m_registry.DeleteKey(progKey, "DefaultIcon");
    m_registry.DeleteKey(root, progId);
    return true;
}
