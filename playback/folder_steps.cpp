#include "playback/folder_steps.h"

bool IsAnimationName(const std::string& name) {
    const auto endsWith = [&](const char* ext, std::size_t length) {
        if (name.size() <= length)
            return false;
        for (std::size_t i = 0; i < length; ++i) {
            const char c = name[name.size() - length + i];
            if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != ext[i])
                return false;
        }
        return true;
    };
    return endsWith(".pch", 4) || endsWith(".spch", 5);
}

std::string NeighbourAnimation(const std::vector<std::string>& names, const std::string& current,
                               int step, NameBefore before) {
    // One pass, no sort: a folder of thousands of files is stepped through at once.
    const std::string* best = nullptr;
    for (const std::string& name : names) {
        if (!IsAnimationName(name))
            continue;
        const bool beyond = step > 0 ? current.empty() || before(current, name) : before(name, current);
        if (beyond && (best == nullptr || (step > 0 ? before(name, *best) : before(*best, name))))
            best = &name;
    }
    return best != nullptr ? *best : std::string();
}
