#include <windows.h>

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "menu/registry.h"
#include "menu_registry_key.h"

namespace {

class RegistryReader : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(key_.Created()); }

    std::unique_ptr<TRegistryKey> Open() { return registry_->OpenKey(RegistryRoot::CurrentUser, key_.Path()); }
    std::string Read(const std::string& name) {
        const std::unique_ptr<TRegistryKey> key = Open();
        if (!key)
            throw std::runtime_error("test key did not open");
        return key->ReadString(name);
    }

    TTestRegistryKey key_{HKEY_CURRENT_USER};
    std::unique_ptr<TRegistryReader> registry_ = PlatformRegistry();
};

TEST_F(RegistryReader, ReadsStringValues) {
    ASSERT_TRUE(key_.SetText("Path", "C:\\Program Files\\Maker"));
    EXPECT_EQ(Read("Path"), "C:\\Program Files\\Maker");
}

TEST_F(RegistryReader, ValueNamesIgnoreLetterCase) {
    ASSERT_TRUE(key_.SetText("InstallDir", "D:\\x"));
    EXPECT_EQ(Read("INSTALLDIR"), "D:\\x");
}

TEST_F(RegistryReader, ExpandableStringsAreNotExpanded) {
    ASSERT_TRUE(key_.SetText("Dir", "%SystemRoot%\\viewer", REG_EXPAND_SZ));
    EXPECT_EQ(Read("Dir"), "%SystemRoot%\\viewer");
}

TEST_F(RegistryReader, ReadsTheDefaultValueByEmptyName) {
    ASSERT_TRUE(key_.SetText("", "default text"));
    EXPECT_EQ(Read(""), "default text");
}

TEST_F(RegistryReader, MissingValueIsEmpty) {
    EXPECT_EQ(Read("Nothing"), "");
}

TEST_F(RegistryReader, EmptyValuesAreEmptyWhateverTheirType) {
    ASSERT_TRUE(key_.SetBytes("NoDataString", REG_SZ, "", 0));
    ASSERT_TRUE(key_.SetText("EmptyString", ""));
    ASSERT_TRUE(key_.SetBytes("NoDataBinary", REG_BINARY, "", 0));
    ASSERT_TRUE(key_.SetBytes("NoDataMulti", REG_MULTI_SZ, "", 0));
    for (const char* name : {"NoDataString", "EmptyString", "NoDataBinary", "NoDataMulti"})
        EXPECT_EQ(Read(name), "") << name;
}

TEST_F(RegistryReader, OtherTypesRaiseTheInvalidTypeError) {
    const DWORD number = 42;
    const unsigned long long wide = 42;
    const BYTE bytes[] = {'a', 'b', 'c', 0};
    ASSERT_TRUE(key_.SetBytes("Dword", REG_DWORD, &number, sizeof number));
    ASSERT_TRUE(key_.SetBytes("Qword", REG_QWORD, &wide, sizeof wide));
    ASSERT_TRUE(key_.SetBytes("Binary", REG_BINARY, bytes, sizeof bytes));
    ASSERT_TRUE(key_.SetBytes("Multi", REG_MULTI_SZ, "a\0b\0", 5));
    for (const char* name : {"Dword", "Qword", "Binary", "Multi"}) {
        try {
            Read(name);
            ADD_FAILURE() << name << " was read as text";
        } catch (const ERegistryException& error) {
            EXPECT_EQ(error.Message(), std::string("Invalid data type for '") + name + "'");
        }
    }
}

TEST_F(RegistryReader, StopsAtTheFirstNul) {
    ASSERT_TRUE(key_.SetBytes("Embedded", REG_SZ, "ab\0cd", 6));
    EXPECT_EQ(Read("Embedded"), "ab");
}

TEST_F(RegistryReader, ReadsStringsStoredWithoutTerminatingNul) {
    ASSERT_TRUE(key_.SetBytes("Bare", REG_SZ, "abc", 3));
    ASSERT_TRUE(key_.SetBytes("BareExpand", REG_EXPAND_SZ, "x:\\y", 4));
    EXPECT_EQ(Read("Bare"), "abc");
    EXPECT_EQ(Read("BareExpand"), "x:\\y");
}

TEST_F(RegistryReader, OddSizedWideDataStaysInBounds) {
    // Three and a half UTF-16 characters, no terminator: the A function converts what is there.
    const wchar_t wide[] = L"abcd";
    ASSERT_EQ(RegSetValueExW(key_.get(), L"Odd", 0, REG_SZ, reinterpret_cast<const BYTE*>(wide), 7), ERROR_SUCCESS);
    const std::string text = Read("Odd");
    EXPECT_EQ(text.substr(0, 3), "abc");
    EXPECT_LE(text.size(), 4u);
}

TEST_F(RegistryReader, ReadsLongValuesWhole) {
    const std::string text(20000, 'p');
    ASSERT_TRUE(key_.SetText("Long", text));
    EXPECT_EQ(Read("Long"), text);
}

TEST_F(RegistryReader, OpensSubkeysByPath) {
    HKEY raw = nullptr;
    ASSERT_EQ(RegCreateKeyExA(key_.get(), "Sub\\Deeper", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &raw, nullptr),
              ERROR_SUCCESS);
    const UniqueKey deeper(raw);
    ASSERT_EQ(RegSetValueExA(deeper.get(), "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>("deep"), 5), ERROR_SUCCESS);
    const auto key = registry_->OpenKey(RegistryRoot::CurrentUser, key_.Path() + "\\Sub\\Deeper");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->ReadString("Path"), "deep");
}

TEST_F(RegistryReader, MissingKeyDoesNotOpenAndIsNotCreated) {
    const std::string path = key_.Path() + "\\Absent";
    EXPECT_EQ(registry_->OpenKey(RegistryRoot::CurrentUser, path), nullptr);
    HKEY raw = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &raw), ERROR_FILE_NOT_FOUND);
    if (raw)
        RegCloseKey(raw);
}

TEST_F(RegistryReader, CurrentUserAndMachineAreDifferentRoots) {
    ASSERT_TRUE(key_.SetText("Where", "user"));
    TTestRegistryKey machine(HKEY_LOCAL_MACHINE);
    if (!machine.Created())
        GTEST_SKIP() << "no write access to HKEY_LOCAL_MACHINE here";
    ASSERT_TRUE(machine.SetText("Where", "machine"));
    const auto userKey = registry_->OpenKey(RegistryRoot::CurrentUser, key_.Path());
    const auto machineKey = registry_->OpenKey(RegistryRoot::LocalMachine, machine.Path());
    ASSERT_NE(userKey, nullptr);
    ASSERT_NE(machineKey, nullptr);
    EXPECT_EQ(userKey->ReadString("Where"), "user");
    EXPECT_EQ(machineKey->ReadString("Where"), "machine");
    EXPECT_EQ(registry_->OpenKey(RegistryRoot::LocalMachine, key_.Path()), nullptr);
}

}  // namespace
