#include "base/strings.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"

TEST(Strings, FormatsMessagesOfAnyLength) {
    EXPECT_EQ(FmtLoadStr(StrId::SFOpenError, "C:\\MENU\\menu.bmp"), "Cannot open file C:\\MENU\\menu.bmp");
    const std::string long_name(5000, 'x');
    EXPECT_EQ(FmtLoadStr(StrId::SInvalidInteger, long_name.c_str()),
              "'" + long_name + "' is not a valid integer value");
    EXPECT_EQ(FmtLoadStr(StrId::SWin32Error, 5, "Access denied."), "Win32 Error.  Code: 5.\nAccess denied.");
}
