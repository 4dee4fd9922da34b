#pragma once
// Fonts: face name, height and size, style set, pitch, colour and character set, with change
// notification. The five platform properties (name, height, pitch, style, charset) live in a data
// record shared through the process-wide TResourceManager pool; the colour is the font's own.

#include <cstdint>
#include <functional>
#include <string>

#include "settings/color.h"

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;  // a set of TFontStyle bits

enum TFontPitch : uint8_t { fpDefault = 0, fpVariable = 1, fpFixed = 2 };

using TFontCharset = uint8_t;

struct TFontData;  // the pooled record (see settings/fontpool.h)
struct TFontKey;

class TFont {
public:
    TFont();  // the default font: "MS Sans Serif", 8 points, no style, fpDefault, DEFAULT_CHARSET, clWindowText
    ~TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const std::string& Name() const;
    void SetName(const std::string& name);  // cut to 31 characters; empty leaves the name
    int32_t Height() const;
    void SetHeight(int32_t height);
    int32_t Size() const;  // -MulDiv(Height, 72, PixelsPerInch)
    void SetSize(int32_t size);
    TFontStyles Style() const;
    void SetStyle(TFontStyles style);
    TFontPitch Pitch() const;
    void SetPitch(TFontPitch pitch);
    TFontCharset Charset() const;
    void SetCharset(TFontCharset charset);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int PixelsPerInch() const { return pixelsPerInch_; }

    // Takes the source's data record and colour (and its Size when the pixels per inch differ);
    // signals one change when anything changed.
    void Assign(const TFont& source);
    // The resolution that Size is measured against (the screen's when the font is made).
    void SetPixelsPerInch(int pixelsPerInch) { pixelsPerInch_ = pixelsPerInch; }

    std::function<void(TFont&)> OnChange;
    void Changed();  // calls OnChange, if set

    const TFontData& Data() const { return *data_; }

private:
    void MoveTo(const TFontKey& wanted);  // switches to the pooled record with these data; signals a new one

    const TFontData* data_;
    TColor color_;
    int pixelsPerInch_;
};

// Screen pixels per logical inch, fixed when the graphics layer starts (96 without a screen).
int ScreenPixelsPerInch();
