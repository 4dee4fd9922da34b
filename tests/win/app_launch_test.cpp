// Launching an entry: the folder rule, the exact file, parameters and folder the target gets, the order
// of messages and launch, the failure report, and no launch once the program is ending.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>  // after windows.h, which it needs

#include <fstream>
#include <sstream>

#include "app/launch_win.h"
#include "menu/proginfo.h"
#include "shell/application_win.h"
#include "tests/win/app_boxwatch.h"
#include "tests/win/shell_dialog_watch.h"

namespace {

struct FolderCase {
    const char* file;
    const char* working;
    const char* folder;
};

class LaunchFolderRule : public testing::TestWithParam<FolderCase> {};

TEST_P(LaunchFolderRule, IsTheWorkingFolderUnchangedElseTheTargetsFolder) {
    EXPECT_EQ(LaunchFolder(GetParam().file, GetParam().working), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         LaunchFolderRule,
                         testing::Values(FolderCase{"E:\\setup\\setup.exe", "", "E:\\setup\\"},
                                         FolderCase{"E:\\setup.exe", "", "E:\\"},
                                         FolderCase{"E:\\setup\\setup.exe", "data", "data"},
                                         FolderCase{"E:\\setup\\setup.exe", "%TEMP%\\..", "%TEMP%\\.."}));

// A temporary folder with the recorder program in it, made the current folder for the test.
class LaunchFolderFixture : public testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder_ = std::string(temp) + "menu-launch-" + std::to_string(GetCurrentProcessId()) + "-" +
                  std::to_string(counter_++) + "\\";
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA((folder_ + "bin").c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA((folder_ + "data").c_str(), nullptr));
        ASSERT_TRUE(CopyFileA(RECORDER_EXE_PATH, (folder_ + "bin\\recorder.exe").c_str(), FALSE));
        GetCurrentDirectoryA(sizeof saved_, saved_);
        SetCurrentDirectoryA(folder_.c_str());
    }
    void TearDown() override {
        // A quit message a test asked for must not end the next test's dialogs.
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        SetCurrentDirectoryA(saved_);
        std::string from = folder_.substr(0, folder_.size() - 1);
        from.push_back('\0');
        SHFILEOPSTRUCTA op{};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
        SHFileOperationA(&op);
    }
    // What the recorder wrote, once it has written `launches` starts (empty after the time-out).
    std::string Record(int launches = 1, DWORD timeoutMs = 10000) const {
        const DWORD start = GetTickCount();
        do {
            std::ifstream in(folder_ + "bin\\launches.txt", std::ios::binary);
            std::stringstream text;
            text << in.rdbuf();
            const std::string s = text.str();
            size_t count = 0;
            for (size_t at = s.find("folder: "); at != std::string::npos; at = s.find("folder: ", at + 1))
                ++count;
            if (count >= static_cast<size_t>(launches) && s.size() > 2 && s.substr(s.size() - 2) == "\r\n")
                return s;
            Sleep(50);
        } while (GetTickCount() - start < timeoutMs);
        return "";
    }
    bool Recorded() const {
        return GetFileAttributesA((folder_ + "bin\\launches.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    std::string folder_;
    char saved_[MAX_PATH] = {};
    static inline int counter_ = 0;
};

using RunProgramTarget = LaunchFolderFixture;

TEST_F(RunProgramTarget, GetsTheFullFileTheCommandLineAsWrittenAndTheTargetsFolder) {
    const std::string params = "/s \"C:\\Program Files\\x\" --name=\"a b\" -q";
    RunProgram("bin\\recorder.exe", params, "");
    const std::string record = Record();
    EXPECT_NE(record.find(" " + params + "\r\n"), std::string::npos) << record;
    EXPECT_NE(record.find("recorder.exe"), std::string::npos) << record;
    EXPECT_NE(record.find("folder: " + folder_ + "bin\r\n"), std::string::npos) << record;
}

TEST_F(RunProgramTarget, TakesARelativeWorkingFolderAsGiven) {
    RunProgram(folder_ + "bin\\recorder.exe", "", "data");
    const std::string record = Record();
    EXPECT_NE(record.find("folder: " + folder_ + "data\r\n"), std::string::npos) << record;
}

struct FailureCase {
    const char* name;
    const char* target;  // relative to the test folder
    int shellResult;
};

class RunProgramFailure : public LaunchFolderFixture, public testing::WithParamInterface<FailureCase> {};

TEST_P(RunProgramFailure, IsReportedOnceNamingTheTargetAndTheReason) {
    TApplication application;
    application.SetTitle("Product disc");
    TProgInfo entry;
    entry.ExePath = GetParam().target;
    entry.AfterRunMessage = "Installed.";
    entry.TerminateAfterStart = true;
    const HANDLE made = CreateFileA("data\\notes.zzqq", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(made);
    bool started = true;
    OnMessageDialog afterRun([](HWND) { PressKey(VK_RETURN); });
    {
        BoxWatcher watcher;
        started = LaunchEntry(entry);
        const auto boxes = watcher.Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, "Product disc");
        const std::string full = folder_ + GetParam().target;
        EXPECT_EQ(boxes[0].text,
                  WithReportPeriod("Cannot open " + full + ":\n" + ShellFailureReason(GetParam().shellResult)));
        EXPECT_FALSE(ShellFailureReason(GetParam().shellResult).empty());
    }
    EXPECT_FALSE(started);
    EXPECT_FALSE(afterRun.Ran());
    EXPECT_FALSE(application.TerminateRequested());
}

INSTANTIATE_TEST_SUITE_P(Targets,
                         RunProgramFailure,
                         testing::Values(FailureCase{"Missing", "bin\\gone.exe", SE_ERR_FNF},
                                         FailureCase{"NoAssociation", "data\\notes.zzqq", SE_ERR_NOASSOC}),
                         [](const auto& info) { return std::string(info.param.name); });

using LaunchEntryOrder = LaunchFolderFixture;

TEST_F(LaunchEntryOrder, ShowsThePreRunMessageThenLaunchesThenTheAfterRunMessageThenEnds) {
    TApplication application;
    TProgInfo entry;
    entry.ExePath = "bin\\recorder.exe";
    entry.PreRunMessage = "Insert disc 2.";
    entry.AfterRunMessage = "Setup is running.";
    entry.TerminateAfterStart = true;
    std::vector<bool> launchedBefore;
    OnMessageDialog dialogs([&](HWND) {
        // The shell returns before the target runs: wait for its record, but not longer than needed.
        launchedBefore.push_back(launchedBefore.empty() ? Recorded() : !Record().empty());
        PressKey(VK_RETURN);
    });
    EXPECT_TRUE(LaunchEntry(entry));
    EXPECT_EQ(launchedBefore, (std::vector<bool>{false, true}));
    EXPECT_TRUE(application.TerminateRequested());
}

TEST_F(LaunchEntryOrder, KeepsTheProgramRunningWhenTheEntrySaysSoAndLaunchesAgain) {
    TApplication application;
    TProgInfo entry;
    entry.ExePath = "bin\\recorder.exe";
    entry.TerminateAfterStart = false;
    EXPECT_TRUE(LaunchEntry(entry));
    ASSERT_FALSE(Record(1).empty());
    EXPECT_FALSE(application.TerminateRequested());
    EXPECT_TRUE(LaunchEntry(entry));
    EXPECT_FALSE(Record(2).empty());
}

TEST_F(LaunchEntryOrder, StartsNothingOnceTheProgramIsEnding) {
    TApplication application;
    TProgInfo entry;
    entry.ExePath = "bin\\recorder.exe";
    application.Terminate();
    EXPECT_FALSE(LaunchEntry(entry));
    Sleep(500);
    EXPECT_FALSE(Recorded());
}

TEST_F(LaunchEntryOrder, AQuitWhileThePreRunMessageIsUpSkipsTheLaunch) {
    TApplication application;
    TProgInfo entry;
    entry.ExePath = "bin\\recorder.exe";
    entry.PreRunMessage = "Ready?";
    entry.AfterRunMessage = "Done.";
    OnMessageDialog quit([](HWND) { PostQuitMessage(0); });
    EXPECT_FALSE(LaunchEntry(entry));
    EXPECT_EQ(quit.Count(), 1);  // no after-run message either
    EXPECT_TRUE(application.Terminated());
    Sleep(500);
    EXPECT_FALSE(Recorded());
}

}  // namespace
