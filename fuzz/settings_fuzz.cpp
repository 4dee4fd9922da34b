// Fuzzes the readers of outside text: the INI parser (lookup and value copy) and the value
// parsers for integers, colours, fonts and font styles. Any input must give a value or the
// conversion error, never a crash, hang or out-of-bounds read.
//
// Each input reaches the value parsers once, with one value, as the menu reads its values: a raised
// conversion error costs tens of microseconds under the address sanitizer (it unpoisons the stack),
// and feeding every line of the input to every parser made a run take milliseconds.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/exceptions.h"
#include "settings/color.h"
#include "settings/filenames.h"
#include "settings/fonttext.h"
#include "settings/inttext.h"
#include "settings/leadbytes.h"
#include "settings/profile.h"

namespace {

// Input layout: the first line holds "section|key", the rest is the INI text. The value found, if
// any, is copied as the menu copies it and returned.
std::optional<std::string> FuzzProfile(std::string_view input) {
    const size_t firstLine = input.find('\n');
    const std::string_view names = input.substr(0, firstLine);
    const std::string_view text =
        firstLine == std::string_view::npos ? std::string_view() : input.substr(firstLine + 1);
    const size_t bar = names.find('|');
    const std::string_view section = names.substr(0, bar);
    const std::string_view key = bar == std::string_view::npos ? std::string_view() : names.substr(bar + 1);
    ProfileLookup(text, "", "");
    const auto value = ProfileLookup(text, section, key);
    if (!value)
        return std::nullopt;
    std::string copy = ProfileCopyEntry(*value, 2048);
    if (copy.size() > 2047)
        __builtin_trap();
    return copy;
}

void FuzzFileName(std::string_view name) {
    if (name.substr(0, FileDirPart(name).size()) != FileDirPart(name))
        __builtin_trap();  // the folder part is a prefix of the name
    const std::string dir = NormalDir(name);
    if (dir.compare(0, name.size(), name) != 0 || dir.size() > name.size() + 2)
        __builtin_trap();
    if (HostPath(name).size() != name.size())
        __builtin_trap();
}

void FuzzValue(std::string_view value) {
    FuzzFileName(value);
    const int32_t a = TextToIntDef(value, 17);
    try {
        if (TextToInt(value) != a)
            __builtin_trap();  // both readings agree
    } catch (const EConvertError&) {
        if (a != 17)
            __builtin_trap();
    }
    try {
        const TColor color = TextToColor(value);
        if (TextToColor(ColorToText(color)) != color)
            __builtin_trap();  // the text form round-trips
    } catch (const EConvertError&) {
    }
    StringToFontStyles(value);
    TFont font;
    try {
        StringToFont(value, font);
    } catch (const EConvertError&) {
    }
    const std::string& name = font.Name();
    if (name.size() > 31 || name.find('\0') != std::string::npos)
        __builtin_trap();
    // A name cut to 31 characters may end in a blank, which the text form cannot carry.
    if (static_cast<unsigned char>(name.back()) <= ' ')
        return;
    TFont copy;
    StringToFont(FontToString(font), copy);  // a written font reads back as itself
    if (FontToString(copy) != FontToString(font))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte chooses: bit 0 reads as on a Shift-JIS system; bit 1 gives the rest to the
    // value parsers as one value, else the rest is a profile whose value found goes to them.
    static const LeadByteTable shiftJis = ShiftJisLeadBytes();
    static const LeadByteTable none{};
    SetLeadBytes(data[0] & 1 ? shiftJis : none);
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 2)
        FuzzValue(input.substr(0, 4096));
    else if (const std::optional<std::string> value = FuzzProfile(input))
        FuzzValue(*value);
    return 0;
}
