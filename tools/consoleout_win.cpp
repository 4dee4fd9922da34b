#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "tools/consoleout.h"

bool WriteStandardOutput(std::string_view bytes) {
    std::fflush(stdout);
    // Binary mode: the C runtime would otherwise write every line feed as CR LF.
    const int previous = _setmode(_fileno(stdout), _O_BINARY);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    const bool flushed = std::fflush(stdout) == 0;
    if (previous != -1)
        _setmode(_fileno(stdout), previous);
    return flushed && written;
}
