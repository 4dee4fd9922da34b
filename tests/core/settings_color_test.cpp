#include "settings/color.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/exceptions.h"

namespace {

struct Named {
    const char* name;
    TColor value;
};

// The whole identifier table, in its order.
const std::vector<Named> kTable = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clScrollBar", SystemColor(0)},
    {"clBackground", SystemColor(1)},
    {"clActiveCaption", SystemColor(2)},
    {"clInactiveCaption", SystemColor(3)},
    {"clMenu", SystemColor(4)},
    {"clWindow", SystemColor(5)},
    {"clWindowFrame", SystemColor(6)},
    {"clMenuText", SystemColor(7)},
    {"clWindowText", SystemColor(8)},
    {"clCaptionText", SystemColor(9)},
    {"clActiveBorder", SystemColor(10)},
    {"clInactiveBorder", SystemColor(11)},
    {"clAppWorkSpace", SystemColor(12)},
    {"clHighlight", SystemColor(13)},
    {"clHighlightText", SystemColor(14)},
    {"clBtnFace", SystemColor(15)},
    {"clBtnShadow", SystemColor(16)},
    {"clGrayText", SystemColor(17)},
    {"clBtnText", SystemColor(18)},
    {"clInactiveCaptionText", SystemColor(19)},
    {"clBtnHighlight", SystemColor(20)},
    {"cl3DDkShadow", SystemColor(21)},
    {"cl3DLight", SystemColor(22)},
    {"clInfoText", SystemColor(23)},
    {"clInfoBk", SystemColor(24)},
    {"clNone", 0x1FFFFFFF},
};

std::string Upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return s;
}
std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return s;
}

TEST(ColorIdentifiers, EveryIdentifierRoundTripsInAnyLetterCase) {
    ASSERT_EQ(kTable.size(), 42u);
    for (const auto& entry : kTable) {
        EXPECT_EQ(ColorToText(entry.value), entry.name);
        EXPECT_EQ(TextToColor(entry.name), entry.value) << entry.name;
        EXPECT_EQ(TextToColor(Upper(entry.name)), entry.value) << entry.name;
        EXPECT_EQ(TextToColor(Lower(entry.name)), entry.value) << entry.name;
    }
}

struct Spelled {
    const char* text;
    TColor value;
};

class TextToColorOf : public testing::TestWithParam<Spelled> {};

TEST_P(TextToColorOf, ReadsNumbersAndIdentifiers) {
    EXPECT_EQ(TextToColor(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Spellings,
                         TextToColorOf,
                         testing::Values(Spelled{"clLime", 0x00FF00},
                                         Spelled{"CLLIME", 0x00FF00},
                                         Spelled{"cllime", 0x00FF00},
                                         Spelled{"255", 0xFF},
                                         Spelled{"$FF", 0xFF},
                                         Spelled{"$000000FF", 0xFF},
                                         Spelled{"0xFF", 0xFF},
                                         Spelled{"xff", 0xFF},
                                         Spelled{"$FF0000", 0xFF0000},
                                         Spelled{"$8000000F", SystemColor(15)},
                                         Spelled{"-2147483633", SystemColor(15)},
                                         Spelled{"$80000019", SystemColor(25)},
                                         Spelled{"$20000000", 0x20000000},
                                         Spelled{"  255", 0xFF}));

class TextToColorRejects : public testing::TestWithParam<std::string> {};

TEST_P(TextToColorRejects, WithTheConversionError) {
    EXPECT_THROW(TextToColor(GetParam()), EConvertError) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(BadColors,
                         TextToColorRejects,
                         testing::Values("red",
                                         "#FF0000",
                                         "RGB(255,0,0)",
                                         "",
                                         " clRed",
                                         "clRed ",
                                         "cl Red",
                                         "clRedd",
                                         "clDefault",
                                         "clHotLight",
                                         "\tclRed",
                                         "$1FFFFFFFF"));

TEST(ColorToText, WritesOtherValuesAsEightHexDigits) {
    EXPECT_EQ(ColorToText(0x00C08040), "$00C08040");
    EXPECT_EQ(ColorToText(SystemColor(25)), "$80000019");
    EXPECT_EQ(ColorToText(SystemColor(15)), "clBtnFace");
    EXPECT_EQ(ColorToText(0x20000000), "$20000000");
    EXPECT_EQ(ColorToText(-1), "$FFFFFFFF");
    EXPECT_EQ(ColorToText(0x00000001), "$00000001");
    EXPECT_EQ(ColorToText(0x00abcdef), "$00ABCDEF");
}

TEST(ResolveColor, ExplicitColoursAndOtherValuesPassUnchanged) {
    EXPECT_EQ(ResolveColor(0x00C08040), 0x00C08040);
    EXPECT_EQ(ResolveColor(clNone), clNone);
    EXPECT_EQ(ResolveColor(0), 0);
}

TEST(ResolveColor, SystemColoursBecomeExplicitColours) {
    for (int n = 0; n <= 24; ++n) {
        const TColor resolved = ResolveColor(SystemColor(n));
        EXPECT_GE(resolved, 0) << n;
        EXPECT_LE(resolved, 0xFFFFFF) << n;
    }
    EXPECT_EQ(ResolveColor(clWindow), clWhite);
    EXPECT_EQ(ResolveColor(clWindowText), clBlack);
    // Only the low byte numbers the system colour.
    EXPECT_EQ(ResolveColor(static_cast<TColor>(0xFF00000F)), ResolveColor(clBtnFace));
}

}  // namespace
