// The own INI parser on texts: the line and name rules that the platform function follows (the
// Windows differential test compares the two on the corpus in tests/data/ini).

#include "settings/profile.h"

#include "settings/leadbytes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// A text with zero bytes in it, as written.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

struct Lookup {
    std::string text;
    std::string section;
    std::string key;
    std::optional<std::string> value;
};

class ProfileLookupIn : public testing::TestWithParam<Lookup> {};

TEST_P(ProfileLookupIn, FindsTheValueAsThePlatformDoes) {
    const Lookup& c = GetParam();
    EXPECT_EQ(ProfileLookup(c.text, c.section, c.key), c.value) << "[" << c.section << "] " << c.key;
}

INSTANTIATE_TEST_SUITE_P(LineAndNameRules,
                         ProfileLookupIn,
                         testing::Values(Lookup{"[Main]\r\nA=1\r\n", "Main", "A", "1"},
                                         Lookup{"[Main]\nA=1\n", "main", "a", "1"},
                                         Lookup{"[MAIN]\nKey=1\n", "mAiN", "KEY", "1"},
                                         Lookup{"[Main]\n  A  =  x y  \n", "Main", "A", "x y"},
                                         Lookup{"[Main]\n\tA\t=\tx\t\n", "Main", "A", "x"},
                                         Lookup{"[ Main ]\nA=1\n", "Main", "A", "1"},
                                         Lookup{"[Main]\nA=1\n", "  Main\t", " A ", "1"},
                                         Lookup{"[Main]\nA=\n", "Main", "A", ""},
                                         Lookup{"[Main]\nA\n", "Main", "A", std::nullopt},
                                         Lookup{"[Main]\nA=1\n", "Other", "A", std::nullopt},
                                         Lookup{"[Main]\nA=1\n", "Main", "B", std::nullopt},
                                         Lookup{"[Main]\nA=1\nA=2\n", "Main", "A", "1"},
                                         Lookup{"[Main]\nB=1\n[Main]\nA=2\n", "Main", "A", std::nullopt},
                                         Lookup{"[Main]\n;A=1\nA=2\n", "Main", "A", "2"},
                                         Lookup{"[Main]\n;A=1\n", "Main", ";A", "1"},
                                         Lookup{"[Main]\nA=1 ; note\n", "Main", "A", "1 ; note"},
                                         Lookup{"[Main]\rA=1\rB=2\r", "Main", "B", "2"},
                                         Lookup{"[Main]\nA=1\rB=2\n", "Main", "B", "2"},
                                         Lookup{"G=1\n[Main]\n", "", "G", "1"},
                                         Lookup{"[Main]\nA=b=c\n", "Main", "A", "b=c"},
                                         Lookup{"[Main]\n=x\n", "Main", "", "x"},
                                         Lookup{"[Main] trailing\nA=1\n", "Main", "A", "1"},
                                         Lookup{"[a]b]\nA=1\n", "a]b", "A", "1"},
                                         Lookup{"[Main\nA=1\n", "Main", "A", std::nullopt},
                                         Lookup{"[Main]\nA=\"q\"\n", "Main", "A", "\"q\""},
                                         Lookup{Bytes("[Main]\nA=be\0fore\n"), "Main", "A", "be"},
                                         Lookup{"\xef\xbb\xbf[Main]\nA=1\n", "Main", "A", "1"},
                                         Lookup{Bytes("\xff\xfe[\0M\0]\0\n\0A\0=\0"
                                                      "1\0"),
                                                "M", "A", "1"},
                                         Lookup{"[Main]\x1a\nA=1\x1a\n", "Main", "A", "1"},
                                         Lookup{"[Main]\nA=\xa0x\xa0\n", "Main", "A", "\xa0x\xa0"},
                                         Lookup{"[M\xe9nu]\nA=1\n", "M\xc9NU", "A", std::nullopt},
                                         Lookup{"", "Main", "A", std::nullopt}));

// Reads texts as a Shift-JIS system does for the length of one test.
class ShiftJisProfile : public testing::Test {
protected:
    ShiftJisProfile() { SetLeadBytes(ShiftJisLeadBytes()); }
    ~ShiftJisProfile() override { SetLeadBytes(LeadByteTable{}); }
};

TEST_F(ShiftJisProfile, SecondBytesAreNeverLettersOfAnotherCase) {
    // 0x83 0x61 and 0x83 0x41 are two different katakana, not one name in two letter cases.
    const std::string text = "[Main]\n\x83\x61=first\n";
    EXPECT_EQ(ProfileLookup(text, "Main", "\x83\x61"), "first");
    EXPECT_EQ(ProfileLookup(text, "Main", "\x83\x41"), std::nullopt);
}

TEST_F(ShiftJisProfile, SecondBytesAreNeverBracketsOrBlanks) {
    // 0x83 0x5D ends in the byte of "]": the header "[\x83\x5D" has no closing bracket.
    EXPECT_EQ(ProfileLookup("[\x83\x5d\nA=1\n", "", "[\x83\x5d"), std::nullopt);
    EXPECT_EQ(ProfileLookup("[\x83\x5d]\nA=1\n", "\x83\x5d", "A"), "1");
    EXPECT_EQ(ProfileLookup("[M]\nT=\x95\x5c\n", "M", "T"), "\x95\x5c");
}

TEST_F(ShiftJisProfile, LeadByteTakesTheNextByteEvenAtALineEnd) {
    // The platform reads the lead byte and the line feed as one (invalid) character.
    EXPECT_EQ(ProfileLookup("[M]\nA=x\x95\nB=2\n", "M", "B"), std::nullopt);
    EXPECT_EQ(ProfileLookup("[M]\nA=x\x95\nB=2\n", "M", "A"), "x\x95\nB=2");
}

TEST(ProfileWithoutDoubleByteSupport, EveryByteIsACharacter) {
    EXPECT_EQ(ProfileLookup("[M]\nA=x\x95\nB=2\n", "M", "B"), "2");
    EXPECT_EQ(ProfileLookup("[\x83\x5d\nA=1\n", "\x83", "A"), "1");
}

struct Copy {
    std::string value;
    size_t buffer;
    std::string expected;
};

class ProfileCopyOf : public testing::TestWithParam<Copy> {};

TEST_P(ProfileCopyOf, RemovesOnePairOfQuotesAndCutsToTheBuffer) {
    EXPECT_EQ(ProfileCopyEntry(GetParam().value, GetParam().buffer), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Quotes,
                         ProfileCopyOf,
                         testing::Values(Copy{"\"quoted\"", 2048, "quoted"},
                                         Copy{"'single'", 2048, "single"},
                                         Copy{"\"mismatch'", 2048, "\"mismatch'"},
                                         Copy{"\"", 2048, "\""},
                                         Copy{"\"\"", 2048, ""},
                                         Copy{"''", 2048, ""},
                                         Copy{"\"a\"b\"", 2048, "a\"b"},
                                         Copy{"\"half", 2048, "\"half"},
                                         Copy{"plain", 2048, "plain"},
                                         Copy{"abcdef", 4, "abc"},
                                         Copy{"\"ab\"", 4, "ab"},
                                         Copy{"\"abc\"", 4, "ab"},
                                         Copy{"\"abcd\"", 4, "abc"},
                                         Copy{"x", 0, ""}));

TEST(ProfileCopy, CutsLongValuesTo2047Characters) {
    EXPECT_EQ(ProfileCopyEntry(std::string(3000, 'x'), 2048), std::string(2047, 'x'));
    EXPECT_EQ(ProfileCopyEntry("\"" + std::string(2046, 'q') + "\"", 2048), std::string(2046, 'q'));
}

TEST(ReadProfileString, AbsentFileGivesTheDefaultWithoutTrailingBlanks) {
    const std::string absent = std::string(MENU_TEST_DATA) + "/ini/there is no such file.ini";
    EXPECT_EQ(ReadProfileString(absent, "Main", "A", "dflt"), "dflt");
    EXPECT_EQ(ReadProfileString(absent, "Main", "A", "dflt  "), "dflt");
    EXPECT_EQ(ReadProfileString(absent, "Main", "A", ""), "");
    EXPECT_EQ(ReadProfileString(absent, "Main", "A", "'q'"), "q");
}

TEST(ReadProfileString, KeyWithoutValueGivesTheDefault) {
    const std::string file = std::string(MENU_TEST_DATA) + "/ini/keys_without_equals.ini";
    EXPECT_EQ(ReadProfileString(file, "Main", "Bare", "dflt"), "dflt");
    EXPECT_EQ(ReadProfileString(file, "Main", "C", "dflt"), "1");
}

}  // namespace
