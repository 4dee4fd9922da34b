// The menu only reads the registry. A user without administrative rights may read machine-wide
// keys but not open them for writing, so the keys must be opened for reading alone. Wine grants
// every access, so these tests stand in for such a user by refusing, at the program's import of
// RegOpenKeyExA, every open that asks for more than reading.

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "menu/registry.h"
#include "menu/regmacro.h"
#include "menu_import_patch.h"
#include "menu_registry_key.h"
#include "tests/common/tempfile.h"

namespace {

using OpenFunction = LONG(WINAPI*)(HKEY, LPCSTR, DWORD, REGSAM, PHKEY);
OpenFunction realOpen = nullptr;
std::vector<REGSAM> requested;

LONG WINAPI OpenAsLimitedUser(HKEY root, LPCSTR path, DWORD options, REGSAM access, PHKEY result) {
    requested.push_back(access);
    const REGSAM readOnly = KEY_READ | KEY_WOW64_32KEY | KEY_WOW64_64KEY;
    if (access & ~readOnly)
        return ERROR_ACCESS_DENIED;
    return realOpen(root, path, options, access, result);
}

class RegistryAccess : public testing::Test {
protected:
    void SetUp() override {
        if (!machine_.Created())
            GTEST_SKIP() << "no write access to HKEY_LOCAL_MACHINE here";
        ASSERT_TRUE(patch_.Installed());
        realOpen = reinterpret_cast<OpenFunction>(patch_.Original());
        requested.clear();
    }

    TTestRegistryKey machine_{HKEY_LOCAL_MACHINE};
    TImportPatch patch_{"RegOpenKeyExA", reinterpret_cast<void*>(&OpenAsLimitedUser)};
};

TEST_F(RegistryAccess, OpensMachineKeysForReadingOnly) {
    ASSERT_TRUE(machine_.SetText("Path", "C:\\Maker"));
    const auto registry = PlatformRegistry();
    const auto key = registry->OpenKey(RegistryRoot::LocalMachine, machine_.Path());
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->ReadString("Path"), "C:\\Maker");
    ASSERT_EQ(requested.size(), 1u);
    EXPECT_EQ(requested[0], static_cast<REGSAM>(KEY_READ));
}

TEST_F(RegistryAccess, MacroFindsTheInstalledProgramOfAMachineKey) {
    const TTempFolder files;
    files.Write("Viewer\\viewer.exe", "MZ");
    ASSERT_TRUE(machine_.SetText("Path", files.Path() + "\\Viewer"));
    const auto registry = PlatformRegistry();
    const std::string macro = "$REG$HKLM" + machine_.Path() + "$KEY$Path$DEF$viewer\\viewer.exe$EXENAME$\\viewer.exe";
    EXPECT_EQ(ResolveRegistryMacro(macro, *registry), files.Path() + "\\Viewer\\viewer.exe");
    EXPECT_FALSE(requested.empty());
}

}  // namespace
