#pragma once
// One menu entry: the button's place, caption, font and colours, and what a click opens.

#include <cstdint>
#include <string>

#include "settings/color.h"
#include "settings/font.h"

class TRxIniFile;

class TProgInfo {
public:
    // All integers and colours 0, all texts empty, TerminateAfterStart false, a fresh default font.
    TProgInfo() = default;
    TProgInfo(const TProgInfo&) = delete;
    TProgInfo& operator=(const TProgInfo&) = delete;

    // Reads the entry's keys from `section` in their fixed order; each missing key keeps the
    // field's default (TerminateAfterStart defaults to true).
    void ReadFrom(TRxIniFile& ini, const std::string& section);

    int32_t X = 0;
    int32_t Y = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    std::string ButtonText;
    TFont Font;
    TColor HighlightColor = 0;
    TColor TopContourColor = 0;
    TColor BottomContourColor = 0;
    std::string ExePath;
    std::string ExeCommandLine;
    std::string ExeWorkingPath;
    std::string PreRunMessage;
    std::string AfterRunMessage;
    bool TerminateAfterStart = false;
};

// An entry can be started when its target names an existing file (not a folder); a relative
// target is looked up from the current folder.
bool IsEntryRunnable(const TProgInfo& entry);
