#include "tools/menulines.h"

#include "settings/asciitext.h"

TMenuLines::TMenuLines(std::vector<TProfileLine> lines) : lines_(std::move(lines)) {
    sections_.push_back({"", 0, false, {}});
    for (const TProfileLine& line : lines_) {
        if (!line.header) {
            sections_.back().keys.push_back(&line);
            continue;
        }
        const bool first = Find(line.section) == nullptr;
        sections_.push_back({line.section, line.number, first, {}});
        if (first)
            byName_.emplace(AsciiUpperText(line.section), sections_.size() - 1);
    }
}

const TMenuLines::Section* TMenuLines::Find(std::string_view name) const {
    const auto [begin, end] = byName_.equal_range(AsciiUpperText(name));
    for (auto it = begin; it != end; ++it)
        if (SameProfileName(sections_[it->second].name, name))
            return &sections_[it->second];
    return nullptr;
}

const TProfileLine* TMenuLines::Key(std::string_view section, std::string_view key) const {
    if (const Section* found = Find(section))
        for (const TProfileLine* line : found->keys)
            if (SameProfileName(line->key, key))
                return line;
    return nullptr;
}

size_t TMenuLines::LineOf(std::string_view section, std::string_view key) const {
    if (const TProfileLine* line = Key(section, key))
        return line->number;
    return HeaderOf(section);
}

size_t TMenuLines::HeaderOf(std::string_view section) const {
    const Section* found = Find(section);
    return found ? found->header : 0;
}
