#include "menu/proginfo.h"

#include "settings/filenames.h"
#include "settings/inifile.h"

void TProgInfo::ReadFrom(TRxIniFile& ini, const std::string& section) {
    X = ini.ReadInteger(section, "X", 0);
    Y = ini.ReadInteger(section, "Y", 0);
    Width = ini.ReadInteger(section, "Width", 0);
    Height = ini.ReadInteger(section, "Height", 0);
    ButtonText = ini.ReadString(section, "ButtonText", "");
    ini.ReadFont(section, "FontInfo", Font);
    // The fields' current values are the defaults, so a missing colour stays black.
    HighlightColor = ini.ReadColor(section, "HighlightColor", HighlightColor);
    TopContourColor = ini.ReadColor(section, "TopContourColor", TopContourColor);
    BottomContourColor = ini.ReadColor(section, "BottomContourColor", BottomContourColor);
    ExePath = ini.ReadString(section, "ExePath", "");
    ExeCommandLine = ini.ReadString(section, "ExeCommandLine", "");
    ExeWorkingPath = ini.ReadString(section, "ExeWorkingPath", "");
    PreRunMessage = ini.ReadString(section, "PreRunMessage", "");
    AfterRunMessage = ini.ReadString(section, "AfterRunMessage", "");
    TerminateAfterStart = ini.ReadBool(section, "TerminateAfterStart", true);
}

bool IsEntryRunnable(const TProgInfo& entry) {
    return !entry.ExePath.empty() && FilePresent(entry.ExePath);
}
