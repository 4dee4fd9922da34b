// The click-to-launch path without its messages (LaunchEntry: path made full, folder rule, the shell
// call, the result check) against a bare ShellExecuteA of the same target, a small program that
// records its start and ends. Both start a real process each time, which dominates.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "app/launch_win.h"
#include "harness.h"
#include "menu/proginfo.h"
#include "shell/application_win.h"
#include "tests/common/tempfile.h"

int main() {
    TApplication application;
    const TTempFolder temp;
    const std::string& folder = temp.Path();
    const std::string target = temp / "recorder.exe";
    if (!CopyFileA(RECORDER_EXE_PATH, target.c_str(), FALSE)) {
        std::printf("cannot copy the recorder\n");
        return 1;
    }
    TProgInfo entry;
    entry.ExePath = target;
    entry.ExeCommandLine = "/s \"a b\"";
    entry.TerminateAfterStart = false;

    const double bare = bench::BestSeconds(
        [&] {
            ShellExecuteA(nullptr, "open", target.c_str(), entry.ExeCommandLine.c_str(), folder.c_str(), SW_SHOWNORMAL);
        },
        4, 5);
    const double handler = bench::BestSeconds([&] { LaunchEntry(entry); }, 4, 5);
    bench::Report("bare ShellExecuteA", bare, bare, "bare ShellExecuteA");
    bench::Report("LaunchEntry without messages", handler, bare, "bare ShellExecuteA");
    Sleep(1000);  // let the last targets finish writing before their folder goes
    return 0;
}
