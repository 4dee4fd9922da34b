#pragma once
// A small benchmark harness: runs a body repeatedly and reports the best time per iteration, so
// that results are printed as ratios against a baseline measured in the same process.

#include <chrono>
#include <cstdio>
#include <functional>

namespace bench {

// Best (lowest) mean seconds per call of body over `rounds` rounds of `iterations` calls each.
inline double BestSeconds(const std::function<void()>& body, int iterations = 10, int rounds = 5) {
    double best = 1e300;
    for (int r = 0; r < rounds; ++r) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < iterations; ++i)
            body();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        const double per_call = elapsed.count() / iterations;
        if (per_call < best)
            best = per_call;
    }
    return best;
}

inline void Report(const char* name, double seconds, double baseline_seconds, const char* baseline_name) {
    const double ratio = seconds / baseline_seconds;
    std::printf(ratio < 0.1 ? "%-48s %10.3f ms   x%.3f of %s\n" : "%-48s %10.3f ms   x%.2f of %s\n", name,
                seconds * 1e3, ratio, baseline_name);
}

}  // namespace bench
