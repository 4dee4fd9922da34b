#pragma once
// Moving among the simple elements of an accessible client object and finding the one under a point:
// the geometry behind TAccessibleObject's accNavigate and accHitTest (accessibleobject_win.h), in
// portable terms. Child ids are the object's: 0 the object itself, 1..n its elements, n+1.. its
// child windows.

#include <cstdint>
#include <vector>

#include "shell/geometry.h"

// The directions of a navigation, with the values of the platform's NAVDIR_ constants.
enum TNavDirection : long { navUp = 1, navDown, navLeft, navRight, navNext, navPrevious, navFirstChild, navLastChild };

// What navigation and hit testing need of an element.
struct TNavElement {
    TGeomRect rect;       // where it lies, in screen coordinates
    bool hidden = false;  // invisible or offscreen: never reached by place or by point
};

// Where a navigation leads.
struct TNavigation {
    enum Kind {
        ToChild,      // to the child id in `id`; 0 when there is nothing in that direction
        ToSystem,     // the system's object of the window answers (the window among its siblings)
        Unsupported,  // no such move from this child
    } kind = ToChild;
    long id = 0;
};

// A move from child `from` (0 .. count) of an object with `count` children, the first of which are
// the elements. In order: next and previous walk every child, first and last child lead from the
// object to its children and from a child nowhere. By place (up, down, left, right), from an element
// only: see NavigateByPlace.
TNavigation Navigate(long direction, long from, long count, const std::vector<TNavElement>& elements);

// The shown element that lies wholly beyond element `from` (an index) in the direction: the one with
// the smallest gap, then the one whose centre lies nearest the line through `from`'s centre, then the
// first. Its child id, or 0 when there is none.
long NavigateByPlace(long direction, int from, const std::vector<TNavElement>& elements);

// The child id of the topmost shown element under the point (later elements lie above earlier ones),
// or 0 when there is none.
long HitElement(const std::vector<TNavElement>& elements, int64_t x, int64_t y);
