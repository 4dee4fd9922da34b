#include "tools/ansitext.h"

#include <gtest/gtest.h>

namespace {

struct AnsiCase {
    std::string ansi;
    std::string utf8;
};

class AnsiToUtf8Conversion : public testing::TestWithParam<AnsiCase> {};

TEST_P(AnsiToUtf8Conversion, ReadsWindows1252) {
    EXPECT_EQ(AnsiToUtf8(GetParam().ansi), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Bytes,
                         AnsiToUtf8Conversion,
                         testing::Values(AnsiCase{"", ""},
                                         AnsiCase{"Setup 1.0", "Setup 1.0"},
                                         AnsiCase{std::string("a\0b", 3), std::string("a\0b", 3)},
                                         AnsiCase{"caf\xe9", "caf\xc3\xa9"},                  // é
                                         AnsiCase{"\x80", "\xe2\x82\xac"},                    // euro sign
                                         AnsiCase{"\x93q\x94", "\xe2\x80\x9cq\xe2\x80\x9d"},  // curly quotes
                                         AnsiCase{"\x81\x8d\x8f\x90\x9d", "\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d"},
                                         AnsiCase{"\xa0\xff", "\xc2\xa0\xc3\xbf"},
                                         AnsiCase{"\x9f", "\xc5\xb8"}));  // Y with diaeresis

}  // namespace
