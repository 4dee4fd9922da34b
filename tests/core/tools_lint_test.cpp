// The linter's small pieces: name suggestions and the report's form.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/closestname.h"
#include "tools/lintreport.h"

namespace {

struct Suggestion {
    std::string name;
    std::string closest;
};

class ClosestNameOf : public testing::TestWithParam<Suggestion> {};

TEST_P(ClosestNameOf, SuggestsOnlyNearNames) {
    const std::vector<std::string> keys{"X", "Y", "Width", "Height", "ExePath", "ExeWorkingPath", "Main"};
    EXPECT_EQ(ClosestName(GetParam().name, keys), GetParam().closest) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Slips,
                         ClosestNameOf,
                         testing::Values(Suggestion{"Widht", "Width"},
                                         Suggestion{"WIDTH", "Width"},
                                         Suggestion{"Mian", "Main"},
                                         Suggestion{"Heigth", "Height"},
                                         Suggestion{"ExeWorkingDir", "ExeWorkingPath"},
                                         Suggestion{"ExePth", "ExePath"},
                                         Suggestion{"Colour", ""},
                                         Suggestion{"Settings", ""},
                                         Suggestion{"", ""},
                                         Suggestion{"Z", "X"},
                                         // At and just past a third of the name's length.
                                         Suggestion{"ExeWorkingPathXXXX", "ExeWorkingPath"},
                                         Suggestion{"ExeWorkingPathXXXXX", ""},
                                         Suggestion{"XXExePath", "ExePath"},
                                         Suggestion{"hWidt", ""}));

TEST(LintText, OrdersByLineAndEndsWithTheSummary) {
    TLintReport report;
    EXPECT_EQ(LintText("m.ini", report), "m.ini: no problems found\n");
    EXPECT_EQ(LintExitCode(report), 0);
    report.Warn(7, "late");
    report.Warn(0, "whole file");
    report.Warn(2, "early");
    EXPECT_EQ(LintExitCode(report), 1);
    report.Error(7, "broken");
    report.Note("skipped");
    EXPECT_EQ(LintText("m.ini", report),
              "m.ini: warning: whole file\n"
              "m.ini:2: warning: early\n"
              "m.ini:7: warning: late\n"
              "m.ini:7: error: broken\n"
              "m.ini: note: skipped\n"
              "m.ini: 1 error, 3 warnings: the menu would not start\n");
    EXPECT_EQ(LintExitCode(report), 2);
}

}  // namespace
