#pragma once
// What the linter asks of the platform: the current folder, the size of a caption in its font, and
// the size and colours an application icon is chosen for. Other hosts have no Windows fonts and
// screen; they answer with the usual desktop values and say what they could not check.

#include <cstdint>
#include <optional>
#include <string>

#include "base/icoformat.h"
#include "settings/font.h"

// Makes the folder the process's current folder; false when it cannot.
bool SetCurrentFolder(const std::string& folder);

struct TTextExtent {
    int width = 0;
    int height = 0;
};

// The caption's size in the font on the screen as the button measures it (one line, "&" marking
// the accelerator); nothing on hosts without the platform's fonts.
std::optional<TTextExtent> MeasureCaption(const std::string& caption, const TFont& font);

struct TIconTarget {
    int width = 32;  // the system's icon size
    int height = 32;
    int32_t screenColors = kManyColors;  // a screen of more than 8 bits per pixel
};
TIconTarget IconTarget();

// The checks this host cannot make, for the report's note; empty when it makes them all.
std::string ChecksSkippedOnHost();
