#pragma once
// Messages between the framework's controls. Window messages reach a control through its window (or,
// for a windowless control, through its parent's window); the control notifications below travel only
// through TControl::Perform, never through a window queue.

#include <windows.h>

#include <cstdint>

#include "shell/geometry.h"

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

// Control notifications (private message range of the framework).
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 3;
constexpr UINT CM_COLORCHANGED = CM_BASE + 4;
constexpr UINT CM_FONTCHANGED = CM_BASE + 5;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 9;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 12;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_DIALOGKEY = CM_BASE + 7;
constexpr UINT CM_CANCELMODE = CM_BASE + 16;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_APPICONCHANGED = CM_BASE + 41;

// Notifications of system controls, reflected back to the control by its parent window.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

// Keys and buttons held during a mouse message.
enum TShiftFlag : uint8_t {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
using TShiftState = uint8_t;

// The shift state of a mouse message's key flags (MK_*), plus Alt from the keyboard.
TShiftState MouseShiftState(WPARAM keys);

// Signed client coordinates of a mouse message.
inline POINT MousePoint(LPARAM lparam) {
    return POINT{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}
// The position word of a mouse message; coordinates beyond 16 bits saturate instead of wrapping.
inline LPARAM MouseLParam(POINT p) {
    return MAKELPARAM(static_cast<WORD>(SaturateInt16(p.x)), static_cast<WORD>(SaturateInt16(p.y)));
}
