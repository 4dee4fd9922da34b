#include "tools/ansitext.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

// The native build converts as Windows-1252; on a Windows-1252 system both must agree byte for
// byte, which keeps the tools' reports identical across hosts.
TEST(AnsiToUtf8Conversion, MatchesTheSystemCodePage) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "system code page is " << GetACP();
    EXPECT_EQ(AnsiToUtf8("caf\xe9"), "caf\xc3\xa9");
    EXPECT_EQ(AnsiToUtf8("\x80"), "\xe2\x82\xac");
    EXPECT_EQ(AnsiToUtf8("\x81\x8d\x8f\x90\x9d"), "\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d");
    EXPECT_EQ(AnsiToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(AnsiToUtf8(""), "");
}

}  // namespace
