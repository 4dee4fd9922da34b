#pragma once
// A private temporary folder for one Windows test, removed with everything in it afterwards.

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

class TWinTestFolder {
public:
    TWinTestFolder() {
        char temp[MAX_PATH + 1] = {};
        GetTempPathA(sizeof temp, temp);
        static int serial = 0;
        path_ = std::string(temp) + "menu-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(GetTickCount()) + "-" + std::to_string(++serial);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TWinTestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TWinTestFolder(const TWinTestFolder&) = delete;
    TWinTestFolder& operator=(const TWinTestFolder&) = delete;

    // The folder's full name, without a final backslash.
    const std::string& Path() const { return path_; }

    // Creates the subfolder `name` (backslash-separated, relative); returns its full name.
    std::string MakeFolder(const std::string& name) const {
        std::string full = path_;
        size_t start = 0;
        while (start <= name.size()) {
            const size_t end = name.find('\\', start);
            full += "\\" + name.substr(start, end == std::string::npos ? std::string::npos : end - start);
            CreateDirectoryA(full.c_str(), nullptr);
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
        return full;
    }
    // Writes the file `name` (relative, its folders created); returns its full name.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const size_t slash = name.rfind('\\');
        if (slash != std::string::npos)
            MakeFolder(name.substr(0, slash));
        const std::string full = path_ + "\\" + name;
        if (FILE* file = std::fopen(full.c_str(), "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
        return full;
    }

private:
    std::string path_;
};

// Runs the rest of the scope in `folder` as the current folder.
class TWinCurrentFolder {
public:
    explicit TWinCurrentFolder(const std::string& folder) {
        GetCurrentDirectoryA(sizeof previous_, previous_);
        SetCurrentDirectoryA(folder.c_str());
    }
    ~TWinCurrentFolder() { SetCurrentDirectoryA(previous_); }
    TWinCurrentFolder(const TWinCurrentFolder&) = delete;
    TWinCurrentFolder& operator=(const TWinCurrentFolder&) = delete;

private:
    char previous_[MAX_PATH + 1] = {};
};
