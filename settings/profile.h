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
#include <vector>

// The raw value of `key` in `section` of the INI text, or nothing when the section or key is
// absent or the key's line has no "=". Not cut to any length and no quotes removed.
std::optional<std::string> ProfileLookup(std::string_view text, std::string_view section, std::string_view key);

// A file's bytes as 8-bit text: a file that starts with a byte-order mark is UTF-8 or UTF-16 and
// is narrowed; any other file is taken as it is.
std::string ProfileText(std::string_view bytes);

// The sections of an INI text (as ProfileText gives it), found once for many lookups by the same
// rules as ProfileLookup. Lookups remember the last section found, so one index serves one thread.
class TProfileIndex {
public:
    explicit TProfileIndex(std::string text);
    TProfileIndex(const TProfileIndex&) = delete;
    TProfileIndex& operator=(const TProfileIndex&) = delete;

    // What ProfileLookup gives for the text.
    std::optional<std::string> Lookup(std::string_view section, std::string_view key) const;

private:
    struct Section {
        std::string_view name;   // as in its header, blanks around it removed
        std::string_view lines;  // up to the next header
    };
    // The lines of the first section of the name; null when there is none.
    const std::string_view* SectionLines(std::string_view wanted) const;

    std::string text_;
    std::string_view preamble_;  // the lines before the first header
    std::vector<Section> sections_;
    // The last section asked for, by its name as asked, byte for byte.
    mutable std::string lastWanted_;
    mutable const std::string_view* lastLines_ = nullptr;
};

// Whether a name stored in the file (up to its first zero byte) is the wanted section or key name:
// equal up to the letter case of ASCII letters; double-byte characters must match exactly.
bool SameProfileName(std::string_view stored, std::string_view wanted);

// One header or key line of an INI text, read by the same line rules as ProfileLookup.
struct TProfileLine {
    size_t number = 0;  // 1-based, as an editor counts: CR LF, a lone CR and a lone LF each end a line
    bool header = false;
    std::string section;               // a header's name; for a key, the section it lies in
    std::string key;                   // a key's name ("" for headers)
    std::optional<std::string> value;  // a key's raw value; nothing when the line has no "="
};

// Every header and key line of the text, in file order (blank lines left out). Keys before the
// first header lie in the section with the empty name. Duplicates are all listed: the reader uses
// only the first section of a name and the first key of a name in it.
std::vector<TProfileLine> ProfileLines(std::string_view text);

// What the platform function hands back of a value (or default) in a buffer of `bufferSize`
// characters: one pair of matching quotes (' or ") around the whole value is removed and the
// result holds at most bufferSize - 1 characters.
std::string ProfileCopyEntry(std::string_view value, size_t bufferSize);

// The file's bytes in one read (the name as the host's file system takes it); false when it cannot
// be opened.
bool ReadWholeFile(const std::string& fileName, std::string& bytes);

// What the platform function answers for one key of a file with the indexed text (null when the
// file cannot be read): the value without its quotes or, when the file, section or key is
// absent, the default without its trailing blanks; cut to 2047 characters as with the platform
// function's 2048-byte buffer.
std::string ProfileRead(const TProfileIndex* text,
                        const std::string& section,
                        const std::string& key,
                        const std::string& fallback);

// The full private-profile read of one key from a file: the file's bytes are read on each call,
// the default loses its trailing blanks, and the value is cut to 2047 characters as with the
// platform function's 2048-byte buffer. A file that cannot be read gives the default.
std::string ReadProfileString(const std::string& fileName,
                              const std::string& section,
                              const std::string& key,
                              const std::string& fallback);
