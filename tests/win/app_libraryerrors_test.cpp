// The program's own throwers of the C++ library's errors (app/libraryerrors.cpp, linked into these
// tests as into the program): misuse of a container or string still raises an exception with the
// library's message text, positions formatted in, which is what the exception report shows.

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

TEST(LibraryErrors, KeepTheLibrarysMessageTexts) {
    const char* volatile none = nullptr;
    const struct {
        const char* name;
        std::function<void()> misuse;
        std::string message;
    } cases[] = {
        {"vector::at past the end", [] { (void)std::vector<int>(2).at(5); },
         "vector::_M_range_check: __n (which is 5) >= this->size() (which is 2)"},
        {"string::substr past the end", [] { (void)std::string("abc").substr(7); },
         "basic_string::substr: __pos (which is 7) > this->size() (which is 3)"},
        {"string from a null pointer", [&] { std::string text(none); },
         "basic_string: construction from null is not valid"},
        {"vector longer than the maximum",
         [] {
             std::vector<int> values;
             values.reserve(values.max_size() + 1);
         },
         "vector::reserve"},
    };
    for (const auto& c : cases) {
        try {
            c.misuse();
            ADD_FAILURE() << c.name << ": nothing thrown";
        } catch (const std::exception& error) {
            EXPECT_EQ(error.what(), c.message) << c.name;
            // The program's exception, not the library's class with its copy-on-write string.
            EXPECT_EQ(dynamic_cast<const std::logic_error*>(&error), nullptr) << c.name;
        }
    }
}

TEST(LibraryErrors, AllocationFailureIsStillBadAlloc) {
    EXPECT_THROW(std::__throw_bad_alloc(), std::bad_alloc);
    EXPECT_THROW(std::__throw_bad_array_new_length(), std::bad_array_new_length);
}
