#pragma once
// A caption as the screen shows it, for those who cannot see it: "&" marks the accelerator character
// (drawn underlined, not as an ampersand) and "&&" shows one "&".

#include <string>
#include <string_view>

// The caption without its marks, each "&&" as one "&"; a lone "&" at the end shows nothing.
std::string CaptionAsShown(std::string_view caption);
// The caption's accelerator as a keyboard shortcut ("Alt+S" for "&Setup"); empty when it has none.
std::string AcceleratorShortcut(std::string_view caption);
