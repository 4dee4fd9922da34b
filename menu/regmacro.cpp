#include "menu/regmacro.h"

#include <exception>

#include "settings/filenames.h"

namespace {

constexpr std::string_view kRegMarker = "$REG$";
constexpr std::string_view kKeyMarker = "$KEY$";
constexpr std::string_view kDefMarker = "$DEF$";
constexpr std::string_view kExeNameMarker = "$EXENAME$";

// 1-based position of the first occurrence of `marker`, or 0.
size_t PositionOf(const std::string& text, std::string_view marker) {
    const size_t found = text.find(marker);
    return found == std::string::npos ? 0 : found + 1;
}

// 1-based position of the first occurrence of `marker`, or just past the end of the text.
size_t PositionOrEnd(const std::string& text, std::string_view marker) {
    const size_t position = PositionOf(text, marker);
    return position ? position : text.size() + 1;
}

// Characters `first` to `last` (1-based, inclusive), clipped to the text; empty when the range is
// empty or reversed.
std::string Piece(const std::string& text, size_t first, size_t last) {
    if (first < 1)
        first = 1;
    if (last > text.size())
        last = text.size();
    if (first > last)
        return {};
    return text.substr(first - 1, last - first + 1);
}

}  // namespace

bool IsRegistryMacro(const std::string& text) {
    return text.find(kRegMarker) != std::string::npos;
}

TRegistryMacro ParseRegistryMacro(const std::string& text) {
    const size_t key = PositionOf(text, kKeyMarker);
    const size_t def = PositionOrEnd(text, kDefMarker);
    const size_t exeName = PositionOrEnd(text, kExeNameMarker);

    TRegistryMacro macro;
    macro.RootToken = Piece(text, 6, 9);
    // Without "$KEY$" the key path is empty and the value name starts at character 5.
    macro.KeyPath = key ? Piece(text, 10, key - 1) : std::string();
    macro.ValueName = Piece(text, key + kKeyMarker.size(), def - 1);
    macro.Fallback = Piece(text, def + kDefMarker.size(), exeName - 1);
    macro.FileSuffix = Piece(text, exeName + kExeNameMarker.size(), text.size());
    return macro;
}

RegistryRoot RegistryRootOf(const std::string& token) {
    // "HKCR" deliberately reads the current user's part, like any unknown token.
    return token == "HKLM" ? RegistryRoot::LocalMachine : RegistryRoot::CurrentUser;
}

std::string ResolveRegistryMacro(const std::string& text, TRegistryReader& registry) {
    if (!IsRegistryMacro(text))
        return text;
    const TRegistryMacro macro = ParseRegistryMacro(text);

    std::string result = macro.Fallback;
    try {
        std::string path = macro.KeyPath;
        if (!path.empty() && path.front() == '\\')
            path.erase(0, 1);
        if (const std::unique_ptr<TRegistryKey> key = registry.OpenKey(RegistryRootOf(macro.RootToken), path)) {
            const std::string candidate = key->ReadString(macro.ValueName) + macro.FileSuffix;
            // The fallback is taken as it is: it is neither tested nor resolved again.
            if (FilePresent(candidate) || macro.Fallback.empty())
                result = candidate;
        }
    } catch (const std::exception&) {
        // A value of the wrong type, or any other failure to read, leaves the fallback.
    }
    return result;
}
