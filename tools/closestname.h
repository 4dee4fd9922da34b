#pragma once
// Suggestions for misspelt names: the known name closest to a given one.

#include <string>
#include <string_view>
#include <vector>

// The candidate with the fewest single-character edits (insert, delete, replace, swap of two
// neighbours; ASCII letter case ignored, as the INI reader ignores it) from `name`, when that is at most a third of the
// candidate's length (and at least 1); empty when no candidate is that close.
std::string ClosestName(std::string_view name, const std::vector<std::string>& candidates);
