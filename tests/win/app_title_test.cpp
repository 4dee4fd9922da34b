#include <gtest/gtest.h>

#include <string>

#include "shell/application_win.h"

namespace {

struct TitleCase {
    const char* fileName;
    const char* title;
};

class DefaultTitle : public testing::TestWithParam<TitleCase> {};

TEST_P(DefaultTitle, KeepsTheNameBeforeItsFirstPeriodLowerCasedAfterTheFirstCharacter) {
    EXPECT_EQ(DefaultTitleFor(GetParam().fileName), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(FileNames,
                         DefaultTitle,
                         testing::Values(TitleCase{"C:\\MENU\\MENU.EXE", "Menu"},
                                         TitleCase{"D:\\menu.exe", "menu"},
                                         TitleCase{"C:\\x\\my.menu.exe", "my"},
                                         TitleCase{"C:\\dir.with.dots\\SETUP", "Setup"},
                                         TitleCase{"C:\\A.EXE", "A"},
                                         TitleCase{"C:\\.hidden", ""},
                                         TitleCase{"C:\\dir\\", ""},
                                         TitleCase{"", ""},
                                         TitleCase{"MENU", "Menu"},
                                         TitleCase{"\\\\server\\share\\ReadMe.EXE", "Readme"},
                                         // Beyond ASCII the system's lower-casing applies (code page 1252 here).
                                         TitleCase{"C:\\MEN\xDC.EXE", "Men\xFC"},
                                         TitleCase{"C:\\\xC4PFEL.EXE", "\xC4pfel"}));

TEST(ApplicationTitle, DefaultsToTheProgramFileNameRule) {
    TApplication application;
    // The test program is win_tests.exe, in lower case already.
    EXPECT_EQ(application.Title(), "win_tests");
}

TEST(ApplicationTitle, LivesInTheApplicationWindowText) {
    TApplication application;
    char text[256] = {};
    GetWindowTextA(application.Handle(), text, sizeof text);
    EXPECT_STREQ(text, "win_tests");

    application.SetTitle("Disc Menu");
    GetWindowTextA(application.Handle(), text, sizeof text);
    EXPECT_STREQ(text, "Disc Menu");
    EXPECT_EQ(application.Title(), "Disc Menu");
}

TEST(ApplicationTitle, MayBeEmpty) {
    TApplication application;
    application.SetTitle("");
    EXPECT_EQ(application.Title(), "");
    EXPECT_EQ(GetWindowTextLengthA(application.Handle()), 0);
}

TEST(ApplicationTitle, ReadsAtMost255CharactersFromTheWindow) {
    TApplication application;
    application.SetTitle(std::string(300, 'x'));
    EXPECT_EQ(application.Title(), std::string(255, 'x'));
}

TEST(ApplicationTitle, WithoutAWindowIsHeldByTheObject) {
    TApplication library(true);
    EXPECT_EQ(library.Handle(), nullptr);
    EXPECT_EQ(library.Title(), "win_tests");
    library.SetTitle("Setup");
    EXPECT_EQ(library.Title(), "Setup");
    library.SetTitle("");
    EXPECT_EQ(library.Title(), "");
}

}  // namespace
