#include "base/syserror_win.h"

#include "base/exceptions.h"
#include "base/strings.h"

std::string SysErrorMessage(DWORD code) {
    char buffer[1024];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                                  sizeof buffer, nullptr);
    // The system ends its texts with a line break; drop it and any other trailing blanks.
    while (length > 0 && static_cast<unsigned char>(buffer[length - 1]) <= ' ')
        --length;
    return std::string(buffer, length);
}

void RaiseOutOfResources(DWORD code) {
    const std::string text = code != 0 ? SysErrorMessage(code) : std::string();
    throw EOutOfResources(text.empty() ? LoadStr(StrId::SOutOfResources) : text);
}
