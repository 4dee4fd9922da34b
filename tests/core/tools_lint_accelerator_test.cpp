// The lint's shared-accelerator finding, judged with the menu's own accelerator reading: on a
// double-byte system an ampersand that is the second byte of a character marks nothing.

#include <gtest/gtest.h>

#include <string>

#include "settings/leadbytes.h"
#include "tests/common/tempfile.h"
#include "tools/menulint.h"

namespace {

struct SharedKeyCase {
    const char* first;     // Prog_1's caption
    const char* second;    // Prog_2's caption
    bool shiftJis;         // read as on a Shift-JIS system
    const char* reported;  // the key named in the finding about Prog_2; empty: no finding
};

class LintAccelerator : public testing::TestWithParam<SharedKeyCase> {};

std::string SharedKeyFinding(const TLintReport& report) {
    for (const TLintFinding& finding : report.Findings())
        if (finding.message.find("accelerator key") != std::string::npos)
            return finding.message;
    return {};
}

TEST_P(LintAccelerator, ReportsAKeyOnlyWhereTheButtonsAnswerToIt) {
    const SharedKeyCase& c = GetParam();
    TTempFolder disc;
    disc.Write("a.exe", "");
    const std::string ini =
        disc.Write("menu.ini", std::string("[Main]\r\nProgCount=2\r\n") +
                                   "[Prog_1]\r\nX=0\r\nY=0\r\nWidth=50\r\nHeight=20\r\n" + "ButtonText=" + c.first +
                                   "\r\nExePath=a.exe\r\n" + "[Prog_2]\r\nX=0\r\nY=40\r\nWidth=50\r\nHeight=20\r\n" +
                                   "ButtonText=" + c.second + "\r\nExePath=a.exe\r\n");
    const TCurrentFolder root(disc.Path());
    SetLeadBytes(c.shiftJis ? ShiftJisLeadBytes() : LeadByteTable{});
    const std::string finding = SharedKeyFinding(LintMenu(ini));
    SetLeadBytes(LeadByteTable{});
    if (*c.reported == '\0')
        EXPECT_EQ(finding, "") << c.first << " / " << c.second;
    else
        EXPECT_EQ(finding.rfind(std::string("the accelerator key ") + c.reported + " of [Prog_2]", 0), 0u)
            << c.first << " / " << c.second << ": " << finding;
}

INSTANTIATE_TEST_SUITE_P(Captions,
                         LintAccelerator,
                         testing::Values(
                             // "\x83&" is one Shift-JIS character: "A" after it is no accelerator.
                             SharedKeyCase{"\x83&Apple", "&Again", true, ""},
                             // Read byte by byte, the same caption marks "A".
                             SharedKeyCase{"\x83&Apple", "&Again", false, "A"},
                             // A mark after the double-byte character still counts.
                             SharedKeyCase{"\x83&x &Big", "&box", true, "B"},
                             // No typed key is a double-byte character: nothing is shared.
                             SharedKeyCase{"&\x82\xA0", "&\x82\xA0", true, ""},
                             SharedKeyCase{"&Go", "&go on", true, "G"}));

}  // namespace
