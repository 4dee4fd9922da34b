#include "tools/readlog.h"

#include "settings/asciitext.h"
#include "settings/profile.h"

void TReadLog::Add(const std::string& section, const std::string& key) {
    auto [entry, added] = keys_.try_emplace(AsciiUpperText(section));
    if (added)
        sections_.push_back(section);
    if (!HasKey(section, key))
        entry->second.push_back(key);
}

const std::vector<std::string>* TReadLog::KeysOf(std::string_view section) const {
    const auto found = keys_.find(AsciiUpperText(section));
    return found == keys_.end() ? nullptr : &found->second;
}

bool TReadLog::HasKey(std::string_view section, std::string_view key) const {
    if (const auto* keys = KeysOf(section))
        for (const std::string& known : *keys)
            if (SameProfileName(key, known))
                return true;
    return false;
}

std::string TRecordingIniFile::ReadString(const std::string& section,
                                          const std::string& key,
                                          const std::string& fallback) {
    log_.Add(section, key);
    return TRxIniFile::ReadString(section, key, fallback);
}
