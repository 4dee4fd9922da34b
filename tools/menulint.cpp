#include "tools/menulint.h"

#include "menu/menuinfo.h"
#include "settings/filenames.h"
#include "settings/profile.h"
#include "tools/lintentries.h"
#include "tools/lintimages.h"
#include "tools/lintsections.h"
#include "tools/lintvalues.h"
#include "tools/menulines.h"
#include "tools/readlog.h"

TLintReport LintMenu(const std::string& fileName) {
    TLintReport report;
    // The model exactly as the menu builds it, noting every name it reads.
    TReadLog reads;
    const TVornelInfo menu(std::make_unique<TRecordingIniFile>(fileName, reads), *PlatformRegistry());

    std::string text;
    if (!ReadWholeFile(HostPath(fileName), text))
        report.Warn(0, "the file cannot be read: the menu runs on its defaults");
    const TMenuLines lines(ProfileLines(text));
    TRxIniFile ini(fileName);

    LintValues(menu, ini, lines, report);
    LintSections(lines, reads, menu.ProgCount(), report);
    const std::optional<TTextExtent> background = LintImages(menu, ini, lines, report);
    LintEntries(menu, ini, lines, background, report);
    if (const std::string skipped = ChecksSkippedOnHost(); !skipped.empty())
        report.Note(skipped);
    return report;
}
