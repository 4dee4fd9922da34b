#include "settings/inifile.h"

#include "settings/fonttext.h"
#include "settings/inttext.h"
#include "settings/profile.h"

TIniFile::TIniFile(std::string fileName) : TCustomIniFile(std::move(fileName)) {}

TIniFile::~TIniFile() = default;

int32_t TCustomIniFile::ReadInteger(const std::string& section, const std::string& key, int32_t fallback) {
    std::string text = ReadString(section, key, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text = "$" + text.substr(2);
    return TextToIntDef(text, fallback);
}

bool TCustomIniFile::ReadBool(const std::string& section, const std::string& key, bool fallback) {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

TColor TRxIniFile::ReadColor(const std::string& section, const std::string& key, TColor fallback) {
    // Settings readers never fail: anything unreadable gives the default.
    try {
        return TextToColor(ReadString(section, key, ColorToText(fallback)));
    } catch (...) {
        return fallback;
    }
}

TFont& TRxIniFile::ReadFont(const std::string& section, const std::string& key, TFont& font) {
    // Fields applied before a bad one stay applied; the error goes no further.
    try {
        StringToFont(ReadString(section, key, FontToString(font)), font);
    } catch (...) {
    }
    return font;
}
