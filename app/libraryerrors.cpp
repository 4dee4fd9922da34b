// The C++ library's containers and strings report misuse (a length past the maximum, a position
// past the end) through the std::__throw_* functions. The library's own versions construct
// std::length_error and its kin, whose copy-on-write message strings brought the library's whole
// string instantiations, a random-number device and their unwind tables along: about 80 KB of the
// program, for errors that only a fault can raise. Defined here, they throw an exception with the
// same message text, which is all the exception report shows, and std::bad_alloc and the other
// message-less classes as before.
#include <cstdarg>
#include <cstddef>
#include <cstring>
#include <exception>
#include <new>
#include <typeinfo>

namespace __gnu_cxx {
// The library's small formatter (%s, %zu, %%), as its own out-of-range reports use it.
int __snprintf_lite(char* buffer, std::size_t size, const char* format, va_list arguments);
}  // namespace __gnu_cxx

namespace {

// A library error: its message, cut to what the buffer holds.
class LibraryError : public std::exception {
public:
    explicit LibraryError(const char* message) { std::strncpy(text_, message ? message : "", sizeof text_ - 1); }
    const char* what() const noexcept override { return text_; }

private:
    char text_[256] = {};
};

}  // namespace

namespace std {

void __throw_bad_exception() {
    throw bad_exception();
}
void __throw_bad_alloc() {
    throw bad_alloc();
}
void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}
void __throw_bad_cast() {
    throw bad_cast();
}
void __throw_bad_typeid() {
    throw bad_typeid();
}
void __throw_logic_error(const char* message) {
    throw LibraryError(message);
}
void __throw_domain_error(const char* message) {
    throw LibraryError(message);
}
void __throw_invalid_argument(const char* message) {
    throw LibraryError(message);
}
void __throw_length_error(const char* message) {
    throw LibraryError(message);
}
void __throw_out_of_range(const char* message) {
    throw LibraryError(message);
}
void __throw_runtime_error(const char* message) {
    throw LibraryError(message);
}
void __throw_range_error(const char* message) {
    throw LibraryError(message);
}
void __throw_overflow_error(const char* message) {
    throw LibraryError(message);
}
void __throw_underflow_error(const char* message) {
    throw LibraryError(message);
}
void __throw_out_of_range_fmt(const char* format, ...) {
    char text[256];
    va_list arguments;
    va_start(arguments, format);
    __gnu_cxx::__snprintf_lite(text, sizeof text, format, arguments);
    va_end(arguments);
    throw LibraryError(text);
}

}  // namespace std
