// Fonts on GDI: the default face and resolution, realisation into a shared HFONT with the right
// LOGFONT, deletion with the last user, and system colours.

#include "settings/font_win.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "settings/color.h"
#include "settings/fontplatform.h"

namespace {

LOGFONTA RealisedLogFont(HFONT handle) {
    LOGFONTA logFont{};
    EXPECT_EQ(GetObjectA(handle, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
    return logFont;
}

TEST(FontsOnWindows, ScreenResolutionComesFromTheScreen) {
    WindowDC screen(nullptr);
    ASSERT_TRUE(screen);
    EXPECT_EQ(ScreenPixelsPerInch(), GetDeviceCaps(screen.get(), LOGPIXELSY));
    TFont font;
    EXPECT_EQ(font.PixelsPerInch(), ScreenPixelsPerInch());
    EXPECT_EQ(font.Height(), -MulDiv(DefaultFont().size, ScreenPixelsPerInch(), 72));
}

TEST(FontsOnWindows, DefaultFaceFollowsTheSystem) {
    // The Western default unless double-byte support is on with a Shift-JIS system font.
    WindowDC screen(nullptr);
    ScopedSelect select(screen.get(), GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics;
    ASSERT_TRUE(GetTextMetricsA(screen.get(), &metrics));
    TFont font;
    if (GetSystemMetrics(SM_DBCSENABLED) && metrics.tmCharSet == SHIFTJIS_CHARSET) {
        EXPECT_EQ(font.Name(), "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");
        EXPECT_EQ(font.Size(), 9);
        EXPECT_EQ(font.Charset(), SHIFTJIS_CHARSET);
    } else {
        EXPECT_EQ(font.Name(), "MS Sans Serif");
        EXPECT_EQ(font.Size(), 8);
        EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
    }
}

TEST(FontsOnWindows, PlatformMulDivIsTheSystemsMulDiv) {
    for (const int a : {-13, -11, 0, 7, 8, 9, 12, 100000})
        for (const int b : {72, 96, 120, -96})
            for (const int c : {72, 96, 120, -72, 0})
                EXPECT_EQ(PlatformMulDiv(a, b, c), MulDiv(a, b, c));
}

TEST(FontRealisation, LogFontCarriesEveryProperty) {
    TFont font;
    font.SetName("Arial");
    font.SetHeight(-16);
    font.SetStyle(fsBold | fsItalic | fsUnderline | fsStrikeOut);
    font.SetPitch(fpVariable);
    font.SetCharset(204);
    const LOGFONTA logFont = RealisedLogFont(FontHandle(font));
    EXPECT_EQ(logFont.lfHeight, -16);
    EXPECT_EQ(logFont.lfWidth, 0);
    EXPECT_EQ(logFont.lfWeight, FW_BOLD);
    EXPECT_TRUE(logFont.lfItalic);
    EXPECT_TRUE(logFont.lfUnderline);
    EXPECT_TRUE(logFont.lfStrikeOut);
    EXPECT_EQ(logFont.lfCharSet, 204);
    EXPECT_EQ(logFont.lfPitchAndFamily, VARIABLE_PITCH);
    EXPECT_EQ(logFont.lfOutPrecision, OUT_DEFAULT_PRECIS);
    EXPECT_EQ(logFont.lfQuality, DEFAULT_QUALITY);
    EXPECT_STREQ(logFont.lfFaceName, "Arial");
}

TEST(FontRealisation, PlainFontAndPitches) {
    TFont font;
    font.SetName("Courier New");
    font.SetPitch(fpFixed);
    LOGFONTA logFont = RealisedLogFont(FontHandle(font));
    EXPECT_EQ(logFont.lfWeight, FW_NORMAL);
    EXPECT_FALSE(logFont.lfItalic);
    EXPECT_FALSE(logFont.lfUnderline);
    EXPECT_FALSE(logFont.lfStrikeOut);
    EXPECT_EQ(logFont.lfPitchAndFamily, FIXED_PITCH);
    EXPECT_EQ(logFont.lfCharSet, DEFAULT_CHARSET);
    font.SetPitch(fpDefault);
    logFont = RealisedLogFont(FontHandle(font));
    EXPECT_EQ(logFont.lfPitchAndFamily, DEFAULT_PITCH);
}

TEST(FontRealisation, DefaultNameStandsForTheDefaultFace) {
    for (const char* name : {"Default", "DEFAULT", "default"}) {
        TFont font;
        font.SetName(name);
        EXPECT_EQ(font.Name(), name);
        EXPECT_STREQ(RealisedLogFont(FontHandle(font)).lfFaceName, DefaultFont().name.c_str()) << name;
    }
    TFont other;
    other.SetName("Defaults");
    EXPECT_STREQ(RealisedLogFont(FontHandle(other)).lfFaceName, "Defaults");
}

TEST(FontRealisation, EqualFontsShareOneHandleMadeOnce) {
    TFont a, b;
    a.SetName("Shared Handle Face");
    b.SetName("Shared Handle Face");
    const HFONT handle = FontHandle(a);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(FontHandle(b), handle);
    EXPECT_EQ(FontHandle(a), handle);
    b.SetSize(20);
    EXPECT_NE(FontHandle(b), handle);
}

TEST(FontRealisation, HandleIsDeletedWithTheLastUser) {
    HFONT handle;
    {
        auto a = std::make_unique<TFont>();
        a->SetName("Deleted Handle Face");
        TFont b;
        b.Assign(*a);
        handle = FontHandle(b);
        ASSERT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_FONT));
        a.reset();
        EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_FONT));
    }
    EXPECT_EQ(GetObjectType(handle), 0u);
}

TEST(ResolveColorOnWindows, SystemColoursAreTheSystemsColours) {
    for (int n = 0; n <= 30; ++n)
        EXPECT_EQ(ResolveColor(SystemColor(n)), static_cast<TColor>(GetSysColor(n))) << n;
    EXPECT_EQ(ResolveColor(static_cast<TColor>(0xFF00000F)), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(ResolveColor(0x00C08040), 0x00C08040);
    EXPECT_EQ(ResolveColor(clNone), clNone);
}

}  // namespace
