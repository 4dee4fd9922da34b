#pragma once
// The targets' own assertion: a broken expectation ends the run as a finding in every build type,
// where assert() is gone under NDEBUG.

#include <cstdlib>

inline void Check(bool condition) {
    if (!condition)
        std::abort();
}
