// Stepping through the animations of a folder, free of any window: which of its names
// are animations, and which one comes before or after a given name. For names of either
// width (the program lists folders in UTF-16 and compares them as the shell does).
#pragma once

#include <string>
#include <vector>

// A name ending in ".pch" or ".spch", in any letter case.
template <typename Char> bool IsAnimationName(const std::basic_string<Char>& name) {
    const auto endsWith = [&](const char* ext, std::size_t length) {
        if (name.size() <= length)
            return false;
        for (std::size_t i = 0; i < length; ++i) {
            const Char c = name[name.size() - length + i];
            if ((c >= 'A' && c <= 'Z' ? static_cast<Char>(c - 'A' + 'a') : c) != static_cast<Char>(ext[i]))
                return false;
        }
        return true;
    };
    return endsWith(".pch", 4) || endsWith(".spch", 5);
}

// Among the animation names of a folder, the one just after current (step > 0) or just
// before it (step < 0) in the order before gives (the shell's logical order: "2" before
// "10"); current itself need not be there any more. Empty at either end. An empty
// current gives the first animation. One pass, no sort: thousands of names take no time.
template <typename String, typename Before>
String NeighbourAnimation(const std::vector<String>& names, const String& current, int step,
                          Before before) {
    const String* best = nullptr;
    for (const String& name : names) {
        if (!IsAnimationName(name))
            continue;
        const bool beyond = step > 0 ? current.empty() || before(current, name) : before(name, current);
        if (beyond && (best == nullptr || (step > 0 ? before(name, *best) : before(*best, name))))
            best = &name;
    }
    return best != nullptr ? *best : String();
}
