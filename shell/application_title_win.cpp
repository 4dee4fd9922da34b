// The application's default title.
#include "shell/application_win.h"

std::string DefaultTitleFor(const std::string& programFileName) {
    // The name after the last backslash; a trail byte of a double-byte character is never one.
    const char* text = programFileName.c_str();
    const char* name = text;
    for (const char* p = text; *p; p = CharNextA(p))
        if (*p == '\\')
            name = p + 1;
    std::string title = name;
    // Cut at the first period.
    for (const char* p = title.c_str(); *p; p = CharNextA(p)) {
        if (*p == '.') {
            title.resize(static_cast<size_t>(p - title.c_str()));
            break;
        }
    }
    if (title.size() > 1)
        CharLowerA(&title[1]);
    return title;
}
