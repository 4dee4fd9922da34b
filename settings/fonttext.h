#pragma once
// The text form of fonts: "Name,Size,Style,Pitch,Color,Charset" (";" also separates fields).

#include <string>
#include <string_view>

#include "settings/font.h"

std::string FontStylesToString(TFontStyles styles);     // "BIUS" subset, in that order
TFontStyles StringToFontStyles(std::string_view text);  // any B, I, U, S anywhere, any case
std::string FontToString(const TFont& font);
// Applies the fields in order up to the first bad colour field; always signals one change;
// a malformed colour field then raises EConvertError.
void StringToFont(std::string_view text, TFont& font);
