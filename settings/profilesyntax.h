#pragma once
// The line rules of private-profile text (settings/profile.h), shared by the lookup and the listing
// of lines. Every search steps over double-byte characters of the system code page whole.

#include <optional>
#include <string_view>

namespace profilesyntax {

// The text without the blanks, tabs, CR, LF, VT, FF and Ctrl-Z at its start or end.
std::string_view TrimStart(std::string_view text);
std::string_view TrimEnd(std::string_view text);
// Names and values are C strings once read: they end at a zero byte.
std::string_view UpToZero(std::string_view text);
// The next line from `rest`: up to and including the next CR or LF.
std::string_view NextLine(std::string_view& rest);
// The section name of a "[name]" line (up to the last "]", blanks removed), or nothing for any
// other line.
std::optional<std::string_view> SectionName(std::string_view line);

// A key line (trimmed at both ends): the name before the first "=", and the value after it, or
// nothing when the line has no "=".
struct KeyParts {
    std::string_view name;
    std::optional<std::string_view> value;
};
KeyParts SplitKeyLine(std::string_view line);

}  // namespace profilesyntax
