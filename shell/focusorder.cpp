#include "shell/focusorder.h"

#include <cstdlib>

namespace {

int FirstFocusable(const std::vector<FocusTarget>& targets) {
    for (size_t i = 0; i < targets.size(); ++i)
        if (targets[i].focusable)
            return static_cast<int>(i);
    return -1;
}

int LastFocusable(const std::vector<FocusTarget>& targets) {
    for (size_t i = targets.size(); i-- > 0;)
        if (targets[i].focusable)
            return static_cast<int>(i);
    return -1;
}

// The next focusable control after `from` in the given step (+1 or -1), wrapping around; `from`
// itself when it is the only one.
int Cycle(const std::vector<FocusTarget>& targets, int from, int step) {
    const int count = static_cast<int>(targets.size());
    for (int n = 1; n <= count; ++n) {
        const int i = ((from + step * n) % count + count) % count;
        if (targets[static_cast<size_t>(i)].focusable)
            return i;
    }
    return -1;
}

// Twice the centre, so that odd sizes need no rounding; 64 bits hold any sum of two 32-bit edges.
struct Centre {
    int64_t x, y;
};

Centre CentreOf(const FocusTarget& t) {
    return Centre{int64_t{t.rect.left} + t.rect.right, int64_t{t.rect.top} + t.rect.bottom};
}

int Nearest(const std::vector<FocusTarget>& targets, int from, FocusMove move) {
    const Centre origin = CentreOf(targets[static_cast<size_t>(from)]);
    int best = -1;
    int64_t bestScore = 0;
    for (size_t i = 0; i < targets.size(); ++i) {
        if (static_cast<int>(i) == from || !targets[i].focusable)
            continue;
        const Centre c = CentreOf(targets[i]);
        int64_t along = 0;
        switch (move) {
            case FocusMove::Left:
                along = origin.x - c.x;
                break;
            case FocusMove::Right:
                along = c.x - origin.x;
                break;
            case FocusMove::Up:
                along = origin.y - c.y;
                break;
            default:
                along = c.y - origin.y;
                break;
        }
        if (along <= 0)
            continue;
        const bool horizontal = move == FocusMove::Left || move == FocusMove::Right;
        const int64_t across = std::llabs(horizontal ? c.y - origin.y : c.x - origin.x);
        const int64_t score = along + 2 * across;
        if (best < 0 || score < bestScore) {
            best = static_cast<int>(i);
            bestScore = score;
        }
    }
    return best;
}

}  // namespace

int MoveFocus(const std::vector<FocusTarget>& targets, int from, FocusMove move) {
    const bool focused = from >= 0 && from < static_cast<int>(targets.size());
    switch (move) {
        case FocusMove::First:
            return FirstFocusable(targets);
        case FocusMove::Last:
            return LastFocusable(targets);
        case FocusMove::Next:
            return focused ? Cycle(targets, from, 1) : FirstFocusable(targets);
        case FocusMove::Previous:
            return focused ? Cycle(targets, from, -1) : LastFocusable(targets);
        case FocusMove::Right:
        case FocusMove::Down:
            return focused ? Nearest(targets, from, move) : FirstFocusable(targets);
        case FocusMove::Left:
        case FocusMove::Up:
            return focused ? Nearest(targets, from, move) : LastFocusable(targets);
    }
    return -1;
}
