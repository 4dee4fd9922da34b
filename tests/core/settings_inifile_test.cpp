// The INI reader family as the menu uses it: integer and boolean syntax on top of ReadString, the
// 2047-character cut, absent files, and the colour and font readers that never fail.

#include "settings/inifile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "settings/font.h"
#include "settings/fonttext.h"
#include "tests/common/tempfile.h"

namespace {

const std::string kIniData = std::string(MENU_TEST_DATA) + "/ini/";

using Values = std::map<std::string, std::string>;

// A reader over a fixed set of values, to check what the base class derives from ReadString.
class MapIniFile : public TCustomIniFile {
public:
    explicit MapIniFile(Values values) : TCustomIniFile("map"), values_(std::move(values)) {}
    std::string ReadString(const std::string&, const std::string& key, const std::string& fallback) override {
        ++reads;
        const auto found = values_.find(key);
        return found == values_.end() ? fallback : found->second;
    }
    int reads = 0;

private:
    Values values_;
};

// A temporary INI file with the given bytes, removed at the end of the test.
using TempIni = TTempFile;

struct IntegerCase {
    const char* value;
    int32_t expected;
};

class ReadIntegerOf : public testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerOf, GivesTheValueOrTheDefault) {
    MapIniFile ini(Values{{"K", GetParam().value}});
    EXPECT_EQ(ini.ReadInteger("S", "K", -7), GetParam().expected) << GetParam().value;
    EXPECT_EQ(ini.reads, 1);
}

INSTANTIATE_TEST_SUITE_P(MenuSpellings,
                         ReadIntegerOf,
                         testing::Values(IntegerCase{"26", 26},
                                         IntegerCase{"+26", 26},
                                         IntegerCase{"0026", 26},
                                         IntegerCase{"$1A", 26},
                                         IntegerCase{"$1a", 26},
                                         IntegerCase{"x1A", 26},
                                         IntegerCase{"X1A", 26},
                                         IntegerCase{"0x1A", 26},
                                         IntegerCase{"0X1a", 26},
                                         IntegerCase{"1A", -7},
                                         IntegerCase{"26h", -7},
                                         IntegerCase{"1.0", -7},
                                         IntegerCase{"1e3", -7},
                                         IntegerCase{"1,000", -7},
                                         IntegerCase{"- 5", -7},
                                         IntegerCase{"+$10", -7},
                                         IntegerCase{"-0x10", -7},
                                         IntegerCase{"$", -7},
                                         IntegerCase{"0x", -7},
                                         IntegerCase{"", -7},
                                         IntegerCase{"2147483647", 2147483647},
                                         IntegerCase{"2147483648", -7},
                                         IntegerCase{"-2147483648", INT32_MIN},
                                         IntegerCase{"-2147483649", -7},
                                         IntegerCase{"$FFFFFFFF", -1},
                                         IntegerCase{"$000000001", 1},
                                         IntegerCase{"$100000000", -7},
                                         IntegerCase{"-0", 0},
                                         IntegerCase{"0x$1", -7},
                                         IntegerCase{"true", -7}));

TEST(ReadInteger, AbsentKeyGivesTheDefault) {
    MapIniFile ini(Values{});
    EXPECT_EQ(ini.ReadInteger("S", "K", 42), 42);
}

struct BoolCase {
    const char* value;
    bool whenDefaultTrue;
    bool whenDefaultFalse;
};

class ReadBoolOf : public testing::TestWithParam<BoolCase> {};

TEST_P(ReadBoolOf, GivesZeroAsFalseAndOtherNumbersAsTrue) {
    MapIniFile ini(Values{{"K", GetParam().value}});
    EXPECT_EQ(ini.ReadBool("S", "K", true), GetParam().whenDefaultTrue) << GetParam().value;
    EXPECT_EQ(ini.ReadBool("S", "K", false), GetParam().whenDefaultFalse) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Spellings,
                         ReadBoolOf,
                         testing::Values(BoolCase{"0", false, false},
                                         BoolCase{"$0", false, false},
                                         BoolCase{"0x0", false, false},
                                         BoolCase{"-0", false, false},
                                         BoolCase{"1", true, true},
                                         BoolCase{"2", true, true},
                                         BoolCase{"-1", true, true},
                                         BoolCase{"$10", true, true},
                                         BoolCase{"false", true, false},
                                         BoolCase{"no", true, false},
                                         BoolCase{"true", true, false},
                                         BoolCase{"yes", true, false},
                                         BoolCase{"", true, false},
                                         BoolCase{" 0", false, false},
                                         BoolCase{"0 ", true, false}));

TEST(IniFileOnDisk, ReadsValuesAndKeepsEmptyValuesEmpty) {
    TempIni file("[Main]\r\nCaption = Hello menu \r\nEmpty=\r\nLeft=$20\r\nTop=0x40\r\nClose=0\r\n");
    TRxIniFile ini(file.path());
    EXPECT_EQ(ini.FileName(), file.path());
    EXPECT_EQ(ini.GetItemName(), "Item");
    EXPECT_EQ(ini.ReadString("Main", "Caption", "x"), "Hello menu");
    EXPECT_EQ(ini.ReadString("main", "CAPTION", "x"), "Hello menu");
    EXPECT_EQ(ini.ReadString("Main", "Empty", "x"), "");
    EXPECT_EQ(ini.ReadInteger("Main", "Empty", 9), 9);
    EXPECT_TRUE(ini.ReadBool("Main", "Empty", true));
    EXPECT_EQ(ini.ReadInteger("Main", "Left", 0), 32);
    EXPECT_EQ(ini.ReadInteger("Main", "Top", 0), 64);
    EXPECT_FALSE(ini.ReadBool("Main", "Close", true));
    EXPECT_EQ(ini.ReadString("Main", "Absent", "fallback"), "fallback");
    EXPECT_EQ(ini.ReadString("Absent", "Caption", "fallback"), "fallback");
}

TEST(IniFileOnDisk, ReadsTheFileAgainOnEveryCall) {
    TempIni file("[Main]\nA=1\n");
    TIniFile ini(file.path());
    EXPECT_EQ(ini.ReadString("Main", "A", ""), "1");
    std::ofstream(file.path(), std::ios::binary) << "[Main]\nA=2\n";
    EXPECT_EQ(ini.ReadString("Main", "A", ""), "2");
}

TEST(IniFileOnDisk, LongValuesAreCutTo2047Characters) {
    TIniFile ini(kIniData + "long_values.ini");
    EXPECT_EQ(ini.ReadString("Main", "A", ""), std::string(2047, 'x'));  // 3000 in the file
    EXPECT_EQ(ini.ReadString("Main", "B", ""), std::string(2047, 'y'));
    EXPECT_EQ(ini.ReadString("Main", "C", ""), std::string(2047, 'z'));
    EXPECT_EQ(ini.ReadString("Main", "D", ""), std::string(2046, 'q'));  // quotes removed
}

TEST(IniFileOnDisk, ReaderOverAnAbsentFileGivesEveryDefault) {
    TRxIniFile ini(kIniData + "there is no such file.ini");
    EXPECT_EQ(ini.ReadString("Main", "Caption", "def"), "def");
    EXPECT_EQ(ini.ReadInteger("Main", "Left", 12), 12);
    EXPECT_TRUE(ini.ReadBool("Main", "Close", true));
    EXPECT_EQ(ini.ReadColor("Prog_1", "EnterColor", 0), 0);
    TFont font;
    const std::string before = FontToString(font);
    EXPECT_EQ(&ini.ReadFont("Prog_1", "Font", font), &font);
    EXPECT_EQ(FontToString(font), before);
}

TEST(IniFileOnDisk, BackslashNamesReachTheFileSystemAsSlashes) {
    TIniFile ini(std::string(MENU_TEST_DATA) + "\\ini\\basic_lf.ini");
    EXPECT_EQ(ini.ReadString("Main", "Caption", ""), "Hello menu");
}

struct ColorCase {
    const char* value;
    TColor expected;
};

class ReadColorOf : public testing::TestWithParam<ColorCase> {};

TEST_P(ReadColorOf, GivesTheColourOrTheDefault) {
    TempIni file(std::string("[P]\nC=") + GetParam().value + "\n");
    TRxIniFile ini(file.path());
    EXPECT_EQ(ini.ReadColor("P", "C", clTeal), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Spellings,
                         ReadColorOf,
                         testing::Values(ColorCase{"clLime", clLime},
                                         ColorCase{"CLLIME", clLime},
                                         ColorCase{"cllime", clLime},
                                         ColorCase{"255", clRed},
                                         ColorCase{"$FF", clRed},
                                         ColorCase{"$000000FF", clRed},
                                         ColorCase{"0xFF", clRed},
                                         ColorCase{"xff", clRed},
                                         ColorCase{"$FF0000", clBlue},
                                         ColorCase{"$8000000F", clBtnFace},
                                         ColorCase{"-2147483633", clBtnFace},
                                         ColorCase{"red", clTeal},
                                         ColorCase{"#FF0000", clTeal},
                                         ColorCase{"RGB(255,0,0)", clTeal},
                                         ColorCase{"", clTeal},
                                         ColorCase{"clNone", clNone},
                                         ColorCase{"$20000000", 0x20000000}));

TEST(ReadColor, AbsentKeyGivesTheDefaultThroughItsText) {
    TRxIniFile ini(kIniData + "there is no such file.ini");
    EXPECT_EQ(ini.ReadColor("P", "C", 0), 0);
    EXPECT_EQ(ini.ReadColor("P", "C", 0x00C08040), 0x00C08040);
    EXPECT_EQ(ini.ReadColor("P", "C", clInfoBk), clInfoBk);
}

TEST(ReadFont, AppliesTheFieldsBeforeABadColourAndRaisesNothing) {
    TempIni file("[P]\nFont=Arial,12,B,0,bogus,204\nGood=Arial,12,B,0,clRed,204\n");
    TRxIniFile ini(file.path());
    TFont font;
    int changes = 0;
    font.OnChange = [&](TFont&) { ++changes; };
    ini.ReadFont("P", "Font", font);
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Size(), 12);
    EXPECT_EQ(font.Style(), fsBold);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_EQ(font.Charset(), 1);
    EXPECT_EQ(changes, 1);
    ini.ReadFont("P", "Good", font);
    EXPECT_EQ(font.Color(), clRed);
    EXPECT_EQ(font.Charset(), 204);
}

TEST(ReadFont, AbsentKeyReappliesTheFontsOwnText) {
    TempIni file("[P]\nOther=1\n");
    TRxIniFile ini(file.path());
    TFont font;
    font.SetName("Tahoma");
    font.SetColor(clNavy);
    const std::string before = FontToString(font);
    ini.ReadFont("P", "Font", font);
    EXPECT_EQ(FontToString(font), before);
}

}  // namespace
