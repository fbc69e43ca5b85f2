// Stepping through the animations of a folder, free of any window: which of its names
// are animations, and which one comes before or after a given name.
#pragma once

#include <string>
#include <vector>

// A name ending in ".pch" or ".spch", in any letter case.
bool IsAnimationName(const std::string& name);

// The order names are shown in (the platform's logical order, "2" before "10").
using NameBefore = bool (*)(const std::string& a, const std::string& b);

// Among the animation names of a folder, the one just after current (step > 0) or just
// before it (step < 0) in that order; current itself need not be there any more. Empty
// at either end. An empty current gives the first animation.
std::string NeighbourAnimation(const std::vector<std::string>& names, const std::string& current,
                               int step, NameBefore before);
