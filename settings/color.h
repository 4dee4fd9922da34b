#pragma once
// Colour values: 0..$00FFFFFF is $00BBGGRR; $80000000 + n is system colour n; others pass unchanged.

#include <cstdint>
#include <string>
#include <string_view>

using TColor = int32_t;

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080, clNavy = 0x800000,
                 clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080, clSilver = 0xC0C0C0, clRed = 0x0000FF,
                 clLime = 0x00FF00, clYellow = 0x00FFFF, clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00,
                 clWhite = 0xFFFFFF;
constexpr TColor SystemColor(int n) {
    return static_cast<TColor>(0x80000000u + static_cast<uint32_t>(n));
}
constexpr TColor clScrollBar = SystemColor(0), clBackground = SystemColor(1), clActiveCaption = SystemColor(2),
                 clInactiveCaption = SystemColor(3), clMenu = SystemColor(4), clWindow = SystemColor(5),
                 clWindowFrame = SystemColor(6), clMenuText = SystemColor(7), clWindowText = SystemColor(8),
                 clCaptionText = SystemColor(9), clActiveBorder = SystemColor(10), clInactiveBorder = SystemColor(11),
                 clAppWorkSpace = SystemColor(12), clHighlight = SystemColor(13), clHighlightText = SystemColor(14),
                 clBtnFace = SystemColor(15), clBtnShadow = SystemColor(16), clGrayText = SystemColor(17),
                 clBtnText = SystemColor(18), clInactiveCaptionText = SystemColor(19), clBtnHighlight = SystemColor(20),
                 cl3DDkShadow = SystemColor(21), cl3DLight = SystemColor(22), clInfoText = SystemColor(23),
                 clInfoBk = SystemColor(24), clNone = 0x1FFFFFFF;

// The identifier from the colour table, else "$" and 8 upper-case hexadecimal digits.
std::string ColorToText(TColor color);
// An identifier (any ASCII case, no blanks removed) or integer text; malformed text raises EConvertError.
TColor TextToColor(std::string_view text);
// The colour to paint: system colours become the platform's current colour (Win32 layer only).
TColor ResolveColor(TColor color);
