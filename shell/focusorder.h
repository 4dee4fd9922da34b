#pragma once
// Where the keyboard moves the focus among a window's windowless controls: Tab and Shift+Tab walk
// them in creation order and wrap around, Home and End go to the first and last, and the arrow keys
// go to the nearest one in that direction on the screen. Only controls that may take the focus
// (enabled, shown and of some size) are ever chosen.

#include <cstdint>
#include <vector>

#include "shell/geometry.h"

// A control as keyboard navigation sees it: its rectangle in its parent's client coordinates and
// whether it may take the focus.
struct FocusTarget {
    TGeomRect rect;
    bool focusable = false;
};

enum class FocusMove : uint8_t { Next, Previous, First, Last, Left, Right, Up, Down };

// The index the focus goes to from `from` (-1: nothing has it), or -1 when no control qualifies
// (for an arrow: none lies in that direction). With nothing focused, Next, Right and Down take the
// first control and Previous, Left and Up the last.
//
// An arrow considers the controls whose centre lies strictly beyond the focused one's centre in
// that direction and takes the one with the smallest distance along the direction plus twice the
// distance across it, so that a control in the same row or column wins over a nearer diagonal one;
// on a tie, the earlier control.
int MoveFocus(const std::vector<FocusTarget>& targets, int from, FocusMove move);
