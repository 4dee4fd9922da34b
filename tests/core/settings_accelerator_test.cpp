#include <gtest/gtest.h>

#include "settings/accelerator.h"
#include "settings/leadbytes.h"

namespace {

TEST(Accelerator, IsTheCharacterAfterTheFirstSingleAmpersand) {
    const struct {
        const char* caption;
        const char* accelerator;
    } cases[] = {
        {"&Install", "I"}, {"Read &me", "m"}, {"No marker", ""},  {"", ""},   {"Trailing&", ""}, {"Tom && Jerry", ""},
        {"&&&Both", "B"},  {"A&b &c", "b"},   {"&& and &x", "x"}, {"&&", ""}, {"& space", " "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AcceleratorOf(c.caption), c.accelerator) << c.caption;
}

// The key the lint compares between buttons: what a typed character must match.
TEST(AcceleratorKey, IsTheSingleByteAcceleratorUpperCased) {
    const struct {
        const char* caption;
        char key;
    } cases[] = {
        {"&Install", 'I'}, {"Read &me", 'M'}, {"Tom && Jerry", 0},  {"A && &b", 'B'}, {"&&&x", 'X'},
        {"trailing&", 0},  {"", 0},           {"Caf&\xE9", '\xE9'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AcceleratorKey(c.caption), c.key) << c.caption;
}

TEST(Accelerator, MatchesTheTypedCharacterIgnoringAsciiCase) {
    EXPECT_TRUE(IsAccel('i', "&Install"));
    EXPECT_TRUE(IsAccel('I', "&install"));
    EXPECT_FALSE(IsAccel('n', "&Install"));
    EXPECT_FALSE(IsAccel('&', "Tom && Jerry"));
    EXPECT_FALSE(IsAccel(0, "Trailing&"));
    EXPECT_FALSE(IsAccel(0x149, "&I"));  // not a single-byte character
    EXPECT_TRUE(IsAccel(0xE9, "Caf&\xE9"));
}

TEST(Accelerator, TakesADoubleByteCharacterWhole) {
    SetLeadBytes(ShiftJisLeadBytes());
    // "\x82\x26" is one double-byte character whose second byte is an ampersand.
    EXPECT_EQ(AcceleratorOf("\x82\x26x &y"), "y");
    EXPECT_EQ(AcceleratorOf("&\x82\xA0"), "\x82\xA0");
    EXPECT_FALSE(IsAccel(0x82, "&\x82\xA0"));
    EXPECT_EQ(AcceleratorKey("\x82\x26x"), 0);  // the ampersand is half of a character
    EXPECT_EQ(AcceleratorKey("&\x82\xA0"), 0);  // no typed key is a double-byte character
    SetLeadBytes({});
}

}  // namespace
