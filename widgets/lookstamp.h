#pragma once
// Stamps that say a drawing's inputs changed: a new value on every call, never repeated, so that a
// stamp kept with a picture matches only the inputs it was drawn from.

#include <cstdint>

uint64_t NextLookStamp();
