#pragma once
// The button states and the button looks shared by the face routine and the buttons.

#include <cstdint>

// States 2 to 6 are the "hot" ones: the caption may take the hover colour in them.
enum TLMDButtonState : uint8_t {
    bsUp,
    bsDisabledUp,
    bsMouseOver,
    bsOptionSet,
    bsDown,
    bsDragOver,
    bsDropDownOpen,
    bsDisabledDown
};

// ubsAutoDetect picks ubsWin40 on platforms with new-style controls, else ubsWin31.
enum TLMDUserButtonStyle : uint8_t {
    ubsAutoDetect,
    ubsWin31,
    ubsWin40,
    ubsDelphi,
    ubsDelphiFlat,
    ubsFlat,
    ubsFlatUnColored,
    ubsNavigator,
    ubsExplorer,
    ubsExplorerColored,
    ubsIntegrated
};

// The states in which a button looks pressed (sunken frame, content moved one pixel right and down).
constexpr bool IsDownState(TLMDButtonState state) {
    return state == bsOptionSet || state == bsDown || state == bsDropDownOpen || state == bsDisabledDown;
}

constexpr bool IsExplorerStyle(TLMDUserButtonStyle style) {
    return style == ubsExplorer || style == ubsExplorerColored;
}
