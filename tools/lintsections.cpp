#include "tools/lintsections.h"

#include <optional>
#include <string>

#include "base/strings.h"
#include "menu/menuinfo.h"
#include "settings/filenames.h"
#include "tools/closestname.h"

namespace {

const std::string kMain = "Main";
constexpr std::string_view kEntryPrefix = "Prog_";

// Lines starting with ";" or "#" are what authors write as comments. The reader has no comments:
// such a line is a key of its own name, which the menu never reads, so it does no harm.
bool IsComment(const TProfileLine& line) {
    return !line.key.empty() && (line.key.front() == ';' || line.key.front() == '#');
}

// The digits after "Prog_" (any letter case), or nothing for other names.
std::optional<std::string> EntryDigits(const std::string& section) {
    if (section.size() <= kEntryPrefix.size() || !SameProfileName(section.substr(0, kEntryPrefix.size()), kEntryPrefix))
        return std::nullopt;
    const std::string digits = section.substr(kEntryPrefix.size());
    if (digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return digits;
}

std::string Quoted(const std::string& name) {
    return "'" + name + "'";
}

void LintUnreadSection(const TMenuLines::Section& section,
                       const TReadLog& reads,
                       int32_t progCount,
                       TLintReport& report) {
    const std::string shown = "[" + section.name + "]";
    if (const auto digits = EntryDigits(section.name)) {
        if (digits->front() == '0') {
            const size_t first = digits->find_first_not_of('0');
            const std::string plain = first == std::string::npos ? "0" : digits->substr(first);
            report.Warn(section.header, shown + " is never read: entry numbers have no leading zeros (write [" +
                                            std::string(kEntryPrefix) + plain + "])");
            return;
        }
        constexpr int32_t kMax = TVornelInfo::kMaxProgCount;
        const bool pastLimit = progCount >= kMax && (digits->size() > 4 || std::stoi(*digits) > kMax);
        report.Warn(section.header, pastLimit ? FormatText("%s is not read: the menu reads at most %d entries",
                                                           shown.c_str(), static_cast<int>(kMax))
                                              : FormatText("%s is not read: ProgCount is %d", shown.c_str(),
                                                           static_cast<int>(progCount)));
        return;
    }
    const std::string closest = ClosestName(section.name, reads.Sections());
    report.Warn(section.header, shown + " is not a section the menu reads" +
                                    (closest.empty() ? std::string() : "; did you mean [" + closest + "]?"));
}

// The section the menu reads a key in, when it reads that key in some other section: [Main] or
// the entry sections.
std::string OtherHome(const std::string& key, const std::string& section, const TReadLog& reads) {
    const bool inMain = SameProfileName(section, kMain);
    if (!inMain && reads.HasKey(kMain, key))
        return "[Main]";
    if (inMain && reads.HasKey(std::string(kEntryPrefix) + "1", key))
        return "the [Prog_n] sections";
    return {};
}

void LintKeys(const TMenuLines::Section& section, const TReadLog& reads, TLintReport& report) {
    const std::vector<std::string>& known = *reads.KeysOf(section.name);
    std::vector<const TProfileLine*> seen;
    for (const TProfileLine* line : section.keys) {
        if (IsComment(*line))
            continue;
        if (!reads.HasKey(section.name, line->key)) {
            const std::string home = OtherHome(line->key, section.name, reads);
            const std::string closest = home.empty() ? ClosestName(line->key, known) : std::string();
            std::string message = Quoted(line->key) + " is not a key the menu reads in [" + section.name + "]";
            if (!home.empty())
                message += ": it is read only in " + home;
            else if (!closest.empty())
                message += "; did you mean " + Quoted(closest) + "?";
            report.Warn(line->number, message);
            continue;
        }
        const TProfileLine* first = nullptr;
        for (const TProfileLine* earlier : seen)
            if (SameProfileName(earlier->key, line->key))
                first = earlier;
        if (first) {
            report.Warn(line->number,
                        FormatText("%s appears again in [%s] (first at line %zu): the menu uses the first",
                                   Quoted(line->key).c_str(), section.name.c_str(), first->number));
            continue;
        }
        seen.push_back(line);
        if (!line->value)
            report.Warn(line->number, Quoted(line->key) + " has no \"=\": the menu takes the key as missing");
    }
}

// "[Prog_2]" or "[Prog_2] to [Prog_5]".
std::string EntryRange(int32_t first, int32_t last) {
    const std::string from = "[" + std::string(kEntryPrefix) + DecimalText(first) + "]";
    return first == last ? from : from + " to [" + std::string(kEntryPrefix) + DecimalText(last) + "]";
}

void LintMissingEntries(const TMenuLines& lines, int32_t progCount, TLintReport& report) {
    const size_t countLine = lines.LineOf(kMain, "ProgCount");
    for (int32_t n = 1; n <= progCount; ++n) {
        if (lines.Find(std::string(kEntryPrefix) + DecimalText(n)))
            continue;
        int32_t last = n;
        while (last < progCount && !lines.Find(std::string(kEntryPrefix) + DecimalText(last + 1)))
            ++last;
        const bool one = last == n;
        report.Warn(countLine, FormatText("ProgCount is %d but %s %s missing: %s zero size",
                                          static_cast<int>(progCount), EntryRange(n, last).c_str(), one ? "is" : "are",
                                          one ? "its button has" : "their buttons have"));
        n = last;
    }
}

}  // namespace

void LintSections(const TMenuLines& lines, const TReadLog& reads, int32_t progCount, TLintReport& report) {
    if (!lines.Find(kMain))
        report.Warn(0, "there is no [Main] section: the menu uses its defaults (background menu.bmp, one entry)");
    for (const TMenuLines::Section& section : lines.Sections()) {
        if (section.header == 0) {
            for (const TProfileLine* line : section.keys)
                if (!IsComment(*line))
                    report.Warn(line->number,
                                Quoted(line->key) + " lies before the first section: the menu never reads it");
        } else if (!section.read) {
            report.Warn(section.header,
                        FormatText("[%s] appears again (first at line %zu): the menu reads only the first",
                                   section.name.c_str(), lines.HeaderOf(section.name)));
        } else if (reads.KeysOf(section.name)) {
            LintKeys(section, reads, report);
        } else {
            LintUnreadSection(section, reads, progCount, report);
        }
    }
    LintMissingEntries(lines, progCount, report);
}
