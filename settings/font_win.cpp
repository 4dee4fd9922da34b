#include "settings/font_win.h"

#include <cstring>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "settings/asciitext.h"
#include "settings/fontplatform.h"
#include "settings/fontpool.h"

struct PlatformFont {
    UniqueFont handle;
};

void DestroyPlatformFont(PlatformFont* font) {
    delete font;
}

namespace {

// "ＭＳ Ｐゴシック" in Shift-JIS.
constexpr char kShiftJisDefaultFace[] = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

// The character set of the stock system font, or DEFAULT_CHARSET when it cannot be had.
BYTE SystemFontCharset() {
    WindowDC screen(nullptr);
    if (!screen)
        return DEFAULT_CHARSET;
    ScopedSelect select(screen.get(), GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics;
    return GetTextMetricsA(screen.get(), &metrics) ? metrics.tmCharSet : DEFAULT_CHARSET;
}

LOGFONTA KeyLogFont(const TFontKey& key) {
    LOGFONTA logFont{};
    logFont.lfHeight = key.height;
    logFont.lfWeight = key.style & fsBold ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = key.style & fsItalic ? TRUE : FALSE;
    logFont.lfUnderline = key.style & fsUnderline ? TRUE : FALSE;
    logFont.lfStrikeOut = key.style & fsStrikeOut ? TRUE : FALSE;
    logFont.lfCharSet = key.charset;
    logFont.lfPitchAndFamily = key.pitch == fpVariable ? VARIABLE_PITCH
                               : key.pitch == fpFixed  ? FIXED_PITCH
                                                       : DEFAULT_PITCH;
    const char* face = SameTextIgnoringAsciiCase(key.name, "Default") ? DefaultFont().name.c_str() : key.name;
    std::strncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
    return logFont;
}

PlatformFont* MakePlatformFont(const TFontKey& key) {
    const LOGFONTA logFont = KeyLogFont(key);
    return new PlatformFont{UniqueFont(CreateFontIndirectA(&logFont))};
}

}  // namespace

int ScreenPixelsPerInch() {
    static const int pixelsPerInch = [] {
        WindowDC screen(nullptr);
        return screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    }();
    return pixelsPerInch;
}

const DefaultFontFace& DefaultFont() {
    static const DefaultFontFace face = []() -> DefaultFontFace {
        if (GetSystemMetrics(SM_DBCSENABLED) && SystemFontCharset() == SHIFTJIS_CHARSET)
            return {kShiftJisDefaultFace, 9, SHIFTJIS_CHARSET};
        return {"MS Sans Serif", 8, DEFAULT_CHARSET};
    }();
    return face;
}

int32_t PlatformMulDiv(int32_t number, int32_t numerator, int32_t denominator) {
    return MulDiv(number, numerator, denominator);
}

LOGFONTA FontLogFont(const TFont& font) {
    return KeyLogFont(font.Data().key);
}

HFONT FontHandle(const TFont& font) {
    PlatformFont* platform = TResourceManager::Fonts().Realise(&font.Data(), MakePlatformFont);
    return platform ? platform->handle.get() : nullptr;
}
