// The decoding of a private-profile file's bytes and the listing of its lines.
#include <cstdint>
#include <optional>

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

// How many continuation bytes follow a UTF-8 lead byte; 0 for a byte that starts no character
// (a continuation byte, C0 and C1, which could only write overlong forms, and F5 to FF).
size_t ContinuationsAfter(unsigned char lead) {
    return lead >= 0xC2 && lead <= 0xDF ? 1 : lead >= 0xE0 && lead <= 0xEF ? 2 : lead >= 0xF0 && lead <= 0xF4 ? 3 : 0;
}

// The character that the UTF-8 sequence at `at` spells, or nothing for an ill-formed piece, which
// the system turns into one replacement character; `at` moves past the bytes of either. A piece is
// a lead byte with the continuation bytes that follow it, up to the first that is missing or that
// shows the sequence cannot be a character: one that writes a code with more bytes than it needs
// (E0 80 8A for a line end), a UTF-16 surrogate, or (seen one byte later, which then starts the
// next piece) a code past U+10FFFF. A sequence cut off by the end of the text takes the rest.
std::optional<uint32_t> DecodeUtf8(std::string_view bytes, size_t& at) {
    const auto lead = static_cast<unsigned char>(bytes[at++]);
    if (lead < 0x80)
        return lead;
    const size_t more = ContinuationsAfter(lead);
    if (more == 0)
        return std::nullopt;
    if (more > bytes.size() - at) {
        at = bytes.size();
        return std::nullopt;
    }
    uint32_t code = lead & (0x3F >> more);
    for (size_t k = 0; k < more; ++k) {
        const auto next = static_cast<unsigned char>(bytes[at]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        const uint32_t longer = code << 6 | (next & 0x3F);
        if (more == 3 && k == 1 && longer >= (0x110000 >> 6))
            return std::nullopt;
        code = longer;
        ++at;
        const bool overlong = k == 0 && (more == 2 ? code < 0x20 : more == 3 && code < 0x10);
        const bool surrogate = more == 2 && k == 0 && code >= (0xD800 >> 6) && code <= (0xDFFF >> 6);
        if (overlong || surrogate)
            return std::nullopt;
    }
    return code;
}

std::string NarrowUtf8(std::string_view bytes) {
    std::string text;
    for (size_t at = 0; at < bytes.size();) {
        const std::optional<uint32_t> code = DecodeUtf8(bytes, at);
        if (!code)
            text += '?';
        else if (*code >= 0x10000)
            text += "??";  // two UTF-16 units, neither one a character of the code page
        else
            text += NarrowCharacter(*code);
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
