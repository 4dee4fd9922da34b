#pragma once
// A button's frame and face in each look, and the width of each look's bevel.

#include <windows.h>

#include <cstdint>

#include "settings/color.h"
#include "shell/canvas_win.h"
#include "widgets/buttontypes.h"

// Option bits of LMDDrawBtnFace.
constexpr uint16_t kFaceFocusRect = 2;  // the classic styles draw a focus rectangle inside the bevel
constexpr uint16_t kFaceThinDown = 4;   // the classic styles draw their pressed look with a thin frame

// The width of the style's bevel in pixels; the state makes no difference.
uint8_t LMDGetButtonBevel(TLMDUserButtonStyle style, TLMDButtonState state);

// Draws the face and frame of a button of the given style and state in rect and returns true; rect
// comes back shrunk by 3 on every side, and moved by (1, 1) in the pressed states. The explorer styles
// never fill the face: a one-pixel raised frame under the mouse, a sunken one when pressed, nothing
// otherwise. Every other style fills the face with color first.
bool LMDDrawBtnFace(TCanvas& canvas,
                    bool mouseOver,
                    RECT& rect,
                    TLMDUserButtonStyle style,
                    TLMDButtonState state,
                    uint16_t options,
                    TColor color);
