#include "tools/lintreport.h"

#include <algorithm>

#include "base/strings.h"

namespace {

std::string Counted(size_t count, const char* noun) {
    return FormatText("%zu %s%s", count, noun, count == 1 ? "" : "s");
}

}  // namespace

std::string LintText(const std::string& file, const TLintReport& report) {
    std::vector<TLintFinding> findings = report.Findings();
    std::stable_sort(findings.begin(), findings.end(),
                     [](const TLintFinding& a, const TLintFinding& b) { return a.line < b.line; });
    std::string text;
    size_t errors = 0;
    for (const TLintFinding& finding : findings) {
        text += file;
        if (finding.line != 0)
            text += ":" + std::to_string(finding.line);
        text += finding.level == LintLevel::Error ? ": error: " : ": warning: ";
        text += finding.message + "\n";
        errors += finding.level == LintLevel::Error;
    }
    for (const std::string& note : report.Notes())
        text += file + ": note: " + note + "\n";
    if (findings.empty())
        return text + file + ": no problems found\n";
    text += file + ": " + Counted(errors, "error") + ", " + Counted(findings.size() - errors, "warning");
    return text + (errors ? ": the menu would not start\n" : "\n");
}

int LintExitCode(const TLintReport& report) {
    const auto& findings = report.Findings();
    if (std::any_of(findings.begin(), findings.end(),
                    [](const TLintFinding& finding) { return finding.level == LintLevel::Error; }))
        return 2;
    return findings.empty() ? 0 : 1;
}
