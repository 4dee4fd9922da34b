// Differential test: the project's own INI parser (used where the platform has no private-profile
// functions) against GetPrivateProfileStringA, on every file of the tricky-INI corpus, key by key.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "settings/inifile.h"
#include "settings/profile.h"

namespace {

const std::string kCorpus = std::string(MENU_TEST_DATA) + "\\ini\\";

std::vector<std::string> CorpusFiles() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((kCorpus + "*.ini").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

// The platform reads a file in the system code page: the comparison holds for files that are
// valid text there.
bool ValidInCodePage(const std::string& bytes) {
    return bytes.empty() || bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0 ||
           bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ||
           MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0) >
               0;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Section and key names worth asking for: everything that looks like a name in the file's lines,
// raw and trimmed, plus names that are surely absent and the empty name.
void CollectNames(const std::string& bytes, std::set<std::string>& sections, std::set<std::string>& keys) {
    sections = {"", "Absent", "Main"};
    keys = {"", "Absent", "A"};
    // A UTF-8 file's names start after its byte-order mark.
    size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (start <= bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        const std::string raw = bytes.substr(start, end - start);
        const std::string line = Trim(raw);
        start = end + 1;
        if (line.empty())
            continue;
        const std::string name = raw.c_str();  // callers pass C strings
        if (line[0] == '[') {
            const size_t last = line.rfind(']'), first = line.find(']');
            if (last != std::string::npos) {
                sections.insert(line.substr(1, last - 1));
                sections.insert(Trim(line.substr(1, last - 1)));
                sections.insert(line.substr(1, first - 1));
            }
        }
        const size_t equals = line.find('=');
        keys.insert(Trim(line.substr(0, equals)).c_str());
        keys.insert(line.c_str());
        keys.insert(name);
    }
}

std::string Upper(std::string text) {
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::string Lower(std::string text) {
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// Every byte that looks like an ASCII letter in upper case, second bytes of double-byte characters
// included: the names a parser that ignores double-byte characters would wrongly match.
std::string BytewiseUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::vector<std::string> Spellings(const std::string& name) {
    return {name, Upper(name), Lower(name), "  " + name + "  ", "\t" + name, BytewiseUpper(name)};
}

std::string Platform(const std::string& path,
                     const std::string& section,
                     const std::string& key,
                     const std::string& fallback) {
    char buffer[2048];
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer, sizeof buffer, path.c_str());
    return std::string(buffer, std::min<DWORD>(length, sizeof buffer - 1));
}

std::string Shown(const std::string& text) {
    std::string shown;
    for (const unsigned char c : text.substr(0, 60)) {
        if (c >= 32 && c < 127 && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            char hex[8];
            wsprintfA(hex, "\\x%02X", c);
            shown += hex;
        }
    }
    return "\"" + shown + (text.size() > 60 ? "...\" (" + std::to_string(text.size()) + " chars)" : "\"");
}

// A reader under test: made once per file, then asked for (section, key, default).
using Reader = std::function<std::string(const std::string&, const std::string&, const std::string&)>;

struct Tally {
    size_t compared = 0, mismatches = 0, files = 0;
};

// Every default with the names as found; one default with other spellings of the names; each read
// through `makeReader(path)` against the platform function.
Tally CompareOnCorpus(bool onlyTextFiles, const std::function<Reader(const std::string&)>& makeReader) {
    const std::vector<std::string> defaults = {"dflt", "", "dflt  ", "'quoted dflt'", "   ", " lead"};
    Tally tally;
    for (const std::string& file : CorpusFiles()) {
        const std::string path = kCorpus + file;
        const std::string bytes = ReadBytes(path);
        if (onlyTextFiles && !ValidInCodePage(bytes))
            continue;
        ++tally.files;
        const Reader read = makeReader(path);
        std::set<std::string> sections, keys;
        CollectNames(bytes, sections, keys);
        size_t fileMismatches = 0;
        const auto compare = [&](const std::string& s, const std::string& k, const std::string& d) {
            const std::string expected = Platform(path, s, k, d);
            const std::string actual = read(s, k, d);
            ++tally.compared;
            if (actual == expected)
                return;
            ++tally.mismatches;
            if (++fileMismatches <= 6)
                ADD_FAILURE() << file << " [" << Shown(s) << "] " << Shown(k) << " default " << Shown(d)
                              << ": platform " << Shown(expected) << ", reader " << Shown(actual);
        };
        for (const std::string& section : sections) {
            for (const std::string& key : keys) {
                for (const std::string& d : defaults)
                    compare(section, key, d);
                const auto s = Spellings(section), k = Spellings(key);
                for (size_t i = 1; i < s.size(); ++i) {
                    compare(s[i], key, "dflt");
                    compare(section, k[i], "dflt");
                    compare(s[i], k[i], "dflt");
                }
            }
        }
    }
    return tally;
}

}  // namespace

TEST(ProfileDifferential, CorpusIsThere) {
    EXPECT_GE(CorpusFiles().size(), 30u);
}

TEST(ProfileDifferential, ParserAgreesWithThePlatformOnEveryCorpusFile) {
    const Tally tally = CompareOnCorpus(true, [](const std::string& path) -> Reader {
        return [path](const std::string& s, const std::string& k, const std::string& d) {
            return ReadProfileString(path, s, k, d);
        };
    });
    EXPECT_EQ(tally.mismatches, 0u) << "of " << tally.compared << " reads in " << tally.files << " files";
    EXPECT_GE(tally.files, 30u);
    EXPECT_GT(tally.compared, 10000u);
}

// The program's reader, one per file as the menu model keeps it: whether it answers from its copy
// of the file or through the platform, every read must give the platform's answer, on every file.
TEST(ProfileDifferential, ProgramReaderAgreesWithThePlatformOnEveryCorpusFile) {
    const Tally tally = CompareOnCorpus(false, [](const std::string& path) -> Reader {
        auto ini = std::make_shared<TIniFile>(path);
        return [ini](const std::string& s, const std::string& k, const std::string& d) {
            return ini->ReadString(s, k, d);
        };
    });
    EXPECT_EQ(tally.mismatches, 0u) << "of " << tally.compared << " reads in " << tally.files << " files";
    EXPECT_EQ(tally.files, CorpusFiles().size());
    EXPECT_GT(tally.compared, 10000u);
}

TEST(ProfileDifferential, AbsentFileGivesTheSameDefault) {
    const std::string path = kCorpus + "no such file.ini";
    for (const std::string d : {"dflt", "", "dflt  ", "'q'", "\"q\""})
        EXPECT_EQ(ReadProfileString(path, "Main", "A", d), Platform(path, "Main", "A", d)) << Shown(d);
}

TEST(ProfileDifferential, ProgramReaderOnAbsentFileAndBareName) {
    // A bare name is looked for in the Windows folder, not in the current one, by both.
    char folder[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, folder);
    const std::string bare = "profile diff bare name.ini";
    const std::string inCurrent = std::string(folder) + "\\" + bare;
    HANDLE file =
        CreateFileA(inCurrent.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const char text[] = "[Main]\r\nA=here\r\n";
    DWORD written = 0;
    WriteFile(file, text, sizeof text - 1, &written, nullptr);
    CloseHandle(file);
    for (const std::string& path : {kCorpus + "no such file.ini", bare}) {
        for (const std::string d : {"dflt", "", "dflt  ", "'q'", "\"q\""}) {
            TIniFile ini(path);
            EXPECT_EQ(ini.ReadString("Main", "A", d), Platform(path, "Main", "A", d)) << path << " " << Shown(d);
        }
    }
    DeleteFileA(inCurrent.c_str());
}
