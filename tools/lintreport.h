#pragma once
// The findings of `menucheck --lint`: one per problem, tied to a line of the definition file, and
// their text in the usual "file:line: level: message" form with a one-line summary.

#include <cstddef>
#include <string>
#include <vector>

enum class LintLevel { Warning, Error };

struct TLintFinding {
    size_t line = 0;  // 1-based line of the definition; 0 when the finding is about the whole file
    LintLevel level = LintLevel::Warning;
    std::string message;
};

class TLintReport {
public:
    void Warn(size_t line, std::string message) { findings_.push_back({line, LintLevel::Warning, std::move(message)}); }
    // A problem that keeps the menu from starting.
    void Error(size_t line, std::string message) { findings_.push_back({line, LintLevel::Error, std::move(message)}); }
    // A remark that is not a finding, such as a check this host cannot make.
    void Note(std::string message) { notes_.push_back(std::move(message)); }

    const std::vector<TLintFinding>& Findings() const { return findings_; }
    const std::vector<std::string>& Notes() const { return notes_; }

private:
    std::vector<TLintFinding> findings_;
    std::vector<std::string> notes_;
};

// The report's text: the findings ordered by line (in the order found within a line), each as
// "file:line: level: message" ("file: level: message" without a line), then the notes, then one
// summary line.
std::string LintText(const std::string& file, const TLintReport& report);

// 2 when there is an error (the menu would not start), 1 with warnings only, 0 when clean.
int LintExitCode(const TLintReport& report);
