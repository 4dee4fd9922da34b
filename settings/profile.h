#pragma once
// Private-profile (INI) lookup on the bytes of a file, giving the same answers as the Windows
// function GetPrivateProfileStringA on the same bytes. Used where that function does not exist.
//
// The line rules: a line ends at each CR and at each LF; blanks, tabs, CR, LF, VT, FF and Ctrl-Z
// around a line, a name or a value are dropped; "[name]" up to the last "]" starts a section; other lines are "name =
// value" or a bare name without a value; ";" has no special meaning. Names match without regard to letter case and
// surrounding blanks. Only the first section of a name is searched and the first key of a name in it wins. Keys before
// the first section header belong to the section with the empty name.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The raw value of `key` in `section` of the INI text, or nothing when the section or key is
// absent or the key's line has no "=". Not cut to any length and no quotes removed.
std::optional<std::string> ProfileLookup(std::string_view text, std::string_view section, std::string_view key);

// What the platform function hands back of a value (or default) in a buffer of `bufferSize`
// characters: one pair of matching quotes (' or ") around the whole value is removed and the
// result holds at most bufferSize - 1 characters.
std::string ProfileCopyEntry(std::string_view value, size_t bufferSize);

// The full private-profile read of one key from a file: the file's bytes are read on each call,
// the default loses its trailing blanks, and the value is cut to 2047 characters as with the
// platform function's 2048-byte buffer. A file that cannot be read gives the default.
std::string ReadProfileString(const std::string& fileName,
                              const std::string& section,
                              const std::string& key,
                              const std::string& fallback);
