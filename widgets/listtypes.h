#pragma once
// The enumerations of the list containers.

#include <cstdint>

enum TLMDContainerSource : uint8_t { sdComponent, sdFile, sdAppResource, sdLibResource, sdPath };
enum TLMDSavePixelFormat : uint8_t { spfDefault, spfMono, spf4bit, spf8bit };
enum TLMDListItemClassType : uint8_t { icImageList, icBitmap, icWave, icStringList, icGeneric, icRTF, icInvalid };
enum TLMDPathPrefix : uint8_t { ppWindows, ppSystem, ppProgram, ppFixed };
