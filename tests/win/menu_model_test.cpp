// The menu model read through the platform's profile functions and registry.

#include "menu/menuinfo.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "menu_registry_key.h"
#include "settings/color.h"
#include "tests/common/tempfile.h"

namespace {

TEST(MenuModelOnWindows, ReadsTheDefinitionAndResolvesMacrosInTheRegistry) {
    const TTestRegistryKey key(HKEY_CURRENT_USER);
    ASSERT_TRUE(key.Created());
    const TTempFolder files;
    const std::string viewer = files.MakeFolder("Installed\\Viewer");
    files.Write("Installed\\Viewer\\viewer.exe", "MZ");
    files.Write("setup\\setup.exe", "MZ");
    ASSERT_TRUE(key.SetText("Path", viewer));

    const std::string ini = files.Write(
        "menu.ini",
        "[Main]\r\nBackground=back.bmp\r\nIcon=menu.ico\r\nAppName=Product disc\r\nAppTaskName=Product\r\n"
        "ProgCount=3\r\n"
        "[Prog_1]\r\nX=40\r\nY=60\r\nWidth=240\r\nHeight=28\r\nButtonText=Install\r\n"
        "FontInfo=Times New Roman,12,B,0,clYellow,204\r\nHighlightColor=clLime\r\nBottomContourColor=clGray\r\n"
        "ExePath=" +
            files.Path() +
            "\\setup\\setup.exe\r\nTerminateAfterStart=1\r\n"
            "[Prog_2]\r\nButtonText=Browse\r\n"
            "ExePath=$REG$HKCU" +
            key.Path() +
            "$KEY$Path$DEF$viewer\\viewer.exe$EXENAME$\\viewer.exe\r\n"
            "ExeWorkingPath=$REG$HKCU" +
            key.Path() +
            "$KEY$Path\r\n"
            "ExeCommandLine=$REG$HKCU" +
            key.Path() +
            "$KEY$Path\r\nTerminateAfterStart=no\r\n"
            "[Prog_3]\r\nExePath=$REG$HKCU" +
            key.Path() +
            "\\Absent$KEY$Path$DEF$viewer\\viewer.exe\r\n"
            "TerminateAfterStart=0\r\n");

    const TVornelInfo menu(ini);
    EXPECT_EQ(menu.IniDir(), files.Path() + "\\");
    EXPECT_EQ(menu.BackgroundPath(), files.Path() + "\\back.bmp");
    EXPECT_EQ(menu.IconPath(), files.Path() + "\\menu.ico");
    EXPECT_EQ(menu.AppName(), "Product disc");
    EXPECT_EQ(menu.AppTaskName(), "Product");
    ASSERT_EQ(menu.ProgCount(), 3);
    ASSERT_EQ(menu.Entries().size(), 3u);

    const TProgInfo& install = *menu.GetEntry(0);
    EXPECT_EQ(install.X, 40);
    EXPECT_EQ(install.Height, 28);
    EXPECT_EQ(install.ButtonText, "Install");
    EXPECT_EQ(install.Font.Name(), "Times New Roman");
    EXPECT_EQ(install.Font.Size(), 12);
    EXPECT_EQ(install.Font.Charset(), 204);
    EXPECT_EQ(install.HighlightColor, clLime);
    EXPECT_EQ(install.TopContourColor, clBlack);
    EXPECT_EQ(install.BottomContourColor, clGray);
    EXPECT_TRUE(install.TerminateAfterStart);
    EXPECT_TRUE(IsEntryRunnable(install));

    const TProgInfo& browse = *menu.GetEntry(1);
    EXPECT_EQ(browse.ExePath, viewer + "\\viewer.exe");
    EXPECT_EQ(browse.ExeWorkingPath, viewer);
    EXPECT_EQ(browse.ExeCommandLine, "$REG$HKCU" + key.Path() + "$KEY$Path");
    EXPECT_TRUE(browse.TerminateAfterStart);
    EXPECT_TRUE(IsEntryRunnable(browse));

    const TProgInfo& fallback = *menu.GetEntry(2);
    EXPECT_EQ(fallback.ExePath, "viewer\\viewer.exe");
    EXPECT_FALSE(fallback.TerminateAfterStart);
    EXPECT_FALSE(IsEntryRunnable(fallback));
    EXPECT_EQ(menu.GetEntry(3), nullptr);
}

TEST(MenuModelOnWindows, MissingDefinitionGivesOneDefaultEntry) {
    const TTempFolder files;
    const TVornelInfo menu(files.Path() + "\\menu.ini");
    EXPECT_EQ(menu.BackgroundPath(), files.Path() + "\\menu.bmp");
    ASSERT_EQ(menu.Entries().size(), 1u);
    EXPECT_EQ(menu.GetEntry(0)->Width, 0);
    EXPECT_EQ(menu.GetEntry(0)->Font.Name(), "MS Sans Serif");
    EXPECT_TRUE(menu.GetEntry(0)->TerminateAfterStart);
    EXPECT_FALSE(IsEntryRunnable(*menu.GetEntry(0)));
}

}  // namespace
