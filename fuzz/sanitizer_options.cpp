// The address sanitizer's defaults for every fuzz target. Freed memory is kept from reuse in a
// 16 MB quarantine rather than 256 MB, and allocation stacks are recorded 5 frames deep rather than
// 30: with the defaults every run took fresh pages (a page fault each) and unwound every allocation,
// more than half of a run's time. Use after free within the last 16 MB of frees is still caught.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16:malloc_context_size=5";
}
