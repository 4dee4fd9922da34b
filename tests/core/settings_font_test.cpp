// TFont and its shared data records: defaults, size arithmetic, change signals, pooling with use
// counts and the record hash.

#include "settings/font.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "settings/fontplatform.h"
#include "settings/fontpool.h"

namespace {

TResourceManager& Pool() {
    return TResourceManager::Fonts();
}

TEST(DefaultFont, IsMsSansSerifEightPoints) {
    TFont font;
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.PixelsPerInch(), ScreenPixelsPerInch());
    EXPECT_EQ(font.Height(), -PlatformMulDiv(8, ScreenPixelsPerInch(), 72));
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Style(), 0);
    EXPECT_EQ(font.Pitch(), fpDefault);
    EXPECT_EQ(font.Charset(), 1);
    EXPECT_EQ(font.Color(), clWindowText);
}

TEST(FontSize, FollowsTheHeightByRoundedMultiplyThenDivide) {
    TFont font;
    font.SetPixelsPerInch(96);
    font.SetSize(8);
    EXPECT_EQ(font.Height(), -11);  // 8 * 96 / 72 = 10.67
    font.SetSize(9);
    EXPECT_EQ(font.Height(), -12);
    font.SetHeight(-13);
    EXPECT_EQ(font.Size(), 10);  // 13 * 72 / 96 = 9.75
    font.SetHeight(20);          // a positive height (cell height) gives a negative size
    EXPECT_EQ(font.Size(), -15);
    font.SetPixelsPerInch(120);
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -20);
}

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(PlatformMulDiv(3, 1, 2), 2);
    EXPECT_EQ(PlatformMulDiv(-3, 1, 2), -2);
    EXPECT_EQ(PlatformMulDiv(5, 1, -2), -3);
    EXPECT_EQ(PlatformMulDiv(1, 1, 3), 0);
    EXPECT_EQ(PlatformMulDiv(7, 0, 3), 0);
    EXPECT_EQ(PlatformMulDiv(1, 1, 0), -1);
    EXPECT_EQ(PlatformMulDiv(INT32_MAX, 2, 1), -1);
    EXPECT_EQ(PlatformMulDiv(INT32_MAX, INT32_MAX, INT32_MAX), INT32_MAX);
}

TEST(FontChanges, SignalOnlyWhenAValueChanges) {
    TFont font;
    int changes = 0;
    font.OnChange = [&](TFont& changed) {
        EXPECT_EQ(&changed, &font);
        ++changes;
    };
    font.SetName("MS Sans Serif");
    font.SetSize(font.Size());
    font.SetStyle(0);
    font.SetPitch(fpDefault);
    font.SetCharset(1);
    font.SetColor(clWindowText);
    font.SetName("");
    EXPECT_EQ(changes, 0);
    font.SetName("Arial");
    font.SetStyle(fsBold);
    font.SetColor(clRed);
    font.SetCharset(0);
    font.SetPitch(fpFixed);
    font.SetHeight(-30);
    EXPECT_EQ(changes, 6);
}

TEST(FontName, IsCutTo31CharactersAndKeptOnEmpty) {
    TFont font;
    font.SetName(std::string(40, 'a'));
    EXPECT_EQ(font.Name(), std::string(31, 'a'));
    font.SetName("");
    EXPECT_EQ(font.Name(), std::string(31, 'a'));
    font.SetName(std::string(31, 'a') + "zzz");  // the same 31 characters: the same record
    EXPECT_EQ(font.Name(), std::string(31, 'a'));
}

TEST(FontName, EndsAtAZeroByte) {
    TFont a, b;
    a.SetName(std::string("Zero\0Tail", 9));
    b.SetName("Zero");
    EXPECT_EQ(a.Name(), "Zero");
    EXPECT_EQ(&a.Data(), &b.Data());
}

TEST(FontPool, EqualDataShareOneRecord) {
    TFont a, b;
    a.SetName("Pool Share Face");
    b.SetName("Pool Share Face");
    EXPECT_EQ(&a.Data(), &b.Data());
    EXPECT_EQ(Pool().UseCount(&a.Data()), 2);
    b.SetSize(30);
    EXPECT_NE(&a.Data(), &b.Data());
    EXPECT_EQ(Pool().UseCount(&a.Data()), 1);
    b.SetSize(a.Size());
    EXPECT_EQ(&a.Data(), &b.Data());
}

TEST(FontPool, RecordGoesWhenItsLastFontGoes) {
    const size_t before = Pool().RecordCount();
    {
        auto a = std::make_unique<TFont>();
        a->SetName("Pool Lifetime Face");
        TFont b;
        b.Assign(*a);
        EXPECT_EQ(Pool().RecordCount(), before + 1);
        EXPECT_EQ(Pool().UseCount(&b.Data()), 2);
        a.reset();
        EXPECT_EQ(Pool().UseCount(&b.Data()), 1);
        EXPECT_EQ(Pool().RecordCount(), before + 1);
    }
    EXPECT_EQ(Pool().RecordCount(), before);
}

TEST(FontPool, SettingACurrentValueKeepsTheCount) {
    TFont a;
    a.SetName("Pool Count Face");
    a.SetName("Pool Count Face");
    a.SetStyle(0);
    EXPECT_EQ(Pool().UseCount(&a.Data()), 1);
}

TEST(FontPool, RecordBytesAreEqualForEqualData) {
    TFontKey a, b;
    SetKeyName(a, "Arial");
    SetKeyName(b, std::string("Arial") + std::string(10, 'x'));
    SetKeyName(b, "Arial");  // the longer name's bytes must not linger
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);
    EXPECT_EQ(FontKeyHash(a), FontKeyHash(b));
}

TEST(FontPool, HashRotatesLeftFiveAndXorsEachByte) {
    // Worked out by hand from the 40 bytes: height (4, little-endian), name (32), pitch, style,
    // charset, reserved.
    const struct {
        int32_t height;
        const char* name;
        TFontPitch pitch;
        TFontStyles style;
        TFontCharset charset;
        uint16_t hash;
    } cases[] = {
        {0, "", fpDefault, 0, 0, 0x0000},
        // A lone first byte ends rotated by 5 * 39 = 195 = 12 * 16 + 3 bits: the rotation wraps.
        {1, "", fpDefault, 0, 0, 0x0008},
        {0, "", fpDefault, 0, 1, 0x0020},     // rotated once, by the reserved byte after it
        {0, "", fpDefault, 0xFF, 0, 0xFC03},  // bits rotated out at the top come back at the bottom
        {-13, "Arial", fpDefault, 0, 1, 0x1315},
        {8, "MS Sans Serif", fpVariable, 3, 0, 0x5579},
    };
    for (const auto& c : cases) {
        TFontKey key;
        key.height = c.height;
        SetKeyName(key, c.name);
        key.pitch = c.pitch;
        key.style = c.style;
        key.charset = c.charset;
        EXPECT_EQ(FontKeyHash(key), c.hash) << c.height << " " << c.name;
    }
}

TEST(FontPool, DifferentDataWithTheSameHashStayApart) {
    // Find two names of one hash: the pool must compare the bytes too.
    TFontKey first;
    SetKeyName(first, "a0");
    const uint16_t target = FontKeyHash(first);
    std::string twin;
    for (int i = 0; i < 1 << 21 && twin.empty(); ++i) {
        const std::string name = {static_cast<char>('A' + (i & 63)), static_cast<char>('A' + (i >> 6 & 63)),
                                  static_cast<char>('A' + (i >> 12 & 63)), 'x'};
        TFontKey probe;
        SetKeyName(probe, name);
        if (FontKeyHash(probe) == target)
            twin = name;
    }
    ASSERT_FALSE(twin.empty());
    TFont a, b;
    a.SetHeight(0);
    b.SetHeight(0);
    a.SetName("a0");
    b.SetName(twin);
    EXPECT_EQ(a.Data().hash, b.Data().hash);
    EXPECT_NE(&a.Data(), &b.Data());
    EXPECT_EQ(a.Name(), "a0");
    EXPECT_EQ(b.Name(), twin);
}

TEST(FontAssign, TakesRecordAndColourAndSignalsOnce) {
    TFont source, target;
    source.SetName("Assign Face");
    source.SetColor(clLime);
    int changes = 0;
    target.OnChange = [&](TFont&) { ++changes; };
    target.Assign(source);
    EXPECT_EQ(&target.Data(), &source.Data());
    EXPECT_EQ(target.Color(), clLime);
    EXPECT_EQ(changes, 1);
    target.Assign(source);
    EXPECT_EQ(changes, 1);
}

TEST(FontAssign, KeepsThePointSizeAcrossResolutions) {
    TFont source, target;
    source.SetPixelsPerInch(96);
    source.SetSize(12);
    target.SetPixelsPerInch(120);
    target.Assign(source);
    EXPECT_EQ(target.Size(), 12);
    EXPECT_EQ(target.Height(), -20);
    EXPECT_EQ(source.Height(), -16);
}

}  // namespace
