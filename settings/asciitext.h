#pragma once
// Letter case of ASCII letters only: identifiers, section and key names and style letters are
// compared this way, whatever the system code page does with other bytes.

#include <string>
#include <string_view>

constexpr char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool SameTextIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
            return false;
    return true;
}

// The text with its ASCII letters in upper case, every other byte unchanged.
inline std::string AsciiUpperText(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = AsciiUpper(c);
    return upper;
}
