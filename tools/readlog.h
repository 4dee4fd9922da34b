#pragma once
// An INI reader that notes every section and key the menu reads through it. Reading the menu model
// through it tells exactly which names the menu looks for, so that any other name in a definition
// is one the menu never reads.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "settings/inifile.h"

// The names read, by section; names compared as the INI reader compares them.
class TReadLog {
public:
    void Add(const std::string& section, const std::string& key);
    // The keys read from the section; nullptr when the section was never read.
    const std::vector<std::string>* KeysOf(std::string_view section) const;
    bool HasKey(std::string_view section, std::string_view key) const;
    const std::vector<std::string>& Sections() const { return sections_; }

private:
    std::vector<std::string> sections_;                               // in reading order
    std::unordered_map<std::string, std::vector<std::string>> keys_;  // by upper-cased section name
};

class TRecordingIniFile : public TRxIniFile {
public:
    TRecordingIniFile(std::string fileName, TReadLog& log) : TRxIniFile(std::move(fileName)), log_(log) {}
    std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) override;

private:
    TReadLog& log_;
};
