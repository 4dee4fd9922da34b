#include <array>

#include "settings/color.h"

namespace {

// The standard Windows scheme's system colours 0 to 24 ($00BBGGRR); other numbers give black, as
// the platform call does for numbers it does not know.
constexpr std::array<TColor, 25> kSystemColors{
    0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080,
    0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000, 0xE1FFFF,
};

}  // namespace

TColor ResolveColor(TColor color) {
    if (color >= 0)
        return color;
    const auto number = static_cast<size_t>(color & 0xFF);
    return number < kSystemColors.size() ? kSystemColors[number] : 0;
}
