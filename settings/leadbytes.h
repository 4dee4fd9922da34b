#pragma once
// Lead bytes of the system code page's double-byte characters. The path routines step over a
// lead byte and the byte after it as one character, so the second byte of such a character is
// never taken for a backslash or a colon.

#include <array>
#include <cstddef>
#include <string_view>

// True when `byte` starts a double-byte character in the system code page (always false on a
// system without double-byte support).
bool IsLeadByte(unsigned char byte);

// True when the system code page has double-byte characters at all: texts can then be searched
// byte by byte.
bool HasLeadBytes();

// One flag per byte value.
using LeadByteTable = std::array<bool, 256>;

// The lead bytes of Shift-JIS (code page 932): $81..$9F and $E0..$FC.
LeadByteTable ShiftJisLeadBytes();

// Other hosts have no system code page: their table starts empty (every byte a character of its
// own) and can be replaced, for example by a test that reads Shift-JIS names. On Windows the
// platform's own code-page information is used and this has no effect.
void SetLeadBytes(const LeadByteTable& table);

// The length of the character at `at`: 2 for a lead byte and the byte after it, else 1 (also for
// a lead byte at the very end, which stands alone).
inline size_t CharacterLength(std::string_view text, size_t at) {
    return IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

// Calls visit(position, length) for each character of the text.
template <typename Visit>
void ForEachCharacter(std::string_view text, Visit visit) {
    for (size_t i = 0; i < text.size();) {
        const size_t length = CharacterLength(text, i);
        visit(i, length);
        i += length;
    }
}
