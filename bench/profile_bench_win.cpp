// The project's own INI reader (which reads the file's bytes on every call) against the
// platform's GetPrivateProfileStringA, on a menu-sized file and on a large one. Baseline: the
// platform function on the same file in the same process.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "harness.h"
#include "settings/profile.h"
#include "tests/common/tempfile.h"

namespace {

struct Query {
    std::string section, key;
};

// The benchmark's files, removed when it ends.
std::string WriteTemp(const std::string& name, const std::string& bytes) {
    static const TTempFolder folder;
    return folder.Write(name, bytes);
}

// A menu definition with `entries` [Prog_n] sections of 12 keys each, and the reads the menu makes.
void MakeMenu(int entries, std::string& text, std::vector<Query>& queries) {
    static const char* const kKeys[] = {"Caption", "Target", "Params", "WorkDir",    "Left",  "Top",
                                        "Width",   "Height", "Font",   "EnterColor", "Light", "Shadow"};
    text = "[Main]\r\nBackground=back.bmp\r\nCaption=Demo disc\r\nIcon=menu.ico\r\n\r\n";
    queries = {{"Main", "Background"}, {"Main", "Caption"}, {"Main", "Icon"}, {"Main", "Absent"}};
    for (int n = 1; n <= entries; ++n) {
        const std::string section = "Prog_" + std::to_string(n);
        text += "[" + section + "]\r\n";
        for (const char* key : kKeys) {
            text += std::string(key) + "=value of " + key + " " + std::to_string(n) + "\r\n";
            queries.push_back({section, key});
        }
        queries.push_back({section, "Close"});  // an absent key, as the menu reads defaults too
        text += "\r\n";
    }
}

void Compare(const char* label, int entries) {
    std::string text;
    std::vector<Query> queries;
    MakeMenu(entries, text, queries);
    const std::string path = WriteTemp(std::string("profile_bench_") + std::to_string(entries) + ".ini", text);
    size_t sink = 0;
    const double platform = bench::BestSeconds([&] {
        char buffer[2048];
        for (const Query& q : queries)
            sink += GetPrivateProfileStringA(q.section.c_str(), q.key.c_str(), "", buffer, sizeof buffer, path.c_str());
    });
    const double own = bench::BestSeconds([&] {
        for (const Query& q : queries)
            sink += ReadProfileString(path, q.section, q.key, "").size();
    });
    std::printf("%s: %zu reads of a %zu-byte file\n", label, queries.size(), text.size());
    bench::Report("  GetPrivateProfileStringA (baseline)", platform, platform, "GetPrivateProfileStringA");
    bench::Report("  ReadProfileString", own, platform, "GetPrivateProfileStringA");
    DeleteFileA(path.c_str());
    if (sink == 0)
        std::printf("(no values read)\n");
}

}  // namespace

int main() {
    Compare("menu of 8 entries", 8);
    Compare("menu of 200 entries", 200);
    return 0;
}
