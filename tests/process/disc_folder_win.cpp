#include "tests/process/disc_folder_win.h"

#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <system_error>

DiscFolder::DiscFolder() : owned_(std::in_place), path_(owned_->Path() + "\\") {}

DiscFolder::DiscFolder(std::string existingFolder) : path_(std::move(existingFolder)) {
    if (path_.empty() || path_.back() != '\\')
        path_ += '\\';
}

DiscFolder::~DiscFolder() {
    if (owned_)
        return;  // the temporary folder goes with everything in it
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(path_, ignored))
        std::filesystem::remove_all(entry.path(), ignored);
}

void DiscFolder::Write(const std::string& name, const Bytes& bytes) const {
    if (!testtemp::WriteBytes(PathOf(name),
                              std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())))
        throw std::runtime_error("cannot write " + name);
}

void DiscFolder::WriteText(const std::string& name, const std::string& text) const {
    Write(name, Bytes(text.begin(), text.end()));
}

void DiscFolder::CopyProgram(const std::string& name) const {
    if (!CopyFileA(MENU_EXE_PATH, PathOf(name).c_str(), FALSE))
        throw std::runtime_error(std::string("cannot copy ") + MENU_EXE_PATH);
}
