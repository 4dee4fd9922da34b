// The linter's handling of a definition's text: numbered lines, the sections and keys found from
// them, and the findings about names, on any bytes. Line numbers must rise through the file and
// stay within it, every finding must point at such a line (or at none), and the report must have
// one line per finding, note and summary.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/check.h"
#include "settings/accelerator.h"
#include "settings/profile.h"
#include "tools/closestname.h"
#include "tools/lintentries.h"
#include "tools/lintreport.h"
#include "tools/lintsections.h"
#include "tools/menulines.h"
#include "tools/readlog.h"

namespace {

// The names the menu reads for a menu of `count` entries.
TReadLog BuildMenuReads(int32_t count) {
    TReadLog reads;
    for (const char* key : {"Background", "Icon", "AppName", "AppTaskName", "ProgCount"})
        reads.Add("Main", key);
    for (int32_t n = 1; n <= count; ++n)
        for (const char* key : {"X", "Y", "Width", "Height", "ButtonText", "FontInfo", "HighlightColor",
                                "TopContourColor", "BottomContourColor", "ExePath", "ExeCommandLine", "ExeWorkingPath",
                                "PreRunMessage", "AfterRunMessage", "TerminateAfterStart"})
            reads.Add("Prog_" + std::to_string(n), key);
    return reads;
}

// Built once for each count: building them took a good part of a run.
const TReadLog& MenuReads(int32_t count) {
    static const std::array<TReadLog, 8> logs = [] {
        std::array<TReadLog, 8> built;
        for (int32_t n = 0; n < 8; ++n)
            built[n] = BuildMenuReads(n);
        return built;
    }();
    return logs[count];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int32_t count = data[0] % 8;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    // An editor shows at most one line more than the text has line ends.
    const size_t lastLine = 1 + static_cast<size_t>(std::count(text.begin(), text.end(), '\n') +
                                                    std::count(text.begin(), text.end(), '\r'));

    const TMenuLines lines(ProfileLines(text));
    size_t previous = 0;
    for (const TMenuLines::Section& section : lines.Sections()) {
        Check(section.header == 0 || (section.header > previous && section.header <= lastLine));
        previous = std::max(previous, section.header);
        for (const TProfileLine* key : section.keys) {
            Check(key->number > previous && key->number <= lastLine && !key->header);
            previous = key->number;
            AcceleratorKey(key->value.value_or(""));
        }
    }

    TLintReport report;
    LintSections(lines, MenuReads(count), count, report);
    for (const TLintFinding& finding : report.Findings())
        Check(finding.line <= lastLine && !finding.message.empty());
    const std::string listed = LintText("menu.ini", report);
    const size_t expected = report.Findings().size() + report.Notes().size() + 1;
    size_t newlines = static_cast<size_t>(std::count(listed.begin(), listed.end(), '\n'));
    // Names with line ends cannot come from the lines, so every report line is one line.
    Check(newlines == expected);
    Check(ClosestName(text.substr(0, 80), {"Width", "Height"}).size() <= 6);
    return 0;
}
