// Launching an entry in the process: the folder rule, the failure report, and no launch once the program
// is ending. What the target gets and the order of messages and launch are tested on menu.exe itself
// (tests/process).
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include "app/launch_win.h"
#include "menu/proginfo.h"
#include "shell/application_win.h"
#include "tests/process/disc_folder_win.h"
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
        folder_ = disc_.Path();
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
    }
    bool Recorded() const {
        return GetFileAttributesA((folder_ + "bin\\launches.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    DiscFolder disc_;
    std::string folder_;
    char saved_[MAX_PATH] = {};
};

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
