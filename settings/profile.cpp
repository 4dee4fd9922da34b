#include "settings/profile.h"

#include <algorithm>
#include <cstdint>

#include "settings/asciitext.h"
#include "settings/leadbytes.h"
#include "settings/profilesyntax.h"

using namespace profilesyntax;

namespace {

// The characters the platform function trims around lines, names and values.
bool IsProfileBlank(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x1A;
}

}  // namespace

namespace profilesyntax {

// Every search below steps over double-byte characters whole, as the platform reads the file in
// the system code page: the second byte of such a character is never a line end, "=", "]", a
// blank or a letter whose case could be ignored.

std::string_view TrimStart(std::string_view text) {
    while (!text.empty() && IsProfileBlank(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    return text;
}

std::string_view TrimEnd(std::string_view text) {
    if (!HasLeadBytes()) {
        while (!text.empty() && IsProfileBlank(static_cast<unsigned char>(text.back())))
            text.remove_suffix(1);
        return text;
    }
    size_t end = 0;
    ForEachCharacter(text, [&](size_t at, size_t length) {
        if (length == 2 || !IsProfileBlank(static_cast<unsigned char>(text[at])))
            end = at + length;
    });
    return text.substr(0, end);
}

}  // namespace profilesyntax

namespace {

// The position of the first single-byte character that is one of `wanted`, or npos.
size_t FindFirst(std::string_view text, std::string_view wanted) {
    if (!HasLeadBytes())
        return text.find_first_of(wanted);
    for (size_t i = 0; i < text.size(); i += CharacterLength(text, i))
        if (CharacterLength(text, i) == 1 && wanted.find(text[i]) != std::string_view::npos)
            return i;
    return std::string_view::npos;
}

// The position of the last single-byte character `wanted`, or npos.
size_t FindLast(std::string_view text, char wanted) {
    if (!HasLeadBytes())
        return text.rfind(wanted);
    size_t found = std::string_view::npos;
    ForEachCharacter(text, [&](size_t at, size_t length) {
        if (length == 1 && text[at] == wanted)
            found = at;
    });
    return found;
}

}  // namespace

namespace profilesyntax {

std::string_view UpToZero(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

}  // namespace profilesyntax

bool SameProfileName(std::string_view stored, std::string_view wanted) {
    stored = UpToZero(stored);
    if (stored.size() != wanted.size())
        return false;
    for (size_t i = 0; i < stored.size();) {
        const size_t length = CharacterLength(stored, i);
        if (length == 2 ? stored.substr(i, 2) != wanted.substr(i, 2) : AsciiUpper(stored[i]) != AsciiUpper(wanted[i]))
            return false;
        i += length;
    }
    return true;
}

namespace profilesyntax {

std::string_view NextLine(std::string_view& rest) {
    size_t end = FindFirst(rest, "\r\n");
    end = end == std::string_view::npos ? rest.size() : end + 1;
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end);
    return line;
}

std::optional<std::string_view> SectionName(std::string_view line) {
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const size_t close = FindLast(line, ']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return TrimEnd(TrimStart(line.substr(1, close - 1)));
}

KeyParts SplitKeyLine(std::string_view line) {
    const size_t equals = FindFirst(line, "=");
    KeyParts parts{TrimEnd(line.substr(0, equals)), std::nullopt};
    if (equals != std::string_view::npos)
        parts.value = UpToZero(TrimStart(line.substr(equals + 1)));
    return parts;
}

}  // namespace profilesyntax

TProfileIndex::TProfileIndex(std::string text) : text_(std::move(text)) {
    const std::string_view body = text_;
    // Each header line ends the lines before it; lines before the first header belong to the
    // section with the empty name.
    size_t start = 0;
    const auto close = [&](size_t end) {
        (sections_.empty() ? preamble_ : sections_.back().lines) = body.substr(start, end - start);
    };
    for (std::string_view rest = body; !rest.empty();) {
        const size_t at = body.size() - rest.size();
        const std::string_view line = TrimStart(NextLine(rest));
        if (line.empty() || line.front() != '[')
            continue;
        if (const auto name = SectionName(TrimEnd(line))) {
            close(at);
            start = body.size() - rest.size();
            sections_.push_back({*name, {}});
        }
    }
    close(body.size());
}

const std::string_view* TProfileIndex::SectionLines(std::string_view wanted) const {
    if (wanted.empty())
        return &preamble_;
    // A definition is read a section at a time: the search is made again only for another name.
    if (wanted != lastWanted_) {
        // Only the first section of the wanted name is searched.
        const auto found = std::find_if(sections_.begin(), sections_.end(),
                                        [&](const Section& s) { return SameProfileName(s.name, wanted); });
        lastWanted_.assign(wanted);
        lastLines_ = found == sections_.end() ? nullptr : &found->lines;
    }
    return lastLines_;
}

std::optional<std::string> TProfileIndex::Lookup(std::string_view section, std::string_view key) const {
    const std::string_view wantedSection = TrimEnd(TrimStart(UpToZero(section)));
    const std::string_view wantedKey = TrimEnd(TrimStart(UpToZero(key)));
    const std::string_view* lines = SectionLines(wantedSection);
    if (!lines)
        return std::nullopt;
    for (std::string_view rest = *lines; !rest.empty();) {
        const std::string_view line = TrimEnd(TrimStart(NextLine(rest)));
        if (line.empty())
            continue;
        const KeyParts parts = SplitKeyLine(line);
        if (!SameProfileName(parts.name, wantedKey))
            continue;
        if (!parts.value)
            return std::nullopt;  // a key without a value
        return std::string(*parts.value);
    }
    return std::nullopt;
}

std::string ProfileCopyEntry(std::string_view value, size_t bufferSize) {
    if (bufferSize == 0)
        return {};
    value = UpToZero(value);
    bool quoted = false;
    if (value.size() >= 2 && (value.front() == '\'' || value.front() == '"') && value.back() == value.front()) {
        quoted = true;
        value.remove_prefix(1);
    }
    std::string copy(value.substr(0, bufferSize - 1));
    // The closing quote goes only when the value fitted the buffer as measured with it.
    if (quoted && bufferSize >= value.size() && !copy.empty())
        copy.pop_back();
    return copy;
}

std::string ProfileRead(const TProfileIndex* text,
                        const std::string& section,
                        const std::string& key,
                        const std::string& fallback) {
    constexpr size_t kBufferSize = 2048;
    if (text) {
        if (const auto value = text->Lookup(section, key))
            return ProfileCopyEntry(*value, kBufferSize);
    }
    // The default loses its trailing blanks (but never its first character).
    std::string_view def = UpToZero(fallback);
    while (def.size() > 1 && def.back() == ' ')
        def.remove_suffix(1);
    return ProfileCopyEntry(def, kBufferSize);
}
