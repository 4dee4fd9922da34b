#pragma once
// The message dialog's geometry, from the dialog units of its font (the average character width and
// the character height): margins, spacings and button size in dialog units scaled with MulDiv, the
// text block (and the icon beside it for the typed dialogs), the row of buttons centred below.

#include <cstdint>

struct DialogRect {
    int32_t left = 0, top = 0, width = 0, height = 0;
};

struct MessageDialogMetrics {
    int32_t horzMargin, vertMargin;    // around everything
    int32_t horzSpacing, vertSpacing;  // icon to text, text to buttons
    int32_t buttonWidth, buttonHeight, buttonSpacing;
};

// The sizes for dialog units unitX (measured width of the 52 letters div 52) and unitY (their height).
MessageDialogMetrics MessageDialogMetricsFor(int32_t unitX, int32_t unitY);

struct MessageDialogLayout {
    int32_t clientWidth = 0, clientHeight = 0;
    DialogRect icon;     // empty without an icon
    DialogRect message;  // the label
    DialogRect firstButton;
    int32_t buttonStep = 0;  // from one button's left to the next one's
};

// Lays out a dialog whose text measures textWidth x textHeight, with or without the 32 x 32 icon, and
// buttonCount buttons each buttonWidth wide (already widened to the widest caption).
MessageDialogLayout LayoutMessageDialog(const MessageDialogMetrics& metrics,
                                        int32_t textWidth,
                                        int32_t textHeight,
                                        bool hasIcon,
                                        int32_t buttonCount,
                                        int32_t buttonWidth);
