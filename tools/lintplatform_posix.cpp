#include <unistd.h>

#include "settings/filenames.h"
#include "tools/lintplatform.h"

bool SetCurrentFolder(const std::string& folder) {
    return chdir(HostPath(folder).c_str()) == 0;
}

std::optional<TTextExtent> MeasureCaption(const std::string&, const TFont&) {
    return std::nullopt;
}

TIconTarget IconTarget() {
    return {};
}

std::string ChecksSkippedOnHost() {
    return "not checked on this host: caption sizes in their fonts and registry values (Windows only); "
           "registry macros were taken at their fallbacks";
}
