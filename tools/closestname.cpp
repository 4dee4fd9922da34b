#include "tools/closestname.h"

#include <algorithm>

#include "settings/asciitext.h"

namespace {

// The fewest inserts, deletes, replacements and swaps of two neighbours (the usual slips of the
// finger) that turn a into b.
size_t EditDistance(std::string_view a, std::string_view b) {
    const auto same = [&](size_t i, size_t j) { return AsciiUpper(a[i]) == AsciiUpper(b[j]); };
    // One table in one block: the lint asks for a distance to every name the menu reads.
    const size_t columns = b.size() + 1;
    std::vector<size_t> table((a.size() + 1) * columns);
    const auto d = [&](size_t i, size_t j) -> size_t& { return table[i * columns + j]; };
    for (size_t i = 0; i <= a.size(); ++i)
        d(i, 0) = i;
    for (size_t j = 0; j <= b.size(); ++j)
        d(0, j) = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        for (size_t j = 1; j <= b.size(); ++j) {
            d(i, j) = std::min({d(i - 1, j) + 1, d(i, j - 1) + 1, d(i - 1, j - 1) + (same(i - 1, j - 1) ? 0 : 1)});
            if (i > 1 && j > 1 && same(i - 1, j - 2) && same(i - 2, j - 1))
                d(i, j) = std::min(d(i, j), d(i - 2, j - 2) + 1);
        }
    }
    return d(a.size(), b.size());
}

}  // namespace

std::string ClosestName(std::string_view name, const std::vector<std::string>& candidates) {
    // Nothing is close to no name, and names far longer than any key are no slip of the finger.
    if (name.empty() || name.size() > 64)
        return {};
    std::string best;
    size_t bestDistance = 0;
    for (const std::string& candidate : candidates) {
        const size_t allowed = std::max<size_t>(1, candidate.size() / 3);
        // The distance is at least the difference in length.
        if (std::max(name.size(), candidate.size()) - std::min(name.size(), candidate.size()) > allowed)
            continue;
        const size_t distance = EditDistance(name, candidate);
        if (distance <= allowed && (best.empty() || distance < bestDistance)) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}
