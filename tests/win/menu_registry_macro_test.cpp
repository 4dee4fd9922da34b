// The registry path macros against Wine's real registry and file system.

#include <windows.h>

#include <gtest/gtest.h>

#include "menu/regmacro.h"
#include "menu_registry_key.h"
#include "tests/common/tempfile.h"

namespace {

class RegistryMacroOnWindows : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(key_.Created());
        app_ = files_.MakeFolder("App");
        files_.Write("App\\app.exe", "MZ");
        files_.MakeFolder("App\\folder.exe");
        ASSERT_TRUE(key_.SetText("Path", app_));
    }
    std::string Macro(const std::string& token, const std::string& rest) {
        return "$REG$" + token + key_.Path() + rest;
    }
    std::string Resolve(const std::string& text) { return ResolveRegistryMacro(text, *registry_); }

    TTestRegistryKey key_{HKEY_CURRENT_USER};
    TTempFolder files_;
    std::string app_;
    std::unique_ptr<TRegistryReader> registry_ = PlatformRegistry();
};

TEST_F(RegistryMacroOnWindows, TakesTheInstalledFileOverTheFallback) {
    EXPECT_EQ(Resolve(Macro("HKCU", "$KEY$Path$DEF$fb\\x.exe$EXENAME$\\app.exe")), app_ + "\\app.exe");
}

TEST_F(RegistryMacroOnWindows, FallsBackWhenTheFileIsMissingOrAFolder) {
    EXPECT_EQ(Resolve(Macro("HKCU", "$KEY$Path$DEF$fb\\x.exe$EXENAME$\\missing.exe")), "fb\\x.exe");
    EXPECT_EQ(Resolve(Macro("HKCU", "$KEY$Path$DEF$fb\\x.exe$EXENAME$\\folder.exe")), "fb\\x.exe");
}

TEST_F(RegistryMacroOnWindows, KeepsTheCandidateWithoutFallback) {
    EXPECT_EQ(Resolve(Macro("HKCU", "$KEY$Path$DEF$$EXENAME$\\missing.exe")), app_ + "\\missing.exe");
    EXPECT_EQ(Resolve(Macro("HKCU", "$KEY$Absent$DEF$$EXENAME$\\setup.exe")), "\\setup.exe");
}

TEST_F(RegistryMacroOnWindows, LeadingBackslashOfTheKeyPathIsDropped) {
    EXPECT_EQ(Resolve(Macro("HKCU\\", "$KEY$Path$DEF$fb$EXENAME$\\app.exe")), app_ + "\\app.exe");
}

TEST_F(RegistryMacroOnWindows, MissingKeyGivesTheFallback) {
    EXPECT_EQ(Resolve(Macro("HKCU", "\\Absent$KEY$Path$DEF$fb.exe$EXENAME$\\app.exe")), "fb.exe");
    EXPECT_EQ(Resolve(Macro("HKCU", "\\Absent$KEY$Path$DEF$$EXENAME$\\app.exe")), "");
}

TEST_F(RegistryMacroOnWindows, ValuesOfOtherTypesGiveTheFallback) {
    const DWORD number = 7;
    ASSERT_TRUE(key_.SetBytes("Dword", REG_DWORD, &number, sizeof number));
    ASSERT_TRUE(key_.SetBytes("Binary", REG_BINARY, "C:\\", 4));
    ASSERT_TRUE(key_.SetBytes("Multi", REG_MULTI_SZ, "C:\\\0\0", 5));
    for (const char* name : {"Dword", "Binary", "Multi"}) {
        EXPECT_EQ(Resolve(Macro("HKCU", std::string("$KEY$") + name + "$DEF$fb.exe$EXENAME$\\app.exe")), "fb.exe")
            << name;
        EXPECT_EQ(Resolve(Macro("HKCU", std::string("$KEY$") + name + "$DEF$$EXENAME$\\app.exe")), "") << name;
    }
}

TEST_F(RegistryMacroOnWindows, ExpandableValuesAreUsedUnexpanded) {
    SetEnvironmentVariableA("MENU_TEST_APP", app_.c_str());
    ASSERT_TRUE(key_.SetText("Expand", "%MENU_TEST_APP%", REG_EXPAND_SZ));
    EXPECT_EQ(Resolve(Macro("HKCU", "$KEY$Expand$DEF$fb.exe$EXENAME$\\app.exe")), "fb.exe");
    EXPECT_EQ(Resolve(Macro("HKCU", "$KEY$Expand$DEF$$EXENAME$\\app.exe")), "%MENU_TEST_APP%\\app.exe");
    ASSERT_TRUE(key_.SetText("Literal", app_, REG_EXPAND_SZ));
    EXPECT_EQ(Resolve(Macro("HKCU", "$KEY$Literal$DEF$fb.exe$EXENAME$\\app.exe")), app_ + "\\app.exe");
}

TEST_F(RegistryMacroOnWindows, HkcrReadsTheCurrentUserNotTheClassesRoot) {
    EXPECT_EQ(Resolve(Macro("HKCR", "$KEY$Path$DEF$fb$EXENAME$\\app.exe")), app_ + "\\app.exe");
    EXPECT_EQ(Resolve(Macro("ABCD", "$KEY$Path$DEF$fb$EXENAME$\\app.exe")), app_ + "\\app.exe");

    // A key that exists only below the classes root is not found through "HKCR".
    const std::string name = "MenuTestsClass" + std::to_string(GetCurrentProcessId());
    HKEY raw = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &raw, nullptr) !=
        ERROR_SUCCESS)
        GTEST_SKIP() << "cannot create a key below HKEY_CLASSES_ROOT";
    {
        const UniqueKey classKey(raw);
        ASSERT_EQ(RegSetValueExA(classKey.get(), "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(app_.c_str()),
                                 static_cast<DWORD>(app_.size() + 1)),
                  ERROR_SUCCESS);
    }
    EXPECT_EQ(Resolve("$REG$HKCR" + name + "$KEY$Path$DEF$fb$EXENAME$\\app.exe"), "fb");
    DeleteRegistryTree(HKEY_CLASSES_ROOT, name);
}

TEST_F(RegistryMacroOnWindows, MachineRootIsReadForHklmOnly) {
    TTestRegistryKey machine(HKEY_LOCAL_MACHINE);
    if (!machine.Created())
        GTEST_SKIP() << "no write access to HKEY_LOCAL_MACHINE here";
    ASSERT_TRUE(machine.SetText("Path", app_));
    const std::string rest = "$KEY$Path$DEF$fb$EXENAME$\\app.exe";
    EXPECT_EQ(Resolve("$REG$HKLM" + machine.Path() + rest), app_ + "\\app.exe");
    EXPECT_EQ(Resolve("$REG$HKCU" + machine.Path() + rest), "fb");
    EXPECT_EQ(Resolve("$REG$hklm" + machine.Path() + rest), "fb");
}

TEST_F(RegistryMacroOnWindows, RelativeCandidateIsLookedUpInTheCurrentFolder) {
    ASSERT_TRUE(key_.SetText("Relative", "App"));
    const TCurrentFolder inside(files_.Path());
    EXPECT_EQ(Resolve(Macro("HKCU", "$KEY$Relative$DEF$fb$EXENAME$\\app.exe")), "App\\app.exe");
    EXPECT_EQ(Resolve(Macro("HKCU", "$KEY$Relative$DEF$fb$EXENAME$\\none.exe")), "fb");
}

TEST_F(RegistryMacroOnWindows, LowerCaseMarkerIsAPlainPath) {
    const std::string text = "$reg$HKCU" + key_.Path() + "$KEY$Path$DEF$fb$EXENAME$\\app.exe";
    EXPECT_EQ(Resolve(text), text);
}

}  // namespace
