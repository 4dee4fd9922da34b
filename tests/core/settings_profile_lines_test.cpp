// The INI text's lines with their numbers, as the linter points at them: numbered as an editor
// counts, split and named by the same rules as the lookup.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "settings/profile.h"

namespace {

// "n:[section]" for headers, "n:key=value" or "n:key" (no "=") for keys.
std::string Listed(std::string_view text) {
    std::string listed;
    for (const TProfileLine& line : ProfileLines(text)) {
        listed += std::to_string(line.number) + ":";
        listed += line.header ? "[" + line.section + "]" : line.key + (line.value ? "=" + *line.value : "");
        listed += " ";
    }
    return listed;
}

struct Numbered {
    std::string text;
    std::string listed;
};

class ProfileLinesOf : public testing::TestWithParam<Numbered> {};

TEST_P(ProfileLinesOf, NumbersLinesAsAnEditorDoes) {
    EXPECT_EQ(Listed(GetParam().text), GetParam().listed);
}

INSTANTIATE_TEST_SUITE_P(LineEnds,
                         ProfileLinesOf,
                         testing::Values(Numbered{"[Main]\r\nA=1\r\n\r\nB\r\n", "1:[Main] 2:A=1 4:B "},
                                         Numbered{"[Main]\nA=1\n\nB", "1:[Main] 2:A=1 4:B "},
                                         Numbered{"[Main]\rA=1\r\rB\r", "1:[Main] 2:A=1 4:B "},
                                         Numbered{"\n\r\n\r[S]\r\r\nk = v \n", "4:[S] 6:k=v "},
                                         Numbered{"  [ S ] tail\n\t x y = 1 = 2\n[open\n",
                                                  "1:[S] 2:x y=1 = 2 3:[open "},
                                         Numbered{"k=before\n[S]\n=\n", "1:k=before 2:[S] 3:= "},
                                         Numbered{"\xEF\xBB\xBF[S]\nA=\xC3\xA9\n", "1:[S] 2:A=\xE9 "},
                                         // An overlong line end is no line end.
                                         Numbered{"\xEF\xBB\xBF[S]\nA=a\xC0\x8A"
                                                  "b=c\n",
                                                  "1:[S] 2:A=a??b=c "},
                                         Numbered{std::string("[S]\nA\0B=1\n", 10), "1:[S] 2:A=1 "}));

// Every key the lines list, looked up by its section and name, gives the value of its first line
// in the first section of that name: the two readings of a file never disagree.
TEST(ProfileLines, AgreeWithTheLookupOnTheCorpus) {
    for (const auto& file : std::filesystem::directory_iterator(MENU_TEST_DATA "/ini")) {
        std::ifstream in(file.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        const std::string text = bytes.str();
        std::vector<std::string> seenSections;
        std::vector<std::pair<std::string, std::string>> seenKeys;
        bool inFirst = true;
        for (const TProfileLine& line : ProfileLines(text)) {
            if (line.header) {
                inFirst = true;
                for (const std::string& seen : seenSections)
                    inFirst = inFirst && !SameProfileName(seen, line.section);
                seenSections.push_back(line.section);
                continue;
            }
            bool firstKey = inFirst && !line.section.empty();
            for (const auto& [section, key] : seenKeys)
                firstKey = firstKey && !(section == line.section && SameProfileName(key, line.key));
            seenKeys.emplace_back(line.section, line.key);
            if (firstKey) {
                EXPECT_EQ(ProfileLookup(text, line.section, line.key), line.value)
                    << file.path() << " line " << line.number << " [" << line.section << "] " << line.key;
            }
        }
    }
}

}  // namespace
