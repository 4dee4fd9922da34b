#include "settings/captionshown.h"

#include <gtest/gtest.h>

#include "settings/leadbytes.h"

TEST(CaptionShown, DropsTheMarksAndShowsDoubledAmpersandsOnce) {
    const struct {
        const char* caption;
        const char* shown;
    } cases[] = {
        {"&Setup", "Setup"},
        {"Re&adme", "Readme"},
        {"Tom && Jerry", "Tom & Jerry"},
        {"&&&Tools", "&Tools"},
        {"A&b &c", "Ab c"},
        {"Trailing&", "Trailing"},
        {"&", ""},
        {"", ""},
        {"&&", "&"},
        {"No marks", "No marks"},
        {"&&&", "&"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CaptionAsShown(c.caption), c.shown) << c.caption;
}

TEST(CaptionShown, AcceleratorShortcutNamesTheAltKeyAndTheCapitalLetter) {
    const struct {
        const char* caption;
        const char* shortcut;
    } cases[] = {
        {"&Setup", "Alt+S"},
        {"Re&adme", "Alt+A"},
        {"Key &1", "Alt+1"},
        {"Tom && Jerry", ""},
        {"& space", ""},
        {"Trailing&", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AcceleratorShortcut(c.caption), c.shortcut) << c.caption;
}

TEST(CaptionShown, KeepsADoubleByteCharacterWhole) {
    SetLeadBytes(ShiftJisLeadBytes());
    // "\x82\x26" is one double-byte character whose second byte is an ampersand.
    EXPECT_EQ(CaptionAsShown("\x82\x26x &y"), "\x82\x26x y");
    EXPECT_EQ(CaptionAsShown("&\x82\xA0!"), "\x82\xA0!");
    EXPECT_EQ(AcceleratorShortcut("&\x82\xA0!"), "Alt+\x82\xA0");
    SetLeadBytes({});
}
