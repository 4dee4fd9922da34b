// File-name routines on the Win32 calls: module name, full paths, and the presence test with its
// folder, time and wildcard rules.

#include "settings/filenames.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "settings/leadbytes.h"
#include "tests/common/tempfile.h"

namespace {

// A scratch folder under the temporary folder, removed with its files at the end of the test.
class Scratch : public testing::Test {
protected:
    // A file whose last-write time is the given local date (or now).
    std::string MakeFile(const std::string& name, WORD year = 0, WORD month = 1, WORD day = 2) {
        const std::string path = dir_ + name;
        HANDLE file =
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (year) {
            SYSTEMTIME local{};
            local.wYear = year;
            local.wMonth = month;
            local.wDay = day;
            local.wHour = 12;
            FILETIME localTime, utc;
            SystemTimeToFileTime(&local, &localTime);
            LocalFileTimeToFileTime(&localTime, &utc);
            SetFileTime(file, nullptr, nullptr, &utc);
        }
        CloseHandle(file);
        return path;
    }

    const TTempFolder folder_;
    const std::string dir_ = folder_.Path() + "\\";
};

TEST_F(Scratch, FilePresentForFilesNotFolders) {
    EXPECT_TRUE(FilePresent(MakeFile("setup.exe")));
    EXPECT_FALSE(FilePresent(folder_.MakeFolder("folder")));
    EXPECT_FALSE(FilePresent(dir_ + "absent.exe"));
    EXPECT_FALSE(FilePresent(""));
}

TEST_F(Scratch, FilePresentCountsHiddenAndSystemFiles) {
    const std::string path = MakeFile("hidden.exe");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_TRUE(FilePresent(path));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Scratch, FilePresentNeedsATimeThatADosDateHolds) {
    EXPECT_FALSE(FilePresent(MakeFile("old.exe", 1979, 12, 31)));
    EXPECT_TRUE(FilePresent(MakeFile("first.exe", 1980, 1, 2)));
    EXPECT_TRUE(FilePresent(MakeFile("last.exe", 2107, 12, 30)));
    EXPECT_FALSE(FilePresent(MakeFile("future.exe", 2108, 1, 2)));
}

TEST_F(Scratch, FilePresentWithWildcardsTakesTheFirstMatch) {
    folder_.MakeFolder("a_folder.txt");
    MakeFile("b_file.txt");
    EXPECT_FALSE(FilePresent(dir_ + "a_*.txt"));
    EXPECT_TRUE(FilePresent(dir_ + "b_*.txt"));
    EXPECT_TRUE(FilePresent(dir_ + "b_fil?.txt"));
    EXPECT_FALSE(FilePresent(dir_ + "c_*"));
}

TEST_F(Scratch, FullPathNameResolvesAgainstTheCurrentFolder) {
    const TCurrentFolder inside(folder_.Path());
    EXPECT_EQ(FullPathName("menu.ini"), dir_ + "menu.ini");
    EXPECT_EQ(FullPathName("setup\\..\\menu.ini"), dir_ + "menu.ini");
    EXPECT_EQ(FullPathName(".\\a\\.\\b.exe"), dir_ + "a\\b.exe");
    EXPECT_EQ(FullPathName("C:\\Menu\\..\\x.ini"), "C:\\x.ini");
    EXPECT_EQ(FullPathName(""), "");
    EXPECT_EQ(FullPathName("C:\\" + std::string(300, 'a')), "");  // does not fit 260 characters
    MakeFile("menu.ini");
    EXPECT_TRUE(FilePresent("menu.ini"));
}

TEST(ProgramFileName, IsTheTestProgram) {
    const std::string name = ProgramFileName();
    ASSERT_GT(name.size(), 13u);
    EXPECT_EQ(name.substr(name.size() - 13), "win_tests.exe");
    EXPECT_TRUE(FilePresent(name));
    EXPECT_EQ(FileDirPart(name) + "win_tests.exe", name);
}

TEST(FileNamesOnWindows, SlashIsNoSeparatorAndNamesReachTheSystemUnchanged) {
    EXPECT_EQ(FileDirPart("C:/Menu/menu.ini"), "C:");
    EXPECT_EQ(NormalDir("C:\\Menu/"), "C:\\Menu/\\");
    EXPECT_EQ(HostPath("setup\\setup.exe"), "setup\\setup.exe");
}

TEST(LeadBytesOnWindows, FollowTheSystemCodePage) {
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(b)), IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE) << b;
}

}  // namespace
