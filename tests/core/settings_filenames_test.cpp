#include "settings/filenames.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "settings/leadbytes.h"
#include "tests/common/tempfile.h"

namespace {

namespace fs = std::filesystem;

// Shift-JIS texts whose second byte is 0x5C, the backslash: "表" and "ソ".
const std::string kHyou = "\x95\x5c";
const std::string kSo = "\x83\x5c";

// Reads names as a Shift-JIS system would for the length of one test.
class ShiftJisNames {
public:
    ShiftJisNames() { SetLeadBytes(ShiftJisLeadBytes()); }
    ~ShiftJisNames() { SetLeadBytes(LeadByteTable{}); }
};

struct Case {
    std::string input;
    std::string expected;
};

class FileDirPartOf : public testing::TestWithParam<Case> {};

TEST_P(FileDirPartOf, KeepsEverythingUpToTheLastSeparator) {
    EXPECT_EQ(FileDirPart(GetParam().input), GetParam().expected) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(WindowsAndHostNames,
                         FileDirPartOf,
                         testing::Values(Case{"C:\\Menu\\menu.ini", "C:\\Menu\\"},
                                         Case{"\\\\server\\share\\a.exe", "\\\\server\\share\\"},
                                         Case{"C:a.exe", "C:"},
                                         Case{"a.exe", ""},
                                         Case{"C:\\Menu\\", "C:\\Menu\\"},
                                         Case{"", ""},
                                         Case{"\\", "\\"},
                                         Case{"/media/disc/menu.ini", "/media/disc/"},
                                         Case{"/media/disc\\setup\\setup.exe", "/media/disc\\setup\\"},
                                         Case{"menu", ""}));

class NormalDirOf : public testing::TestWithParam<Case> {};

TEST_P(NormalDirOf, EndsInASeparator) {
    EXPECT_EQ(NormalDir(GetParam().input), GetParam().expected) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(Folders,
                         NormalDirOf,
                         testing::Values(Case{"C:\\Menu", "C:\\Menu\\"},
                                         Case{"C:\\Menu\\", "C:\\Menu\\"},
                                         Case{"C:", "C:"},
                                         Case{"d", "d:\\"},
                                         Case{"D", "D:\\"},
                                         Case{"Menu", "Menu\\"},
                                         Case{".", ".\\"},
                                         Case{"", ""},
                                         Case{"1", "1\\"},
                                         Case{"/media/disc/", "/media/disc/"},
                                         Case{"/media/disc", "/media/disc\\"}));

TEST(FileNamesWithDoubleByteCharacters, TrailByteIsNeverTakenForABackslash) {
    ShiftJisNames sjis;
    EXPECT_EQ(FileDirPart("C:\\" + kHyou), "C:\\");
    EXPECT_EQ(FileDirPart("C:\\" + kHyou + "\\menu.ini"), "C:\\" + kHyou + "\\");
    EXPECT_EQ(FileDirPart(kSo + kHyou), "");
    EXPECT_EQ(NormalDir("C:\\" + kHyou), "C:\\" + kHyou + "\\");
    EXPECT_EQ(NormalDir(kHyou), kHyou + "\\");
    EXPECT_EQ(NormalDir("C:\\" + kHyou + "\\"), "C:\\" + kHyou + "\\");
    EXPECT_EQ(HostPath("disc\\" + kHyou + "\\a.exe"), "disc/" + kHyou + "/a.exe");
}

TEST(FileNamesWithDoubleByteCharacters, LeadByteAtTheEndStandsAlone) {
    ShiftJisNames sjis;
    EXPECT_EQ(FileDirPart("C:\\a\\\x95"), "C:\\a\\");
    EXPECT_EQ(NormalDir("C:\\a\x95"), "C:\\a\x95\\");
}

TEST(FileNamesWithoutDoubleByteSupport, EveryByteIsACharacter) {
    EXPECT_EQ(FileDirPart("C:\\" + kHyou), "C:\\\x95\x5c");
    EXPECT_EQ(NormalDir("C:\\" + kHyou), "C:\\" + kHyou);
    EXPECT_EQ(HostPath("a\\" + kHyou), "a/\x95/");
}

TEST(DecimalText, PrintsPlainDecimal) {
    EXPECT_EQ(DecimalText(1), "1");
    EXPECT_EQ(DecimalText(12), "12");
    EXPECT_EQ(DecimalText(-5), "-5");
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(INT32_MIN), "-2147483648");
    EXPECT_EQ(DecimalText(1000000), "1000000");
}

TEST(ProgramFileName, IsThisTestProgram) {
    const std::string name = ProgramFileName();
    EXPECT_EQ(fs::path(name).filename(), "core_tests");
    EXPECT_TRUE(FilePresent(name));
}

// A scratch folder for the file-system routines, removed at the end of the test.
class FileSystemTest : public testing::Test {
protected:
    std::string Make(const std::string& name, std::time_t modified = std::time(nullptr)) {
        const fs::path path = dir_ / name;
        std::ofstream(path) << "x";
        utimbuf times{modified, modified};
        utime(path.c_str(), &times);
        return path.string();
    }
    static std::time_t LocalTime(int year, int month, int day) {
        std::tm t{};
        t.tm_year = year - 1900;
        t.tm_mon = month - 1;
        t.tm_mday = day;
        t.tm_hour = 12;
        t.tm_isdst = -1;
        return std::mktime(&t);
    }
    const TTempFolder folder_;
    const fs::path dir_{folder_.Path()};
};

TEST_F(FileSystemTest, FilePresentForFilesNotFolders) {
    const std::string file = Make("setup.exe");
    fs::create_directories(dir_ / "folder");
    EXPECT_TRUE(FilePresent(file));
    EXPECT_FALSE(FilePresent((dir_ / "folder").string()));
    EXPECT_FALSE(FilePresent((dir_ / "absent.exe").string()));
    EXPECT_FALSE(FilePresent(""));
}

TEST_F(FileSystemTest, FilePresentNeedsATimeThatADosDateHolds) {
    EXPECT_FALSE(FilePresent(Make("old.exe", LocalTime(1979, 12, 31))));
    EXPECT_TRUE(FilePresent(Make("first.exe", LocalTime(1980, 1, 2))));
    EXPECT_TRUE(FilePresent(Make("last.exe", LocalTime(2107, 12, 30))));
    EXPECT_FALSE(FilePresent(Make("future.exe", LocalTime(2108, 1, 2))));
}

TEST_F(FileSystemTest, FilePresentWithWildcardsTakesTheFirstMatch) {
    Make("b_file.txt");
    fs::create_directories(dir_ / "a_folder.txt");
    EXPECT_FALSE(FilePresent((dir_ / "a_*.txt").string()));  // a folder comes first
    EXPECT_TRUE(FilePresent((dir_ / "b_*.txt").string()));
    EXPECT_TRUE(FilePresent((dir_ / "b_fil?.txt").string()));
    EXPECT_FALSE(FilePresent((dir_ / "c_*").string()));
    Make("x[1].txt");
    EXPECT_TRUE(FilePresent((dir_ / "x[1].*").string()));  // "[" is no wildcard in these names
}

TEST_F(FileSystemTest, BackslashNamesAreFoundOnTheHost) {
    fs::create_directories(dir_ / "setup");
    Make("setup/setup.exe");
    EXPECT_TRUE(FilePresent(dir_.string() + "\\setup\\setup.exe"));
    EXPECT_TRUE(FilePresent(NormalDir(dir_.string()) + "setup\\setup.exe"));
}

TEST_F(FileSystemTest, BackslashInADoubleByteNameStaysPartOfTheName) {
    ShiftJisNames sjis;
    Make(kHyou + ".exe");  // the file name holds the byte 0x5C
    EXPECT_TRUE(FilePresent(NormalDir(dir_.string()) + kHyou + ".exe"));
}

TEST_F(FileSystemTest, FullPathNameResolvesRelativeNamesAgainstTheCurrentFolder) {
    const TCurrentFolder inside(folder_.Path());
    EXPECT_EQ(FullPathName("menu.ini"), (dir_ / "menu.ini").string());
    EXPECT_EQ(FullPathName("setup\\..\\menu.ini"), (dir_ / "menu.ini").string());
    EXPECT_EQ(FullPathName(".\\a\\.\\b.exe"), (dir_ / "a" / "b.exe").string());
    EXPECT_EQ(FullPathName("/media/disc/menu.ini"), "/media/disc/menu.ini");
    EXPECT_EQ(FullPathName(""), "");
    EXPECT_EQ(FullPathName(std::string(300, 'a')), "");  // longer than a full path may be
}

}  // namespace
