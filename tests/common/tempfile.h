#pragma once
// A file in the system's temporary folder holding the given bytes, deleted with this object: for the
// native and the Windows tests alike.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <process.h>
#define MENU_TEST_PROCESS_ID _getpid()
#else
#include <unistd.h>
#define MENU_TEST_PROCESS_ID getpid()
#endif

class TTempFile {
public:
    explicit TTempFile(std::string_view bytes, const std::string& suffix = ".tmp") : path_(NewPath(suffix)) {
        std::ofstream(path_, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    explicit TTempFile(const std::vector<uint8_t>& bytes, const std::string& suffix = ".tmp")
        : TTempFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), suffix) {}
    ~TTempFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;

    const std::string& path() const { return path_; }

private:
    // Unique in the process and among processes running at once.
    static std::string NewPath(const std::string& suffix) {
        static int counter = 0;
        const std::string name = "menu-test-" + std::to_string(MENU_TEST_PROCESS_ID) + "-" + std::to_string(++counter);
        return (std::filesystem::temp_directory_path() / (name + suffix)).string();
    }

    std::string path_;
};
