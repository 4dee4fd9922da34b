#pragma once
// A private temporary folder for one test, removed with everything in it at the end of the test.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

class TTestFolder {
public:
    TTestFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "menu-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TTestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TTestFolder(const TTestFolder&) = delete;
    TTestFolder& operator=(const TTestFolder&) = delete;

    // The folder's full name, without a final separator.
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // Writes `bytes` to the file `name` inside the folder (creating its subfolders); returns its full name.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path file = std::filesystem::path(path_) / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    std::string MakeFolder(const std::string& name) const {
        std::filesystem::create_directories(std::filesystem::path(path_) / name);
        return path_ + "/" + name;
    }

private:
    std::string path_;
};

// Runs the rest of the scope in `folder` as the current folder.
class TCurrentFolder {
public:
    explicit TCurrentFolder(const std::string& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~TCurrentFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    TCurrentFolder(const TCurrentFolder&) = delete;
    TCurrentFolder& operator=(const TCurrentFolder&) = delete;

private:
    std::filesystem::path previous_;
};
