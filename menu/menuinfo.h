#pragma once
// The menu model: the window-level settings of menu.ini and one TProgInfo per entry, read once
// when the model is built (registry path macros resolved) and never changed afterwards.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "menu/proginfo.h"
#include "menu/registry.h"
#include "settings/inifile.h"

class TVornelInfo {
public:
    // The most entries a menu reads: a larger "ProgCount" is taken as this many, so that a
    // mistyped count cannot stall the start for hours or exhaust memory (each entry costs fifteen
    // reads of the file and one button). Zero and negative counts are kept as read.
    static constexpr int32_t kMaxProgCount = 1000;

    // Reads the definition file `fileName` (its full name), resolving macros in the host's registry.
    explicit TVornelInfo(const std::string& fileName);
    // The same, resolving macros through `registry`.
    TVornelInfo(const std::string& fileName, TRegistryReader& registry);
    // Reads through the given reader (over the definition file's full name) and `registry`.
    TVornelInfo(std::unique_ptr<TRxIniFile> iniFile, TRegistryReader& registry);
    ~TVornelInfo();
    TVornelInfo(const TVornelInfo&) = delete;
    TVornelInfo& operator=(const TVornelInfo&) = delete;

    const std::string& AppName() const { return appName_; }
    const std::string& AppTaskName() const { return appTaskName_; }
    const std::string& BackgroundPath() const { return backgroundPath_; }
    const std::string& IconPath() const { return iconPath_; }
    int32_t ProgCount() const { return progCount_; }  // as read, at most kMaxProgCount
    const std::string& IniFileName() const { return iniFileName_; }
    const std::string& IniDir() const { return iniDir_; }
    const TRxIniFile& IniFile() const { return *iniFile_; }
    const std::vector<std::unique_ptr<TProgInfo>>& Entries() const { return entries_; }

    // The entry at the 0-based index; nullptr when the index is negative or past the last entry.
    const TProgInfo* GetEntry(int32_t index) const;

private:
    void ReadMain();
    void ReadEntries();
    void ResolveMacros(TRegistryReader& registry);

    std::string appName_;
    std::string appTaskName_;
    std::string backgroundPath_;
    std::string iconPath_;
    int32_t progCount_ = 0;
    std::string iniFileName_;
    std::string iniDir_;
    std::unique_ptr<TRxIniFile> iniFile_;
    std::vector<std::unique_ptr<TProgInfo>> entries_;
};
