#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/application_win.h"
#include "shell/form_win.h"
#include "tests/common/tempfile.h"

namespace {

const std::string kProgramIcon = std::string(MENU_TEST_DATA) + "\\..\\..\\app\\menu.ico";

std::vector<unsigned char> ReadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

HICON BigIcon(HWND window) {
    return reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
}

TEST(ProgramIcon, IsOne32By32ImageWith16Colours) {
    const auto bytes = ReadFile(kProgramIcon);
    ASSERT_GE(bytes.size(), 22u);
    EXPECT_EQ(bytes[2] | bytes[3] << 8, 1);  // an icon file
    EXPECT_EQ(bytes[4] | bytes[5] << 8, 1);  // one image
    EXPECT_EQ(bytes[6], 32);
    EXPECT_EQ(bytes[7], 32);
    EXPECT_EQ(bytes[8], 16);
    TIcon icon;
    icon.LoadFromFile(kProgramIcon);
    EXPECT_NE(icon.Handle(), nullptr);
    EXPECT_EQ(icon.Width(), 32);
    EXPECT_EQ(icon.Height(), 32);
}

TEST(ApplicationIcon, LoadingAFileChangesTheApplicationWindowsIcons) {
    TApplication application;
    application.Icon().LoadFromFile(kProgramIcon);
    HICON loaded = application.Icon().Handle();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(application.IconHandle(), loaded);
    EXPECT_EQ(BigIcon(application.Handle()), loaded);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(application.Handle(), GCLP_HICON)), loaded);
}

TEST(ApplicationIcon, ReachesFormsWithoutAnIconOfTheirOwn) {
    TApplication application;
    TForm plain(&application);
    TForm own(&application);
    plain.HandleNeeded();
    own.HandleNeeded();
    own.Icon().SetHandle(LoadIcon(nullptr, IDI_WARNING), false);
    EXPECT_EQ(BigIcon(own.Handle()), LoadIcon(nullptr, IDI_WARNING));
    application.Icon().LoadFromFile(kProgramIcon);
    EXPECT_EQ(BigIcon(plain.Handle()), application.Icon().Handle());
    EXPECT_EQ(BigIcon(own.Handle()), LoadIcon(nullptr, IDI_WARNING));
}

TEST(ApplicationIcon, AssignedToAFormSharesTheImage) {
    TApplication application;
    TForm form(&application);
    form.HandleNeeded();
    application.Icon().LoadFromFile(kProgramIcon);
    form.Icon().Assign(application.Icon());
    EXPECT_FALSE(form.Icon().Empty());
    EXPECT_EQ(BigIcon(form.Handle()), application.Icon().Handle());
}

TEST(ApplicationIcon, AnInvalidFileRaisesFromTheLoadAndKeepsTheIcon) {
    TApplication application;
    const HICON before = BigIcon(application.Handle());
    // A cursor file (type 2) is not an icon.
    const TTempFile cursorFile(std::vector<uint8_t>{0, 0, 2, 0, 1, 0}, ".cur");
    const std::string& cursor = cursorFile.path();
    try {
        application.Icon().LoadFromFile(cursor);
        ADD_FAILURE() << "no exception";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Icon image is not valid");
    }
    EXPECT_EQ(BigIcon(application.Handle()), before);

    // A file with a good header but no image fails when the change decodes it, inside the load.
    const TTempFile emptyFile(std::vector<uint8_t>{0, 0, 1, 0, 0, 0}, ".ico");
    const std::string& empty = emptyFile.path();
    try {
        application.Icon().LoadFromFile(empty);
        ADD_FAILURE() << "no exception";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Icon image is not valid");
    }
    EXPECT_EQ(BigIcon(application.Handle()), before);

    try {
        application.Icon().LoadFromFile("Z:\\no\\such\\folder\\menu.ico");
        ADD_FAILURE() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file Z:\\no\\such\\folder\\menu.ico");
    }
}

}  // namespace
