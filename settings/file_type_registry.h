// Associating ".pch" and ".spch" with the program in the registry, and undoing it so
// that whatever was there before comes back.
#pragma once

#include <string>

#include "settings/registry.h"

class CFileTypeRegistry {
  public:
    explicit CFileTypeRegistry(Registry& registry) : m_registry(registry) {}

    // Extension E opens with ProgID P: "\"X\" \"%1\"", icon "X,N", description D. The
    // extension's earlier default is kept in its value named P.
    bool RegisterFileType(const std::string& progId, const std::string& ext,
                          const std::string& programPath, int iconIndex,
                          const std::string& description);
    // Removes ProgID P and gives E back what it had before. Never deletes an extension
    // key that another program owns.
    bool UnregisterFileType(const std::string& progId, const std::string& ext);

  private:
    template <typename Procedure> bool UnderClassRoot(Procedure procedure);
    bool RegisterUnder(Registry::Key root, const std::string& progId, const std::string& ext,
                       const std::string& programPath, int iconIndex,
                       const std::string& description);
    bool UnregisterUnder(Registry::Key root, const std::string& progId, const std::string& ext);

    Registry& m_registry;
};
