#include "settings/accelerator.h"

#include "settings/asciitext.h"
#include "settings/leadbytes.h"

std::string_view AcceleratorOf(std::string_view caption) {
    for (size_t i = 0; i < caption.size();) {
        const size_t length = CharacterLength(caption, i);
        if (length == 1 && caption[i] == '&') {
            if (i + 1 >= caption.size())
                return {};
            if (caption[i + 1] != '&')
                return caption.substr(i + 1, CharacterLength(caption, i + 1));
            i += 2;  // "&&" is a plain ampersand
            continue;
        }
        i += length;
    }
    return {};
}

char AcceleratorKey(std::string_view caption) {
    const std::string_view accelerator = AcceleratorOf(caption);
    return accelerator.size() == 1 ? AsciiUpper(accelerator[0]) : '\0';
}

bool IsAccel(unsigned key, std::string_view caption) {
    if (key == 0 || key > 0xFF)
        return false;
    const char accelerator = AcceleratorKey(caption);
    return accelerator != '\0' && AsciiUpper(static_cast<char>(key)) == accelerator;
}
