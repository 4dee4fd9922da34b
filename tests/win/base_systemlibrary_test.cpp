// A system library loaded at the first call of one of its functions: what a call finds with the
// library and without it, and the thread's last error either way.
#include <gtest/gtest.h>

#include <cstring>

#include "base/systemlibrary_win.h"

namespace {

TEST(SystemLibrary, FindsAnExportedFunctionAndLeavesTheLastErrorAsItWas) {
    SystemLibrary library("kernel32.dll");
    EXPECT_FALSE(library.Loaded());  // nothing before the first call
    SetLastError(12345);
    const FARPROC found = library.Find("GetCurrentProcessId");
    EXPECT_EQ(GetLastError(), 12345u);
    ASSERT_NE(found, nullptr);
    EXPECT_TRUE(library.Loaded());
    EXPECT_EQ(found, GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetCurrentProcessId"));
}

struct Missing {
    const char* library;
    const char* function;
    DWORD error;
    bool loaded;
};

TEST(SystemLibrary, AnswersNullWithTheReasonWhenTheLibraryOrTheFunctionIsMissing) {
    const Missing cases[] = {
        {"kernel32.dll", "NoSuchFunctionInThisLibrary", ERROR_PROC_NOT_FOUND, true},
        {"no-such-library.dll", "GetCurrentProcessId", ERROR_MOD_NOT_FOUND, false},
    };
    for (const Missing& c : cases) {
        SCOPED_TRACE(c.library);
        SystemLibrary library(c.library);
        for (int call = 0; call < 2; ++call) {  // the second call answers as the first
            SetLastError(0);
            EXPECT_EQ(library.Find(c.function), nullptr);
            EXPECT_EQ(GetLastError(), c.error);
            EXPECT_EQ(library.Loaded(), c.loaded);
        }
    }
}

TEST(SystemLibrary, LoadsOnlyFromTheSystemFolder) {
    // The test program itself is found beside it, but is no library of the system's.
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    ASSERT_GT(length, 0u);
    SystemLibrary library(std::strrchr(path, '\\') + 1);
    EXPECT_EQ(library.Find("main"), nullptr);
    EXPECT_FALSE(library.Loaded());
}

TEST(SystemFunction, CallsTheFunctionOrAnswersTheFailureValue) {
    SystemLibrary kernel("kernel32.dll"), missing("no-such-library.dll");
    SystemFunction<decltype(::GetCurrentProcessId), DWORD> present(kernel, "GetCurrentProcessId", 0);
    SystemFunction<decltype(::MulDiv), int> absent(missing, "MulDiv", -7);
    SystemFunction<decltype(::MulDiv), int> unexported(kernel, "NoSuchMulDiv", -8);
    EXPECT_EQ(present(), GetCurrentProcessId());
    EXPECT_EQ(absent(6, 7, 2), -7);
    EXPECT_EQ(unexported(6, 7, 2), -8);
    SystemFunction<decltype(::MulDiv), int> mulDiv(kernel, "MulDiv", -1);
    EXPECT_EQ(mulDiv(6, 7, 2), 21);
    EXPECT_EQ(mulDiv(10, 10, 4), 25);
}

}  // namespace
