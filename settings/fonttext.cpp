#include "settings/fonttext.h"

#include <utility>

#include "base/strings.h"
#include "settings/asciitext.h"
#include "settings/inttext.h"

namespace {

struct StyleLetter {
    TFontStyle style;
    char letter;
};
constexpr StyleLetter kStyleLetters[] = {{fsBold, 'B'}, {fsItalic, 'I'}, {fsUnderline, 'U'}, {fsStrikeOut, 'S'}};

std::string_view TrimControls(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

void ApplyField(int number, std::string_view field, TFont& font) {
    switch (number) {
        case 1:
            font.SetName(std::string(field));
            break;
        case 2:
            font.SetSize(TextToIntDef(field, font.Size()));
            break;
        case 3:
            font.SetStyle(StringToFontStyles(field));
            break;
        case 4:
            font.SetPitch(static_cast<TFontPitch>(TextToIntDef(field, font.Pitch()) & 0xFF));
            break;
        case 5:
            font.SetColor(TextToColor(field));  // a bad colour ends the text here
            break;
        case 6:
            font.SetCharset(static_cast<TFontCharset>(TextToIntDef(field, font.Charset()) & 0xFF));
            break;
        default:
            break;
    }
}

}  // namespace

std::string FontStylesToString(TFontStyles styles) {
    std::string text;
    for (const auto& entry : kStyleLetters)
        if (styles & entry.style)
            text += entry.letter;
    return text;
}

TFontStyles StringToFontStyles(std::string_view text) {
    TFontStyles styles = 0;
    for (const char c : text) {
        for (const auto& entry : kStyleLetters)
            if (AsciiUpper(c) == entry.letter)
                styles |= entry.style;
    }
    return styles;
}

std::string FontToString(const TFont& font) {
    return FormatText("%s,%d,%s,%d,%s,%d", font.Name().c_str(), static_cast<int>(font.Size()),
                      FontStylesToString(font.Style()).c_str(), static_cast<int>(font.Pitch()),
                      ColorToText(font.Color()).c_str(), static_cast<int>(font.Charset()));
}

std::vector<std::string_view> FontTextFields(std::string_view text) {
    std::vector<std::string_view> fields;
    size_t position = 0;
    while (position < text.size()) {
        const size_t separator = text.find_first_of(",;", position);
        const size_t end = separator == std::string_view::npos ? text.size() : separator;
        fields.push_back(TrimControls(text.substr(position, end - position)));
        position = separator == std::string_view::npos ? text.size() : separator + 1;
    }
    return fields;
}

namespace {

void ApplyFields(std::string_view text, TFont& font) {
    int number = 0;
    for (const std::string_view field : FontTextFields(text))
        ApplyField(++number, field, font);
}

}  // namespace

void StringToFont(std::string_view text, TFont& font) {
    // The handler sees one change for the whole text, also when a bad colour ends it early.
    auto handler = std::exchange(font.OnChange, nullptr);
    try {
        ApplyFields(text, font);
    } catch (...) {
        font.OnChange = std::move(handler);
        font.Changed();
        throw;
    }
    font.OnChange = std::move(handler);
    font.Changed();
}
