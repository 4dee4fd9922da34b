// The INI reader on the platform's private-profile function, and the colour and font readers.

#include "settings/inifile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "settings/font.h"
#include "settings/fonttext.h"
#include "tests/common/tempfile.h"

namespace {

const std::string kIniData = std::string(MENU_TEST_DATA) + "\\ini\\";

// A temporary INI file with the given bytes, deleted at the end of the test.
using TempIni = TTempFile;

TEST(IniFileOnThePlatform, ReadsValuesDefaultsAndEmptyValues) {
    TempIni file("[Main]\r\nCaption = Hello menu \r\nEmpty=\r\nLeft=$20\r\nTop=0x40\r\nClose=0\r\n");
    TRxIniFile ini(file.path());
    EXPECT_EQ(ini.ReadString("Main", "Caption", "x"), "Hello menu");
    EXPECT_EQ(ini.ReadString("MAIN", "caption", "x"), "Hello menu");
    EXPECT_EQ(ini.ReadString("Main", "Empty", "x"), "");
    EXPECT_EQ(ini.ReadString("Main", "Absent", "x"), "x");
    EXPECT_EQ(ini.ReadString("Absent", "Caption", "x"), "x");
    EXPECT_EQ(ini.ReadInteger("Main", "Left", 0), 32);
    EXPECT_EQ(ini.ReadInteger("Main", "Top", 0), 64);
    EXPECT_EQ(ini.ReadInteger("Main", "Empty", 5), 5);
    EXPECT_FALSE(ini.ReadBool("Main", "Close", true));
    EXPECT_TRUE(ini.ReadBool("Main", "Caption", true));
}

TEST(IniFileOnThePlatform, EmptyNamesAreNamesNotListings) {
    // Null names would make the platform list the keys or sections instead.
    TempIni file("[Main]\r\nA=1\r\nB=2\r\n");
    TIniFile ini(file.path());
    EXPECT_EQ(ini.ReadString("Main", "", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("", "", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("", "A", "dflt"), "dflt");
    TempIni named("[Main]\r\n=unnamed\r\n");
    EXPECT_EQ(TIniFile(named.path()).ReadString("Main", "", "dflt"), "unnamed");
}

TEST(IniFileOnThePlatform, LongValuesComeBackCutTo2047Characters) {
    TIniFile ini(kIniData + "long_values.ini");
    EXPECT_EQ(ini.ReadString("Main", "A", ""), std::string(2047, 'x'));
    EXPECT_EQ(ini.ReadString("Main", "C", ""), std::string(2047, 'z'));
    EXPECT_EQ(ini.ReadString("Main", "B", ""), std::string(2047, 'y'));
}

TEST(IniFileOnThePlatform, AbsentFileGivesEveryDefault) {
    TRxIniFile ini(kIniData + "there is no such file.ini");
    EXPECT_EQ(ini.ReadString("Main", "Caption", "def"), "def");
    EXPECT_EQ(ini.ReadInteger("Main", "Left", -3), -3);
    EXPECT_FALSE(ini.ReadBool("Main", "Close", false));
    EXPECT_EQ(ini.ReadColor("P", "C", clInfoBk), clInfoBk);
    TFont font;
    ini.ReadFont("P", "F", font);
    EXPECT_EQ(FontToString(font), "MS Sans Serif,8,,0,clWindowText,1");
}

TEST(IniFileOnThePlatform, ColoursAndFontsOfAMenuEntry) {
    TRxIniFile ini(kIniData + "menu_sample.ini");
    EXPECT_EQ(ini.ReadColor("Prog_1", "EnterColor", 0), clLime);
    EXPECT_EQ(ini.ReadColor("Prog_1", "Absent", 0), 0);
    EXPECT_EQ(ini.ReadColor("Prog_1", "Caption", clRed), clRed);  // "Install" is no colour
    TFont font;
    ini.ReadFont("Prog_1", "Font", font);
    EXPECT_EQ(FontToString(font), "Arial,12,B,0,clRed,204");
    EXPECT_EQ(ini.ReadInteger("Prog_1", "Left", 0), 32);
    EXPECT_EQ(ini.ReadInteger("Prog_1", "Top", 0), 64);
}

}  // namespace
