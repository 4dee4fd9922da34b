#include "tools/closestname.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "settings/asciitext.h"

namespace {

// Names longer than any key are no slip of the finger.
constexpr size_t kMaxName = 64;

// The fewest inserts, deletes, replacements and swaps of two neighbours (the usual slips of the
// finger) that turn `name` into `candidate`, when that is at most `limit`; otherwise limit + 1.
// A distance that small keeps every step within `limit` cells of the table's diagonal, so only
// that band is computed (the cells just outside it are marked out of reach), and the search ends
// as soon as no cell of two neighbouring rows is within the limit: the lint asks this of every
// name the menu reads, for every unknown key.
size_t DistanceUpTo(std::string_view name, std::string_view candidate, size_t limit) {
    const size_t over = limit + 1;
    const size_t n = name.size();
    const auto same = [&](size_t i, size_t j) { return AsciiUpper(name[i]) == AsciiUpper(candidate[j]); };
    // Rows j - 2, j - 1 and j of the table, over the positions in `name`.
    std::array<std::array<size_t, kMaxName + 1>, 3> rows{};
    for (size_t i = 0; i <= n; ++i)
        rows[0][i] = std::min(i, over);
    size_t previousMin = 0;
    for (size_t j = 1; j <= candidate.size(); ++j) {
        auto& row = rows[j % 3];
        const auto& above = rows[(j - 1) % 3];
        const auto& twoAbove = rows[(j + 1) % 3];
        const size_t first = j > limit ? j - limit : 0;
        const size_t last = std::min(n, j + limit);
        // The cells just outside the band are read by this row and the next as out of reach.
        if (first > 0)
            row[first - 1] = over;
        if (last < n)
            row[last + 1] = over;
        if (first == 0)
            row[0] = j;
        size_t rowMin = first == 0 ? j : over;
        for (size_t i = std::max<size_t>(first, 1); i <= last; ++i) {
            size_t d = std::min(above[i], row[i - 1]) + 1;
            d = std::min(d, above[i - 1] + (same(i - 1, j - 1) ? 0 : 1));
            if (i > 1 && j > 1 && same(i - 1, j - 2) && same(i - 2, j - 1))
                d = std::min(d, twoAbove[i - 2] + 1);
            row[i] = std::min(d, over);
            rowMin = std::min(rowMin, row[i]);
        }
        if (rowMin > limit && previousMin > limit)
            return over;
        previousMin = rowMin;
    }
    return rows[candidate.size() % 3][n];
}

// How many characters of `name` (by position) `candidate` has nowhere. Each of them needs an edit of
// its own, so this is never more than the distance: it rules most names out before any
// table is computed. Characters share bits when they agree in their low six bits, which can only
// lower the count.
size_t MissingCharacters(std::string_view name, std::string_view candidate) {
    uint64_t present = 0;
    for (const char c : candidate)
        present |= uint64_t{1} << (AsciiUpper(c) & 63);
    size_t missing = 0;
    for (const char c : name)
        missing += ((present >> (AsciiUpper(c) & 63)) & 1) == 0;
    return missing;
}

}  // namespace

std::string ClosestName(std::string_view name, const std::vector<std::string>& candidates) {
    // Nothing is close to no name.
    if (name.empty() || name.size() > kMaxName)
        return {};
    std::string best;
    size_t bestDistance = 0;
    for (const std::string& candidate : candidates) {
        if (!best.empty() && bestDistance == 0)
            break;
        // Only a nearer name than the best so far replaces it: the first of equals stays.
        const size_t allowed = std::max<size_t>(1, candidate.size() / 3);
        const size_t limit = best.empty() ? allowed : std::min(allowed, bestDistance - 1);
        // The distance is at least the difference in length.
        if (std::max(name.size(), candidate.size()) - std::min(name.size(), candidate.size()) > limit)
            continue;
        if (MissingCharacters(name, candidate) > limit)
            continue;
        const size_t distance = DistanceUpTo(name, candidate, limit);
        if (distance <= limit) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}
