#include "menu/menuinfo.h"

#include <gtest/gtest.h>

#include "menu_memory_registry.h"
#include "settings/color.h"
#include "settings/filenames.h"
#include "tests/common/tempfile.h"

namespace {

class MenuModel : public testing::Test {
protected:
    // Writes menu.ini with the given text and reads the model from it.
    std::unique_ptr<TVornelInfo> Load(const std::string& ini) {
        return std::make_unique<TVornelInfo>(files_.Write("menu.ini", ini), registry_);
    }
    std::string IniDir() const { return NormalDir(FileDirPart(files_ / "menu.ini")); }

    TTempFolder files_;
    TMemoryRegistry registry_;
};

void ExpectDefaultEntry(const TProgInfo& entry) {
    EXPECT_EQ(entry.X, 0);
    EXPECT_EQ(entry.Y, 0);
    EXPECT_EQ(entry.Width, 0);
    EXPECT_EQ(entry.Height, 0);
    EXPECT_EQ(entry.ButtonText, "");
    EXPECT_EQ(entry.Font.Name(), "MS Sans Serif");
    EXPECT_EQ(entry.Font.Size(), 8);
    EXPECT_EQ(entry.Font.Style(), 0);
    EXPECT_EQ(entry.Font.Pitch(), fpDefault);
    EXPECT_EQ(entry.Font.Color(), clWindowText);
    EXPECT_EQ(entry.Font.Charset(), 1);
    EXPECT_EQ(entry.HighlightColor, 0);
    EXPECT_EQ(entry.TopContourColor, 0);
    EXPECT_EQ(entry.BottomContourColor, 0);
    EXPECT_EQ(entry.ExePath, "");
    EXPECT_EQ(entry.ExeCommandLine, "");
    EXPECT_EQ(entry.ExeWorkingPath, "");
    EXPECT_EQ(entry.PreRunMessage, "");
    EXPECT_EQ(entry.AfterRunMessage, "");
    EXPECT_TRUE(entry.TerminateAfterStart);
}

TEST(MenuEntry, StartsEmptyWithTheDefaultFont) {
    const TProgInfo entry;
    EXPECT_EQ(entry.X, 0);
    EXPECT_EQ(entry.HighlightColor, 0);
    EXPECT_EQ(entry.ExePath, "");
    EXPECT_FALSE(entry.TerminateAfterStart);
    EXPECT_EQ(entry.Font.Name(), "MS Sans Serif");
}

TEST_F(MenuModel, MissingDefinitionGivesOneDefaultEntry) {
    const std::string fileName = files_ / "menu.ini";
    const TVornelInfo menu(fileName, registry_);
    EXPECT_EQ(menu.IniFileName(), fileName);
    EXPECT_EQ(menu.IniDir(), IniDir());
    EXPECT_EQ(menu.BackgroundPath(), IniDir() + "menu.bmp");
    EXPECT_EQ(menu.IconPath(), "");
    EXPECT_EQ(menu.AppName(), "");
    EXPECT_EQ(menu.AppTaskName(), "");
    EXPECT_EQ(menu.ProgCount(), 1);
    ASSERT_EQ(menu.Entries().size(), 1u);
    ExpectDefaultEntry(*menu.GetEntry(0));
    EXPECT_FALSE(IsEntryRunnable(*menu.GetEntry(0)));
}

TEST_F(MenuModel, KeepsTheFileNameAsPassed) {
    const TVornelInfo menu(R"(C:\Disc\Menu\menu.ini)", registry_);
    EXPECT_EQ(menu.IniFileName(), R"(C:\Disc\Menu\menu.ini)");
    EXPECT_EQ(menu.IniDir(), R"(C:\Disc\Menu\)");
    EXPECT_EQ(menu.BackgroundPath(), R"(C:\Disc\Menu\menu.bmp)");
    EXPECT_EQ(menu.IniFile().FileName(), R"(C:\Disc\Menu\menu.ini)");
}

TEST_F(MenuModel, ReadsTheMainSection) {
    const auto menu = Load(
        "[Main]\nBackground=art\\back.bmp\nIcon=disc.ico\nAppName=Product disc\nAppTaskName=Product\nProgCount=0\n");
    EXPECT_EQ(menu->BackgroundPath(), IniDir() + "art\\back.bmp");
    EXPECT_EQ(menu->IconPath(), IniDir() + "disc.ico");
    EXPECT_EQ(menu->AppName(), "Product disc");
    EXPECT_EQ(menu->AppTaskName(), "Product");
}

TEST_F(MenuModel, EmptyBackgroundIsTheFolderItself) {
    EXPECT_EQ(Load("[Main]\nBackground=\n")->BackgroundPath(), IniDir());
}

TEST_F(MenuModel, AbsoluteBackgroundIsStillAppendedToTheFolder) {
    EXPECT_EQ(Load("[Main]\nBackground=C:\\pics\\a.bmp\n")->BackgroundPath(), IniDir() + "C:\\pics\\a.bmp");
}

TEST_F(MenuModel, EmptyOrMissingIconLeavesNoIconPath) {
    EXPECT_EQ(Load("[Main]\nIcon=\n")->IconPath(), "");
    EXPECT_EQ(Load("[Main]\nAppName=x\n")->IconPath(), "");
}

TEST_F(MenuModel, ZeroOrNegativeCountReadsNoEntry) {
    for (const char* count : {"0", "-1", "-2147483648"}) {
        const auto menu = Load(std::string("[Main]\nProgCount=") + count + "\n[Prog_1]\nButtonText=never\n");
        EXPECT_EQ(menu->ProgCount(), std::stoi(count)) << count;
        EXPECT_TRUE(menu->Entries().empty()) << count;
        EXPECT_EQ(menu->GetEntry(0), nullptr) << count;
    }
}

TEST_F(MenuModel, HugeCountIsLimited) {
    const auto menu = Load("[Main]\nProgCount=2147483647\n[Prog_1000]\nButtonText=last\n[Prog_1001]\nButtonText=x\n");
    EXPECT_EQ(menu->ProgCount(), TVornelInfo::kMaxProgCount);
    ASSERT_EQ(menu->Entries().size(), static_cast<size_t>(TVornelInfo::kMaxProgCount));
    EXPECT_EQ(menu->GetEntry(TVornelInfo::kMaxProgCount - 1)->ButtonText, "last");
    EXPECT_EQ(menu->GetEntry(TVornelInfo::kMaxProgCount), nullptr);
    EXPECT_EQ(Load("[Main]\nProgCount=1000\n")->ProgCount(), 1000);
    EXPECT_EQ(Load("[Main]\nProgCount=1001\n")->ProgCount(), 1000);
}

TEST_F(MenuModel, MissingSectionsGiveDefaultEntries) {
    const auto menu = Load("[Main]\nProgCount=3\n[Prog_1]\nButtonText=Install\nTerminateAfterStart=0\n");
    ASSERT_EQ(menu->Entries().size(), 3u);
    EXPECT_EQ(menu->GetEntry(0)->ButtonText, "Install");
    EXPECT_FALSE(menu->GetEntry(0)->TerminateAfterStart);
    ExpectDefaultEntry(*menu->GetEntry(1));
    ExpectDefaultEntry(*menu->GetEntry(2));
}

TEST_F(MenuModel, GetEntryIsEmptyOutsideTheList) {
    const auto menu = Load("[Main]\nProgCount=2\n[Prog_2]\nButtonText=second\n");
    EXPECT_EQ(menu->GetEntry(-1), nullptr);
    EXPECT_EQ(menu->GetEntry(2), nullptr);
    EXPECT_EQ(menu->GetEntry(INT32_MIN), nullptr);
    EXPECT_EQ(menu->GetEntry(INT32_MAX), nullptr);
    ASSERT_NE(menu->GetEntry(1), nullptr);
    EXPECT_EQ(menu->GetEntry(1)->ButtonText, "second");
}

TEST_F(MenuModel, SectionNumbersHaveNoLeadingZeros) {
    std::string ini = "[Main]\nProgCount=10\n[Prog_010]\nButtonText=padded\n[Prog_01]\nButtonText=padded\n";
    ini += "[Prog_10]\nButtonText=tenth\n";
    const auto menu = Load(ini);
    ASSERT_EQ(menu->Entries().size(), 10u);
    EXPECT_EQ(menu->GetEntry(9)->ButtonText, "tenth");
    EXPECT_EQ(menu->GetEntry(0)->ButtonText, "");
}

TEST_F(MenuModel, ReadsEveryEntryKey) {
    const auto menu = Load(
        "[Main]\nProgCount=1\n[Prog_1]\nX=40\nY=$3C\nWidth=240\nHeight=0x1C\nButtonText=Install now\n"
        "FontInfo=Times New Roman,12,B,0,clYellow,204\nHighlightColor=clLime\nTopContourColor=$00C08040\n"
        "BottomContourColor=clGray\nExePath=setup\\setup.exe\nExeCommandLine=/quiet \"x y\"\n"
        "ExeWorkingPath=setup\nPreRunMessage=Starting\nAfterRunMessage=Done\nTerminateAfterStart=0\n");
    const TProgInfo& entry = *menu->GetEntry(0);
    EXPECT_EQ(entry.X, 40);
    EXPECT_EQ(entry.Y, 60);
    EXPECT_EQ(entry.Width, 240);
    EXPECT_EQ(entry.Height, 28);
    EXPECT_EQ(entry.ButtonText, "Install now");
    EXPECT_EQ(entry.Font.Name(), "Times New Roman");
    EXPECT_EQ(entry.Font.Size(), 12);
    EXPECT_EQ(entry.Font.Style(), fsBold);
    EXPECT_EQ(entry.Font.Color(), clYellow);
    EXPECT_EQ(entry.Font.Charset(), 204);
    EXPECT_EQ(entry.HighlightColor, clLime);
    EXPECT_EQ(entry.TopContourColor, 0x00C08040);
    EXPECT_EQ(entry.BottomContourColor, clGray);
    EXPECT_EQ(entry.ExePath, "setup\\setup.exe");
    EXPECT_EQ(entry.ExeCommandLine, "/quiet \"x y\"");
    EXPECT_EQ(entry.ExeWorkingPath, "setup");
    EXPECT_EQ(entry.PreRunMessage, "Starting");
    EXPECT_EQ(entry.AfterRunMessage, "Done");
    EXPECT_FALSE(entry.TerminateAfterStart);
}

TEST_F(MenuModel, MalformedValuesTakeTheirDefaults) {
    const auto menu = Load(
        "[Main]\nProgCount=1\n[Prog_1]\nX=1.5\nWidth=12px\nHighlightColor=red\nTopContourColor=\n"
        "FontInfo=Arial,14,I,0,notacolour,204\n");
    const TProgInfo& entry = *menu->GetEntry(0);
    EXPECT_EQ(entry.X, 0);
    EXPECT_EQ(entry.Width, 0);
    EXPECT_EQ(entry.HighlightColor, 0);
    EXPECT_EQ(entry.TopContourColor, 0);
    // The font takes its fields up to the bad colour and keeps the rest.
    EXPECT_EQ(entry.Font.Name(), "Arial");
    EXPECT_EQ(entry.Font.Size(), 14);
    EXPECT_EQ(entry.Font.Style(), fsItalic);
    EXPECT_EQ(entry.Font.Color(), clWindowText);
    EXPECT_EQ(entry.Font.Charset(), 1);
}

TEST_F(MenuModel, MalformedCountTakesTheDefaultOfOne) {
    EXPECT_EQ(Load("[Main]\nProgCount=two\n")->Entries().size(), 1u);
    EXPECT_EQ(Load("[Main]\nProgCount=\n")->Entries().size(), 1u);
}

struct TerminateCase {
    const char* value;
    bool expected;
};

class MenuModelTerminate : public MenuModel, public testing::WithParamInterface<TerminateCase> {};

TEST_P(MenuModelTerminate, OnlyAZeroIntegerIsFalse) {
    const auto menu = Load(std::string("[Prog_1]\nTerminateAfterStart=") + GetParam().value + "\n");
    EXPECT_EQ(menu->GetEntry(0)->TerminateAfterStart, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Spellings,
                         MenuModelTerminate,
                         testing::Values(TerminateCase{"0", false},
                                         TerminateCase{"$0", false},
                                         TerminateCase{"0x0", false},
                                         TerminateCase{"-0", false},
                                         TerminateCase{"1", true},
                                         TerminateCase{"2", true},
                                         TerminateCase{"-1", true},
                                         TerminateCase{"$10", true},
                                         TerminateCase{"false", true},
                                         TerminateCase{"no", true},
                                         TerminateCase{"true", true},
                                         TerminateCase{"", true},
                                         TerminateCase{"off", true}));

TEST_F(MenuModel, MacroPassResolvesTargetsAndWorkingFoldersInOrder) {
    const std::string app = files_.MakeFolder("App");
    files_.Write("App/app.exe", "MZ");
    registry_.SetString(RegistryRoot::LocalMachine, "Software\\A", "Path", app);
    const auto menu = Load(
        "[Main]\nProgCount=2\nAppName=$REG$HKLMSoftware\\A$KEY$Path\n"
        "[Prog_1]\nExePath=$REG$HKLMSoftware\\A$KEY$Path$DEF$fb.exe$EXENAME$\\app.exe\n"
        "ExeWorkingPath=$REG$HKLMSoftware\\A$KEY$Path\n"
        "ExeCommandLine=$REG$HKLMSoftware\\A$KEY$Path\n"
        "ButtonText=$REG$HKLMSoftware\\A$KEY$Path\n"
        "[Prog_2]\nExePath=$REG$HKCUSoftware\\B$KEY$Path$DEF$fb2.exe\nExeWorkingPath=$REG$HKCUSoftware\\C$KEY$Dir\n");
    EXPECT_EQ(menu->GetEntry(0)->ExePath, app + "\\app.exe");
    EXPECT_EQ(menu->GetEntry(0)->ExeWorkingPath, app);
    EXPECT_TRUE(IsEntryRunnable(*menu->GetEntry(0)));
    // Only targets and working folders are resolved.
    EXPECT_EQ(menu->GetEntry(0)->ExeCommandLine, "$REG$HKLMSoftware\\A$KEY$Path");
    EXPECT_EQ(menu->GetEntry(0)->ButtonText, "$REG$HKLMSoftware\\A$KEY$Path");
    EXPECT_EQ(menu->AppName(), "$REG$HKLMSoftware\\A$KEY$Path");
    EXPECT_EQ(menu->GetEntry(1)->ExePath, "fb2.exe");
    EXPECT_EQ(menu->GetEntry(1)->ExeWorkingPath, "");
    EXPECT_FALSE(IsEntryRunnable(*menu->GetEntry(1)));

    const std::vector<std::pair<RegistryRoot, std::string>> expected = {
        {RegistryRoot::LocalMachine, "Software\\A"},
        {RegistryRoot::LocalMachine, "Software\\A"},
        {RegistryRoot::CurrentUser, "Software\\B"},
        {RegistryRoot::CurrentUser, "Software\\C"},
    };
    EXPECT_EQ(registry_.opened, expected);
}

TEST_F(MenuModel, RunnableNeedsAnExistingFile) {
    files_.Write("setup/setup.exe", "MZ");
    files_.Write("readme.txt", "hello");
    const std::string ini = "[Main]\nProgCount=4\n[Prog_1]\nExePath=" + (files_ / "setup/setup.exe") +
                            "\n[Prog_2]\nExePath=" + (files_ / "readme.txt") +
                            "\n[Prog_3]\nExePath=" + (files_ / "setup") +
                            "\n[Prog_4]\nExePath=" + (files_ / "missing.exe") + "\n";
    const auto menu = Load(ini);
    EXPECT_TRUE(IsEntryRunnable(*menu->GetEntry(0)));
    EXPECT_TRUE(IsEntryRunnable(*menu->GetEntry(1)));
    EXPECT_FALSE(IsEntryRunnable(*menu->GetEntry(2)));
    EXPECT_FALSE(IsEntryRunnable(*menu->GetEntry(3)));
}

TEST_F(MenuModel, RelativeTargetsAreLookedUpInTheCurrentFolder) {
    files_.Write("setup/setup.exe", "MZ");
    const auto menu = Load("[Prog_1]\nExePath=setup\\setup.exe\n");
    EXPECT_FALSE(IsEntryRunnable(*menu->GetEntry(0)));  // the tests run in the build folder
    const TCurrentFolder inside(files_.Path());
    EXPECT_TRUE(IsEntryRunnable(*menu->GetEntry(0)));
}

}  // namespace
