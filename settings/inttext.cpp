#include "settings/inttext.h"

#include <optional>
#include <string>

#include "base/exceptions.h"
#include "base/strings.h"

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Digits after a hexadecimal prefix: at least one, nothing else, at most 32 significant bits.
std::optional<int32_t> ParseHex(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    uint32_t value = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || value > 0x0FFFFFFFu)
            return std::nullopt;
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    return static_cast<int32_t>(value);  // the 32-bit pattern: $FFFFFFFF is -1
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || magnitude > 214748364)
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX || value < INT32_MIN)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<int32_t> ParseIntegerText(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && text[start] == ' ')
        ++start;  // blanks only; a tab is not skipped
    text.remove_prefix(start);
    if (text.empty())
        return std::nullopt;
    if (text[0] == '$' || text[0] == 'x' || text[0] == 'X')
        return ParseHex(text.substr(1));
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return ParseHex(text.substr(2));
    return ParseDecimal(text);
}

}  // namespace

int32_t TextToIntDef(std::string_view text, int32_t fallback) {
    return ParseIntegerText(text).value_or(fallback);
}

int32_t TextToInt(std::string_view text) {
    if (const auto value = ParseIntegerText(text))
        return *value;
    const std::string shown(text);
    throw EConvertError(FmtLoadStr(StrId::SInvalidInteger, shown.c_str()));
}
