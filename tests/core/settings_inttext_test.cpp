#include "settings/inttext.h"

#include <gtest/gtest.h>

#include <string>

#include "base/exceptions.h"

namespace {

struct Spelling {
    std::string text;
    int32_t value;
};

class IntegerTextReads : public testing::TestWithParam<Spelling> {};

TEST_P(IntegerTextReads, AsItsValue) {
    EXPECT_EQ(TextToIntDef(GetParam().text, -999), GetParam().value) << GetParam().text;
    EXPECT_EQ(TextToInt(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(DecimalAndHexSpellings,
                         IntegerTextReads,
                         testing::Values(Spelling{"26", 26},
                                         Spelling{"+26", 26},
                                         Spelling{"0026", 26},
                                         Spelling{"$1A", 26},
                                         Spelling{"$1a", 26},
                                         Spelling{"x1A", 26},
                                         Spelling{"X1A", 26},
                                         Spelling{"0x1A", 26},
                                         Spelling{"0X1a", 26},
                                         Spelling{"  26", 26},
                                         Spelling{" $1A", 26},
                                         Spelling{"-0", 0},
                                         Spelling{"0", 0},
                                         Spelling{"$0", 0},
                                         Spelling{"0x0", 0},
                                         Spelling{"2147483647", 2147483647},
                                         Spelling{"-2147483648", INT32_MIN},
                                         Spelling{"$FFFFFFFF", -1},
                                         Spelling{"$80000000", INT32_MIN},
                                         Spelling{"$000000001", 1},
                                         Spelling{"$0000000000000FF", 255},
                                         Spelling{"$7FFFFFFF", INT32_MAX},
                                         Spelling{"0000000000000000000000012", 12},
                                         Spelling{"-214748364", -214748364},
                                         Spelling{"$8000000F", static_cast<int32_t>(0x8000000F)}));

class IntegerTextIsMalformed : public testing::TestWithParam<std::string> {};

TEST_P(IntegerTextIsMalformed, AndGivesTheDefault) {
    EXPECT_EQ(TextToIntDef(GetParam(), 77), 77) << GetParam();
    EXPECT_EQ(TextToIntDef(GetParam(), -5), -5) << GetParam();
}

TEST_P(IntegerTextIsMalformed, AndRaisesTheConversionError) {
    try {
        TextToInt(GetParam());
        ADD_FAILURE() << "no error for " << GetParam();
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "'" + std::string(GetParam().c_str()) + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(BadSpellings,
                         IntegerTextIsMalformed,
                         testing::Values("",
                                         " ",
                                         "   ",
                                         "1A",
                                         "26h",
                                         "1.0",
                                         "1e3",
                                         "1,000",
                                         "- 5",
                                         "+$10",
                                         "-0x10",
                                         "-$10",
                                         "$",
                                         "0x",
                                         "x",
                                         "X",
                                         "+",
                                         "-",
                                         "+-1",
                                         "--1",
                                         "26 ",
                                         "\t26",
                                         "2147483648",
                                         "-2147483649",
                                         "99999999999",
                                         "$100000000",
                                         "$FFFFFFFFF",
                                         "0x1G",
                                         "$ 1",
                                         "0 x1",
                                         "1 2",
                                         std::string("1\0"
                                                     "2",
                                                     3),
                                         "0xx1",
                                         "$$1",
                                         "\xef\xbc\x91"));

TEST(IntegerText, OverflowIsCaughtBeforeTheValueWraps) {
    // 4294967296 + 26 would wrap to 26 in 32 bits; it must be malformed instead.
    EXPECT_EQ(TextToIntDef("4294967322", 1), 1);
    EXPECT_EQ(TextToIntDef("-4294967322", 1), 1);
    EXPECT_EQ(TextToIntDef("$10000001A", 1), 1);
}

}  // namespace
