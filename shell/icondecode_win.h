#pragma once
// Turning an icon file's chosen image into the system's icon.

#include <windows.h>

#include "base/handles_win.h"
#include "base/memorystream.h"

struct TDecodedIcon {
    UniqueIcon icon;
    int width = 0;  // the chosen image's size
    int height = 0;
};

// Decodes an icon file (type 1) held in memory: chooses the image for the requested size (0 x 0:
// the system's icon size) and the screen's colours, and makes the icon from its colour and mask
// parts scaled to the image's size. Raises EReadError or EInvalidGraphic for a broken directory,
// EOutOfResources when the system cannot make the bitmaps or the icon.
TDecodedIcon DecodeIcon(TMemoryStream& file, int requestedWidth, int requestedHeight);
