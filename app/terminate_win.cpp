// What the program does when an exception escapes a destructor or a noexcept function: it ends at
// once. The C++ library's default handler would first print the exception's type, demangled, to the
// standard error stream, which a windowed program does not have; its demangler alone took 46 KB of
// the program. Defining the handler here keeps the library's from being linked in.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
