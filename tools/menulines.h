#pragma once
// Where the sections and keys of a menu definition lie, found as the INI reader finds them: only
// the first section of a name is read, and the first key of a name in it.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "settings/profile.h"

class TMenuLines {
public:
    struct Section {
        std::string name;
        size_t header = 0;  // its header's line; 0 for the keys before the first header
        bool read = false;  // the first section of its name, the one the reader searches
        std::vector<const TProfileLine*> keys;
    };

    explicit TMenuLines(std::vector<TProfileLine> lines);
    TMenuLines(const TMenuLines&) = delete;
    TMenuLines& operator=(const TMenuLines&) = delete;

    const std::vector<Section>& Sections() const { return sections_; }
    // The section the reader searches for `name`, or nullptr.
    const Section* Find(std::string_view name) const;
    // The key line the reader uses, or nullptr.
    const TProfileLine* Key(std::string_view section, std::string_view key) const;
    // The line of that key, else of the section's header, else 0.
    size_t LineOf(std::string_view section, std::string_view key) const;
    size_t HeaderOf(std::string_view section) const;

private:
    std::vector<TProfileLine> lines_;
    std::vector<Section> sections_;
    std::unordered_multimap<std::string, size_t> byName_;  // upper-cased name -> index of a read section
};
