#pragma once
// Reports of the tools go to standard output byte for byte, so that the same report reads the
// same on every host (no CR inserted before line feeds on Windows).

#include <string_view>

// Writes the bytes unchanged and flushes; false when they could not all be written.
bool WriteStandardOutput(std::string_view bytes);
