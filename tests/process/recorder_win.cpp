// A launch target for the tests: appends the command line it was started with and its current folder
// to launches.txt beside itself, one "command: " and one "folder: " line per start, then ends.
// Started from a read-only disc it writes to the file that RECORDER_LOG names instead.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    std::string record;
    const DWORD length = GetEnvironmentVariableA("RECORDER_LOG", path, sizeof path);
    if (length > 0 && length < sizeof path) {
        record = path;
    } else {
        GetModuleFileNameA(nullptr, path, sizeof path);
        record = path;
        record.erase(record.find_last_of('\\') + 1);
        record += "launches.txt";
    }
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    const std::string text = std::string("command: ") + GetCommandLineA() + "\r\nfolder: " + folder + "\r\n";
    HANDLE file = CreateFileA(record.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
