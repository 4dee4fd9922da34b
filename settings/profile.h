#pragma once
// Private-profile (INI) lookup on the bytes of a file, giving the same answers as the Windows
// function GetPrivateProfileStringA on the same bytes. Used where that function does not exist.

#include <optional>
#include <string>
#include <string_view>

// The value of `key` in `section` of the INI text, or nothing when the section or key is absent.
// Section and key names match without regard to letter case. The value is not cut to any length.
std::optional<std::string> ProfileLookup(std::string_view text, std::string_view section, std::string_view key);
