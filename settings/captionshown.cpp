#include "settings/captionshown.h"

#include "settings/accelerator.h"
#include "settings/asciitext.h"
#include "settings/leadbytes.h"

std::string CaptionAsShown(std::string_view caption) {
    std::string shown;
    shown.reserve(caption.size());
    for (size_t i = 0; i < caption.size();) {
        if (caption[i] == '&') {
            ++i;  // the mark itself; what follows is shown, an ampersand too
            if (i == caption.size())
                break;
        }
        const size_t length = CharacterLength(caption, i);
        shown.append(caption.substr(i, length));
        i += length;
    }
    return shown;
}

std::string AcceleratorShortcut(std::string_view caption) {
    const std::string_view key = AcceleratorOf(caption);
    if (key.empty() || key == " ")
        return {};
    std::string shortcut = "Alt+";
    for (char c : key)
        shortcut += key.size() == 1 ? AsciiUpper(c) : c;
    return shortcut;
}
