// Reading a menu definition three ways, in one process: one GetPrivateProfileStringA call per read
// (the baseline), the project's own parser reading the file for every key (what the menu uses
// where the platform has no profile functions), and the program's reader (one copy of the file's
// bytes, answered by the own lookup). A 20-, a 100- and a 1000-entry definition are generated into a
// temporary folder; each is loaded into the full menu model, so every one of the model's reads is
// timed (best of the rounds).

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "harness.h"
#include "menu/menuinfo.h"
#include "settings/profile.h"
#include "tests/common/tempfile.h"
#include "tools/menujson.h"

namespace {

// The model's reader with the project's own parser in place of the platform function.
class TPortableIniFile final : public TRxIniFile {
public:
    using TRxIniFile::TRxIniFile;
    std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) override {
        return ReadProfileString(FileName(), section, key, fallback);
    }
};

// The model's reader with one platform call per read.
class TPlatformIniFile final : public TRxIniFile {
public:
    using TRxIniFile::TRxIniFile;
    std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) override {
        char buffer[2048];
        const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer,
                                                      sizeof buffer, FileName().c_str());
        return std::string(buffer, length < sizeof buffer ? length : sizeof buffer - 1);
    }
};

std::string Definition(int entries) {
    std::string text = "[Main]\r\nBackground=menu.bmp\r\nAppName=Benchmark\r\nAppTaskName=Benchmark\r\nProgCount=" +
                       std::to_string(entries) + "\r\n";
    for (int n = 1; n <= entries; ++n) {
        const std::string y = std::to_string(20 + (n % 12) * 36);
        text += "[Prog_" + std::to_string(n) + "]\r\nX=40\r\nY=" + y + "\r\nWidth=240\r\nHeight=28\r\n";
        text += "ButtonText=Entry number " + std::to_string(n) + "\r\nFontInfo=Arial,12,B,0,clYellow,0\r\n";
        text += "HighlightColor=clLime\r\nTopContourColor=clBlack\r\nBottomContourColor=$00404040\r\n";
        text += "ExePath=setup\\setup" + std::to_string(n) + ".exe\r\nExeCommandLine=/s\r\nExeWorkingPath=setup\r\n";
        text += "PreRunMessage=\r\nAfterRunMessage=Done\r\nTerminateAfterStart=" + std::to_string(n % 2) + "\r\n";
    }
    return text;
}

std::string WriteDefinition(const std::string& folder, int entries) {
    const std::string name = folder + "\\menu" + std::to_string(entries) + ".ini";
    if (FILE* file = std::fopen(name.c_str(), "wb")) {
        const std::string text = Definition(entries);
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    return name;
}

// Loads the definition `rounds` times through each reader; the models of the last loads are
// compared, so all of them are seen to read the same menu.
void Measure(const std::string& fileName, int entries, int platformRounds, int portableRounds) {
    const auto registry = PlatformRegistry();
    std::unique_ptr<TVornelInfo> platformModel, portableModel, programModel;
    const double platformSeconds = bench::BestSeconds(
        [&] { platformModel = std::make_unique<TVornelInfo>(std::make_unique<TPlatformIniFile>(fileName), *registry); },
        1, platformRounds);
    const double portableSeconds = bench::BestSeconds(
        [&] { portableModel = std::make_unique<TVornelInfo>(std::make_unique<TPortableIniFile>(fileName), *registry); },
        1, portableRounds);
    const double programSeconds = bench::BestSeconds(
        [&] { programModel = std::make_unique<TVornelInfo>(std::make_unique<TRxIniFile>(fileName), *registry); }, 1,
        platformRounds);

    const long reads = 5 + 15L * entries;
    const std::string json = MenuModelJson(*platformModel);
    const bool same = json == MenuModelJson(*portableModel) && json == MenuModelJson(*programModel);
    std::printf("%d entries (%ld reads, %lld bytes), models identical: %s\n", entries, reads,
                static_cast<long long>(std::filesystem::file_size(fileName)), same ? "yes" : "NO");
    const std::string count = ", " + std::to_string(entries) + " entries";
    bench::Report(("GetPrivateProfileStringA per read" + count).c_str(), platformSeconds, platformSeconds,
                  "GetPrivateProfileStringA");
    bench::Report(("own parser per read" + count).c_str(), portableSeconds, platformSeconds,
                  "GetPrivateProfileStringA");
    bench::Report(("program's reader, one file read" + count).c_str(), programSeconds, platformSeconds,
                  "GetPrivateProfileStringA");
    std::printf("%-48s %10.3f us / %.3f us / %.3f us per read\n\n", "  per read (platform / own / program)",
                platformSeconds / reads * 1e6, portableSeconds / reads * 1e6, programSeconds / reads * 1e6);
}

}  // namespace

int main() {
    const TTempFolder temp;
    const std::string& folder = temp.Path();

    Measure(WriteDefinition(folder, 20), 20, 20, 20);
    Measure(WriteDefinition(folder, 100), 100, 10, 5);
    // The own parser reads the whole file for every key: one load of the large file takes long.
    Measure(WriteDefinition(folder, 1000), 1000, 3, 1);
    return 0;
}
