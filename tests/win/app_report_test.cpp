#include <gtest/gtest.h>

#include "shell/application_win.h"
#include "tests/win/app_boxwatch.h"

namespace {

struct PeriodCase {
    const char* text;
    const char* shown;
};

class ReportPeriod : public testing::TestWithParam<PeriodCase> {};

TEST_P(ReportPeriod, IsAddedAfterACharacterAboveThePeriod) {
    EXPECT_EQ(WithReportPeriod(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Endings,
                         ReportPeriod,
                         testing::Values(PeriodCase{"", ""},
                                         PeriodCase{"Stream read error", "Stream read error."},
                                         PeriodCase{"Done.", "Done."},
                                         PeriodCase{"Stop!", "Stop!"},
                                         PeriodCase{"Why?", "Why?."},
                                         PeriodCase{"Drive:", "Drive:."},
                                         PeriodCase{"Code 5", "Code 5."},
                                         PeriodCase{"space ", "space "},
                                         PeriodCase{"(note)", "(note)"},
                                         PeriodCase{"a,", "a,"},
                                         PeriodCase{"dash-", "dash-"},
                                         PeriodCase{"tab\t", "tab\t"},
                                         PeriodCase{"line\n", "line\n"},
                                         PeriodCase{"C:\\MENU\\menu.bmp", "C:\\MENU\\menu.bmp."},
                                         PeriodCase{"path/", "path/."},
                                         PeriodCase{"caf\xE9", "caf\xE9."},
                                         PeriodCase{"\x80", "\x80."},
                                         PeriodCase{".", "."},
                                         PeriodCase{"x", "x."}));

TEST(ExceptionReport, ShowsTheMessageWithItsPeriodCaptionedWithTheTitle) {
    TApplication application;
    application.SetTitle("Menu");
    BoxWatcher watcher;
    application.ShowException(EFOpenError("Cannot open file C:\\MENU\\menu.bmp"));
    const auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Menu");
    EXPECT_EQ(boxes[0].text, "Cannot open file C:\\MENU\\menu.bmp.");
    EXPECT_EQ(boxes[0].owner, application.Handle());
}

TEST(ExceptionReport, HasAnEmptyCaptionForAnEmptyTitle) {
    TApplication application;
    application.SetTitle("");
    BoxWatcher watcher;
    application.ShowException(Exception("Stop!"));
    const auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "");
    EXPECT_EQ(boxes[0].text, "Stop!");
}

TEST(HandleException, IgnoresEAbortSilently) {
    TApplication application;
    BoxWatcher watcher;
    try {
        throw EAbort("quiet");
    } catch (...) {
        application.HandleException(nullptr);
    }
    EXPECT_TRUE(watcher.Boxes().empty());
}

TEST(HandleException, ReportsOtherExceptions) {
    TApplication application;
    BoxWatcher watcher;
    try {
        throw EReadError("Stream read error");
    } catch (...) {
        application.HandleException(nullptr);
    }
    const auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Stream read error.");
}

TEST(HandleException, CallsTheExceptionCallbackInsteadOfTheReport) {
    TApplication application;
    std::string seen;
    application.OnException = [&](TComponent*, const Exception& e) { seen = e.Message(); };
    BoxWatcher watcher;
    try {
        throw EConvertError("bad");
    } catch (...) {
        application.HandleException(nullptr);
    }
    EXPECT_EQ(seen, "bad");
    EXPECT_TRUE(watcher.Boxes().empty());
}

TEST(HandleException, CancelsTheMouseCapture) {
    TApplication application;
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetCapture(window);
    ASSERT_EQ(GetCapture(), window);
    try {
        throw EAbort("");
    } catch (...) {
        application.HandleException(nullptr);
    }
    EXPECT_EQ(GetCapture(), nullptr);
    DestroyWindow(window);
}

TEST(ApplicationMessageBox, DisablesTheThreadsWindowsWhileItIsUpAndEnablesThemAfter) {
    TApplication application;
    HWND other =
        CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND disabledBefore = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_DISABLED, 0, 0, 10, 10, nullptr,
                                          nullptr, nullptr, nullptr);
    int result = 0;
    {
        BoxWatcher watcher(other);
        result = application.MessageBox("text", "caption", MB_OK | MB_ICONERROR);
        const auto boxes = watcher.Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_FALSE(boxes[0].watchedWindowEnabled);
        EXPECT_EQ(boxes[0].caption, "caption");
        EXPECT_EQ(boxes[0].text, "text");
    }
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(IsWindowEnabled(other));
    EXPECT_FALSE(IsWindowEnabled(disabledBefore));  // it was not ours to enable
    DestroyWindow(other);
    DestroyWindow(disabledBefore);
}

}  // namespace
