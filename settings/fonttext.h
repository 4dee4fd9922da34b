#pragma once
// The text form of fonts: "Name,Size,Style,Pitch,Color,Charset" (";" also separates fields).

#include <string>
#include <string_view>
#include <vector>

#include "settings/font.h"

std::string FontStylesToString(TFontStyles styles);     // "BIUS" subset, in that order
TFontStyles StringToFontStyles(std::string_view text);  // any B, I, U, S anywhere, any case
std::string FontToString(const TFont& font);
// The fields of a font text, each without the characters of code 32 or below at its ends: runs up
// to the next "," or ";"; a separator at the very end gives no further field.
std::vector<std::string_view> FontTextFields(std::string_view text);
// Applies the fields in order up to the first bad colour field; always signals one change;
// a malformed colour field then raises EConvertError.
void StringToFont(std::string_view text, TFont& font);
