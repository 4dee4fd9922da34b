#pragma once
// Temporary files and folders in the system's temporary folder, removed with their objects, and the
// current folder changed for a scope: for the native and the Windows tests alike. Names are joined
// with the host's separator ("/" natively, "\" on Windows), so they read as the host writes them.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <process.h>
#define MENU_TEST_PROCESS_ID _getpid()
#else
#include <unistd.h>
#define MENU_TEST_PROCESS_ID getpid()
#endif

namespace testtemp {

// A name in the temporary folder, unique in the process and among processes running at once.
inline std::filesystem::path NewPath(const std::string& suffix) {
    static std::atomic<int> counter{0};
    const std::string name = "menu-test-" + std::to_string(MENU_TEST_PROCESS_ID) + "-" + std::to_string(++counter);
    return std::filesystem::temp_directory_path() / (name + suffix);
}

// A new, empty folder of such a name; returns its full name.
inline std::string NewFolder() {
    std::filesystem::path folder;
    do
        folder = NewPath("");
    while (!std::filesystem::create_directory(folder));  // one left by an earlier process of this id
    return folder.string();
}

// Writes the bytes to the file (replacing it); false when it cannot be written.
inline bool WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

// A name in the temporary folder, removed with this object: a file, or a folder with all in it.
class TTempName {
public:
    ~TTempName() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TTempName(const TTempName&) = delete;
    TTempName& operator=(const TTempName&) = delete;

protected:
    explicit TTempName(std::string path) : path_(std::move(path)) {}

    const std::string path_;
};

}  // namespace testtemp

// A file holding the given bytes.
class TTempFile : private testtemp::TTempName {
public:
    explicit TTempFile(std::string_view bytes, const std::string& suffix = ".tmp")
        : TTempName(testtemp::NewPath(suffix).string()) {
        testtemp::WriteBytes(path_, bytes);
    }
    explicit TTempFile(const std::vector<uint8_t>& bytes, const std::string& suffix = ".tmp")
        : TTempFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), suffix) {}

    const std::string& path() const { return path_; }
};

// A new, empty folder for one test.
class TTempFolder : private testtemp::TTempName {
public:
    TTempFolder() : TTempName(testtemp::NewFolder()) {}

    // The folder's full name, without a final separator.
    const std::string& Path() const { return path_; }
    // The full name of `name` (relative) inside the folder.
    std::string operator/(const std::string& name) const { return (std::filesystem::path(path_) / name).string(); }

    // Creates the subfolder `name` (relative, with its parents); returns its full name.
    std::string MakeFolder(const std::string& name) const {
        std::filesystem::create_directories(*this / name);
        return *this / name;
    }
    // Writes `bytes` to the file `name` (relative, its folders created); returns its full name.
    std::string Write(const std::string& name, std::string_view bytes) const {
        const std::filesystem::path file = *this / name;
        std::filesystem::create_directories(file.parent_path());
        testtemp::WriteBytes(file, bytes);
        return file.string();
    }
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
