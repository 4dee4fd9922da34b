#include "tests/process/disc_folder_win.h"

#include <shellapi.h>

#include <atomic>
#include <stdexcept>

#include "base/handles_win.h"

DiscFolder::DiscFolder() {
    static std::atomic<int> counter{0};
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    path_ = std::string(temp) + "menu-disc-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++) +
            "\\";
    if (!CreateDirectoryA(path_.c_str(), nullptr))
        throw std::runtime_error("cannot create " + path_);
}

DiscFolder::DiscFolder(std::string existingFolder) : path_(std::move(existingFolder)), ownsFolder_(false) {
    if (path_.empty() || path_.back() != '\\')
        path_ += '\\';
}

DiscFolder::~DiscFolder() {
    // SHFileOperation wants a double-NUL-terminated list and no trailing backslash.
    std::string from = ownsFolder_ ? path_.substr(0, path_.size() - 1) : path_ + "*";
    from.push_back('\0');
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
}

void DiscFolder::Write(const std::string& name, const Bytes& bytes) const {
    UniqueFile file(
        CreateFileA(PathOf(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw std::runtime_error("cannot write " + name);
    DWORD written = 0;
    if (!bytes.empty() && !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        throw std::runtime_error("cannot write " + name);
}

void DiscFolder::WriteText(const std::string& name, const std::string& text) const {
    Write(name, Bytes(text.begin(), text.end()));
}

void DiscFolder::CopyProgram(const std::string& name) const {
    if (!CopyFileA(MENU_EXE_PATH, PathOf(name).c_str(), FALSE))
        throw std::runtime_error(std::string("cannot copy ") + MENU_EXE_PATH);
}
