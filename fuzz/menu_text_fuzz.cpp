// The menu's own handling of texts from menu.ini: registry path macros (cut at fixed positions
// from any text) and the report's conversion to JSON. Every piece must lie inside the text, a
// text without the marker must pass through unchanged, and the report text must be valid UTF-8
// without raw control characters.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/check.h"
#include "menu/regmacro.h"
#include "tools/ansitext.h"
#include "tools/jsonwriter.h"

namespace {

bool ValidUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<uint8_t>(text[i]);
        const size_t length = lead < 0x80         ? 1
                              : (lead >> 5) == 6  ? 2
                              : (lead >> 4) == 14 ? 3
                              : (lead >> 3) == 30 ? 4
                                                  : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<uint8_t>(text[i + k]) >> 6) != 2)
                return false;
        i += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const TRegistryMacro macro = ParseRegistryMacro(text);
    for (const std::string* piece :
         {&macro.RootToken, &macro.KeyPath, &macro.ValueName, &macro.Fallback, &macro.FileSuffix})
        Check(piece->size() <= text.size() && text.find(*piece) != std::string::npos);
    // This host has no registry: a macro always gives its fallback.
    static const auto registry = PlatformRegistry();
    Check(ResolveRegistryMacro(text, *registry) == (IsRegistryMacro(text) ? macro.Fallback : text));

    const std::string utf8 = AnsiToUtf8(text);
    Check(ValidUtf8(utf8));
    const std::string quoted = JsonQuoted(utf8);
    Check(quoted.size() >= 2 && quoted.front() == '"' && quoted.back() == '"');
    for (const char c : quoted)
        Check(static_cast<uint8_t>(c) >= 0x20);
    return 0;
}
