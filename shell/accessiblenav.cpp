#include "shell/accessiblenav.h"

#include <cstddef>

namespace {

// How far the candidate lies from the origin in the direction, or -1 when it does not lie wholly there.
int64_t GapInDirection(long direction, const TGeomRect& from, const TGeomRect& to) {
    switch (direction) {
        case navUp:
            return to.bottom <= from.top ? int64_t{from.top} - to.bottom : -1;
        case navDown:
            return to.top >= from.bottom ? int64_t{to.top} - from.bottom : -1;
        case navLeft:
            return to.right <= from.left ? int64_t{from.left} - to.right : -1;
        case navRight:
            return to.left >= from.right ? int64_t{to.left} - from.right : -1;
        default:
            return -1;
    }
}

// How far the candidate's centre lies off the line through the origin's centre in the direction.
int64_t CentreOffset(long direction, const TGeomRect& from, const TGeomRect& to) {
    const bool vertical = direction == navUp || direction == navDown;
    const int64_t a = vertical ? (int64_t{from.left} + from.right) / 2 : (int64_t{from.top} + from.bottom) / 2;
    const int64_t b = vertical ? (int64_t{to.left} + to.right) / 2 : (int64_t{to.top} + to.bottom) / 2;
    return a > b ? a - b : b - a;
}

}  // namespace

TNavigation Navigate(long direction, long from, long count, const std::vector<TNavElement>& elements) {
    if (from == 0) {
        if (direction == navFirstChild)
            return {TNavigation::ToChild, count > 0 ? 1 : 0};
        if (direction == navLastChild)
            return {TNavigation::ToChild, count};
        return {TNavigation::ToSystem, 0};
    }
    switch (direction) {
        case navNext:
            return {TNavigation::ToChild, from < count ? from + 1 : 0};
        case navPrevious:
            return {TNavigation::ToChild, from - 1};
        case navFirstChild:
        case navLastChild:
            return {TNavigation::ToChild, 0};  // nothing inside a simple element or below a child window
        case navUp:
        case navDown:
        case navLeft:
        case navRight:
            if (from <= static_cast<long>(elements.size()))
                return {TNavigation::ToChild, NavigateByPlace(direction, static_cast<int>(from - 1), elements)};
            return {TNavigation::Unsupported, 0};
        default:
            return {TNavigation::Unsupported, 0};
    }
}

long NavigateByPlace(long direction, int from, const std::vector<TNavElement>& elements) {
    const TGeomRect origin = elements.at(static_cast<size_t>(from)).rect;
    long best = 0;
    int64_t bestGap = INT64_MAX, bestOffset = INT64_MAX;
    for (size_t i = 0; i < elements.size(); ++i) {
        if (static_cast<int>(i) == from || elements[i].hidden)
            continue;
        const int64_t gap = GapInDirection(direction, origin, elements[i].rect);
        const int64_t offset = CentreOffset(direction, origin, elements[i].rect);
        if (gap < 0 || gap > bestGap || (gap == bestGap && offset >= bestOffset))
            continue;
        best = static_cast<long>(i) + 1;
        bestGap = gap;
        bestOffset = offset;
    }
    return best;
}

long HitElement(const std::vector<TNavElement>& elements, int64_t x, int64_t y) {
    for (size_t i = elements.size(); i-- > 0;)
        if (!elements[i].hidden && Contains(elements[i].rect, x, y))
            return static_cast<long>(i) + 1;
    return 0;
}
