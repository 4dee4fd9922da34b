#include "menu/menuinfo.h"

#include <algorithm>

#include "menu/regmacro.h"
#include "settings/filenames.h"

namespace {
const std::string kMainSection = "Main";
}  // namespace

TVornelInfo::TVornelInfo(const std::string& fileName) : TVornelInfo(fileName, *PlatformRegistry()) {}

TVornelInfo::TVornelInfo(const std::string& fileName, TRegistryReader& registry)
    : TVornelInfo(std::make_unique<TRxIniFile>(fileName), registry) {}

TVornelInfo::TVornelInfo(std::unique_ptr<TRxIniFile> iniFile, TRegistryReader& registry)
    : iniFileName_(iniFile->FileName()), iniDir_(NormalDir(FileDirPart(iniFileName_))), iniFile_(std::move(iniFile)) {
    ReadMain();
    ReadEntries();
    ResolveMacros(registry);
}

TVornelInfo::~TVornelInfo() = default;

void TVornelInfo::ReadMain() {
    // Background and icon are always taken relative to the definition's folder, as written.
    backgroundPath_ = iniDir_ + iniFile_->ReadString(kMainSection, "Background", "menu.bmp");
    const std::string icon = iniFile_->ReadString(kMainSection, "Icon", "");
    if (!icon.empty())
        iconPath_ = iniDir_ + icon;
    appName_ = iniFile_->ReadString(kMainSection, "AppName", "");
    appTaskName_ = iniFile_->ReadString(kMainSection, "AppTaskName", "");
    progCount_ = std::min(iniFile_->ReadInteger(kMainSection, "ProgCount", 1), kMaxProgCount);
}

void TVornelInfo::ReadEntries() {
    // A count of 0 or below reads no section.
    for (int32_t n = 1; n <= progCount_; ++n) {
        entries_.push_back(std::make_unique<TProgInfo>());
        entries_.back()->ReadFrom(*iniFile_, "Prog_" + DecimalText(n));
    }
}

void TVornelInfo::ResolveMacros(TRegistryReader& registry) {
    for (const std::unique_ptr<TProgInfo>& entry : entries_) {
        entry->ExePath = ResolveRegistryMacro(entry->ExePath, registry);
        entry->ExeWorkingPath = ResolveRegistryMacro(entry->ExeWorkingPath, registry);
    }
}

const TProgInfo* TVornelInfo::GetEntry(int32_t index) const {
    if (index < 0 || static_cast<size_t>(index) >= entries_.size())
        return nullptr;
    return entries_[static_cast<size_t>(index)].get();
}
