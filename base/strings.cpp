#include "base/strings.h"

#include <cstdarg>
#include <cstdio>

namespace {
#ifdef _WIN32
// The system C library formats all these texts need (%s, %d, %X); std::vsnprintf would bring in
// MinGW's standard-exact formatter, 20 KB of the program.
int Measure(const char* format, va_list args) {
    return _vscprintf(format, args);
}
void Print(char* out, size_t room, const char* format, va_list args) {
    _vsnprintf(out, room, format, args);
}
#else
int Measure(const char* format, va_list args) {
    return std::vsnprintf(nullptr, 0, format, args);
}
void Print(char* out, size_t room, const char* format, va_list args) {
    std::vsnprintf(out, room, format, args);
}
#endif
}  // namespace

std::string FormatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = Measure(format, copy);
    va_end(copy);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<size_t>(length));
        Print(text.data(), text.size() + 1, format, args);
    }
    va_end(args);
    return text;
}
