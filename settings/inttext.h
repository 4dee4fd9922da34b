#pragma once
// Integer text as the settings reader understands it: decimal with an optional sign, or hexadecimal
// after "$", "x", "X", "0x" or "0X"; 32 bits.

#include <cstdint>
#include <string_view>

// The value of the integer text, or `fallback` when the text is malformed.
int32_t TextToIntDef(std::string_view text, int32_t fallback);

// The value of the integer text; malformed text raises EConvertError
// ("'%s' is not a valid integer value").
int32_t TextToInt(std::string_view text);
