// The decoding of a private-profile file's bytes and the listing of its lines.
#include <cstdint>

#include "settings/profile.h"
#include "settings/profilesyntax.h"

using namespace profilesyntax;

namespace {

// One character code as an 8-bit character: ASCII and the Latin-1 letters keep their code (the
// Western code page agrees there), anything else becomes "?".
char NarrowCharacter(uint32_t code) {
    return code < 0x80 || (code >= 0xA0 && code <= 0xFF) ? static_cast<char>(code) : '?';
}

std::string NarrowUtf16(std::string_view bytes, bool bigEndian) {
    std::string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        text += NarrowCharacter(bigEndian ? (first << 8 | second) : (second << 8 | first));
    }
    return text;
}

std::string NarrowUtf8(std::string_view bytes) {
    std::string text;
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        size_t used = 1;
        while (used < length && i + used < bytes.size() && (static_cast<unsigned char>(bytes[i + used]) & 0xC0) == 0x80)
            code = code << 6 | (static_cast<unsigned char>(bytes[i + used++]) & 0x3F);
        text += used == length && !(length == 1 && lead >= 0x80) ? NarrowCharacter(code) : '?';
        i += used;
    }
    return text;
}

}  // namespace

std::string ProfileText(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return NarrowUtf8(bytes.substr(3));
    if (bytes.substr(0, 2) == "\xFF\xFE")
        return NarrowUtf16(bytes.substr(2), false);
    if (bytes.substr(0, 2) == "\xFE\xFF")
        return NarrowUtf16(bytes.substr(2), true);
    return std::string(bytes);
}

std::optional<std::string> ProfileLookup(std::string_view text, std::string_view section, std::string_view key) {
    return TProfileIndex(ProfileText(text)).Lookup(section, key);
}

std::vector<TProfileLine> ProfileLines(std::string_view text) {
    const std::string decoded = ProfileText(text);
    std::string_view rest = decoded;
    std::vector<TProfileLine> lines;
    std::string section;
    for (size_t number = 1; !rest.empty();) {
        const std::string_view raw = NextLine(rest);
        const size_t here = number;
        // A CR LF pair ends one line, as an editor counts them; so does a CR or LF alone.
        if (raw.back() == '\n' || (raw.back() == '\r' && (rest.empty() || rest.front() != '\n')))
            ++number;
        const std::string_view line = TrimEnd(TrimStart(raw));
        if (line.empty())
            continue;
        if (const auto name = line.front() == '[' ? SectionName(line) : std::nullopt) {
            section = std::string(UpToZero(*name));
            lines.push_back({here, true, section, {}, std::nullopt});
            continue;
        }
        const KeyParts key = SplitKeyLine(line);
        TProfileLine entry{here, false, section, std::string(UpToZero(key.name)), std::nullopt};
        if (key.value)
            entry.value = std::string(*key.value);
        lines.push_back(std::move(entry));
    }
    return lines;
}
