#pragma once
// Notifications between the library's panels and their child controls. They travel through the
// framework's message path (TControl::Perform), so windowless children receive them too.

#include <cstdint>

// The panel's background changed: children that copy it repaint.
constexpr uint32_t CM_LMDBACKCHANGED = 0xB0CE;
// Posted to a control's own window after it gained or lost the focus.
constexpr uint32_t CM_LMDAFTERENTER = 0xB0CF;
constexpr uint32_t CM_LMDAFTEREXIT = 0xB0D0;
