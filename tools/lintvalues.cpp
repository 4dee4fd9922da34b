#include "tools/lintvalues.h"

#include "base/strings.h"
#include "settings/filenames.h"
#include "settings/font.h"
#include "settings/fonttext.h"

namespace {

enum class Kind { Integer, Boolean, Color, Font };

struct KeyKind {
    const char* key;
    Kind kind;
    int32_t fallback;  // what the menu passes as the default of an integer or yes/no key
};

constexpr KeyKind kEntryKinds[] = {
    {"X", Kind::Integer, 0},
    {"Y", Kind::Integer, 0},
    {"Width", Kind::Integer, 0},
    {"Height", Kind::Integer, 0},
    {"FontInfo", Kind::Font, 0},
    {"HighlightColor", Kind::Color, 0},
    {"TopContourColor", Kind::Color, 0},
    {"BottomContourColor", Kind::Color, 0},
    {"TerminateAfterStart", Kind::Boolean, 1},
};

// Whether the reader finds the key (also with an empty value).
bool Present(TRxIniFile& ini, const std::string& section, const std::string& key) {
    return ini.ReadString(section, key, "0") != "0" || ini.ReadString(section, key, "1") != "1";
}

// "Key=value" or "Key (empty)" for messages.
std::string Shown(TRxIniFile& ini, const std::string& section, const std::string& key) {
    const std::string value = ini.ReadString(section, key, "");
    return value.empty() ? key + " is empty" : key + "=" + value + " is not";
}

void LintInteger(TRxIniFile& ini, const std::string& section, const KeyKind& key, size_t line, TLintReport& report) {
    // Two different defaults give two different results only when the reader used the default.
    if (ini.ReadInteger(section, key.key, 0) != 0 || ini.ReadInteger(section, key.key, 1) != 1)
        return;
    const std::string shown = Shown(ini, section, key.key);
    const bool empty = shown.ends_with("empty");
    if (key.kind == Kind::Boolean) {
        const char* meaning = key.fallback ? "true" : "false";
        report.Warn(line,
                    shown + (empty ? "" : " a number") + ": the menu takes it as " + meaning + " (only 0 means false)");
    } else {
        report.Warn(line, shown + (empty ? "" : " a number") + ": the menu uses " + DecimalText(key.fallback));
    }
}

void LintColor(TRxIniFile& ini, const std::string& section, const std::string& key, size_t line, TLintReport& report) {
    if (ini.ReadColor(section, key, clBlack) == ini.ReadColor(section, key, clWhite))
        return;
    const std::string shown = Shown(ini, section, key);
    report.Warn(line, shown + (shown.ends_with("empty") ? "" : " a colour") + ": the menu uses clBlack");
}

// A font that differs from the default font in every property the font text sets.
void MakeOpposite(TFont& font) {
    const TFont standard;
    font.SetName(standard.Name() + "~");
    font.SetSize(standard.Size() + 7);
    font.SetPitch(standard.Pitch() == fpFixed ? fpVariable : fpFixed);
    font.SetColor(standard.Color() == clRed ? clBlue : clRed);
    font.SetCharset(static_cast<TFontCharset>(standard.Charset() ^ 0x80));
}

void LintFont(TRxIniFile& ini, const std::string& section, size_t line, TLintReport& report) {
    const std::string text = ini.ReadString(section, "FontInfo", "");
    const std::vector<std::string_view> fields = FontTextFields(text);
    // A field the reader skipped (malformed, or not reached) leaves the two fonts different there.
    TFont standard, opposite;
    MakeOpposite(opposite);
    ini.ReadFont(section, "FontInfo", standard);
    ini.ReadFont(section, "FontInfo", opposite);
    const auto given = [&](size_t number) { return fields.size() >= number && !fields[number - 1].empty(); };
    const auto field = [&](size_t number) { return "'" + std::string(fields[number - 1]) + "'"; };

    if (given(1) && fields[0].size() > 31)
        report.Warn(line, "the font's face name is longer than 31 characters: it is cut to '" + standard.Name() + "'");
    if (given(2) && standard.Size() != opposite.Size())
        report.Warn(line, "font size " + field(2) + " is not a number: the size stays " + DecimalText(standard.Size()));
    if (given(3) && std::string(fields[2]).find_first_not_of("BIUSbius") != std::string::npos) {
        const std::string styles = FontStylesToString(standard.Style());
        report.Warn(line, "font style " + field(3) + " is read letter by letter (B, I, U, S): it gives " +
                              (styles.empty() ? std::string("no style") : styles));
    }
    if (given(4) && standard.Pitch() != opposite.Pitch())
        report.Warn(line,
                    "font pitch " + field(4) + " is not a number: the pitch stays " + DecimalText(standard.Pitch()));
    const bool colorStops = fields.size() >= 5 && standard.Color() != opposite.Color();
    if (colorStops) {
        report.Warn(line,
                    (given(5) ? "font colour " + field(5) + " is not a colour" : std::string("font colour is empty")) +
                        ": the menu stops reading the font there (colour stays " + ColorToText(standard.Color()) +
                        (fields.size() >= 6 ? ", character set not read)" : ")"));
    }
    if (!colorStops && given(6) && standard.Charset() != opposite.Charset())
        report.Warn(line,
                    "character set " + field(6) + " is not a number: it stays " + DecimalText(standard.Charset()));
    if (fields.size() > 6)
        report.Warn(line, "the font text has more than six fields: the menu ignores the rest");
}

void LintProgCount(const TVornelInfo& menu, TRxIniFile& ini, const TMenuLines& lines, TLintReport& report) {
    const size_t line = lines.LineOf("Main", "ProgCount");
    const KeyKind count{"ProgCount", Kind::Integer, 1};
    if (Present(ini, "Main", count.key))
        LintInteger(ini, "Main", count, line, report);
    const int32_t asRead = ini.ReadInteger("Main", count.key, count.fallback);
    if (asRead > menu.ProgCount())
        report.Warn(line, FormatText("ProgCount %d is more than the %d entries the menu reads: it shows the first %d",
                                     static_cast<int>(asRead), static_cast<int>(TVornelInfo::kMaxProgCount),
                                     static_cast<int>(menu.ProgCount())));
    if (asRead <= 0)
        report.Warn(line, FormatText("ProgCount is %d: the menu has no entries and shows one empty button",
                                     static_cast<int>(asRead)));
}

}  // namespace

void LintValues(const TVornelInfo& menu, TRxIniFile& ini, const TMenuLines& lines, TLintReport& report) {
    LintProgCount(menu, ini, lines, report);
    for (int32_t n = 1; n <= menu.ProgCount(); ++n) {
        const std::string section = "Prog_" + DecimalText(n);
        if (!lines.Find(section))
            continue;
        for (const KeyKind& key : kEntryKinds) {
            // The text tells cheaply which keys are there; the reader has the last word.
            if (!lines.Key(section, key.key) || !Present(ini, section, key.key))
                continue;
            const size_t line = lines.LineOf(section, key.key);
            switch (key.kind) {
                case Kind::Integer:
                case Kind::Boolean:
                    LintInteger(ini, section, key, line, report);
                    break;
                case Kind::Color:
                    LintColor(ini, section, key.key, line, report);
                    break;
                case Kind::Font:
                    LintFont(ini, section, line, report);
                    break;
            }
        }
    }
}
