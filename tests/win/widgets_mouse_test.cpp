#include <gtest/gtest.h>

#include "shell/application_win.h"
#include "shell/form_win.h"
#include "tests/win/app_boxwatch.h"
#include "tests/win/widgets_probe.h"

namespace {

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

class MouseRouting : public testing::Test {
protected:
    void SetUp() override {
        form.SetClientWidth(300);
        form.SetClientHeight(200);
    }
    void TearDown() override { ReleaseCapture(); }
    TApplication application;
    TForm form{&application};
    ProbeControl* lower = new ProbeControl(&form, RECT{10, 10, 110, 60});
    ProbeControl* upper = new ProbeControl(&form, RECT{50, 30, 150, 80});
};

TEST_F(MouseRouting, GoesToTheTopmostControlUnderTheCursorInItsCoordinates) {
    SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, At(60, 40));  // both overlap here; upper came later
    ASSERT_EQ(upper->events, std::vector<std::string>{"move"});
    EXPECT_EQ(upper->points[0].x, 10);
    EXPECT_EQ(upper->points[0].y, 10);
    EXPECT_TRUE(lower->events.empty());

    SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, At(20, 15));
    ASSERT_EQ(lower->events, std::vector<std::string>{"move"});
    EXPECT_EQ(lower->points[0].x, 10);
    EXPECT_EQ(lower->points[0].y, 5);
}

TEST_F(MouseRouting, PassesOverDisabledAndHiddenControls) {
    upper->SetEnabled(false);
    SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, At(60, 40));
    EXPECT_TRUE(upper->events.empty());
    EXPECT_EQ(lower->events, std::vector<std::string>{"move"});
    lower->SetVisible(false);
    SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, At(60, 40));
    EXPECT_EQ(lower->events.size(), 1u);
}

TEST_F(MouseRouting, ExcludesTheRightAndBottomEdges) {
    SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, At(150, 50));
    SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, At(120, 80));
    EXPECT_TRUE(upper->events.empty());
}

TEST_F(MouseRouting, ReachesNoControlOfZeroSize) {
    auto* empty = new ProbeControl(&form, RECT{200, 100, 200, 100});
    SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, At(200, 100));
    EXPECT_TRUE(empty->events.empty());
}

TEST_F(MouseRouting, CapturesWhileTheLeftButtonIsHeldAndClicksOnReleaseInside) {
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    EXPECT_EQ(GetCapture(), form.Handle());
    EXPECT_EQ(GetCaptureControl(), lower);
    EXPECT_TRUE(lower->MouseCapture());
    // Moves outside, even over another control, still reach the captor.
    SendMessageA(form.Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(120, 70));
    SendMessageA(form.Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(5, 5));
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, At(30, 20));
    EXPECT_EQ(lower->events, (std::vector<std::string>{"down", "move", "move", "click", "up"}));
    EXPECT_EQ(lower->points[1].x, 110);
    EXPECT_EQ(lower->points[1].y, 60);
    EXPECT_EQ(lower->points[2].x, -5);
    EXPECT_EQ(lower->points[2].y, -5);
    EXPECT_TRUE(upper->events.empty());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(MouseRouting, ReleaseOutsideGivesNoClick) {
    int clicks = 0;
    lower->OnClick = [&](TComponent* sender) {
        EXPECT_EQ(sender, lower);
        ++clicks;
    };
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, At(250, 150));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(lower->events.back(), "up");
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, At(20, 20));
    EXPECT_EQ(clicks, 1);
}

TEST_F(MouseRouting, LosingTheCaptureForgetsTheCaptor) {
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    ASSERT_EQ(GetCaptureControl(), lower);
    ReleaseCapture();
    EXPECT_EQ(GetCaptureControl(), nullptr);
    SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, At(60, 40));
    EXPECT_EQ(upper->events, std::vector<std::string>{"move"});
}

TEST_F(MouseRouting, AnExceptionInAClickIsReportedAndTheWindowStays) {
    lower->OnClick = [](TComponent*) { throw EFOpenError("Cannot open file x"); };
    BoxWatcher watcher;
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, At(20, 20));
    const auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Cannot open file x.");
    EXPECT_EQ(boxes[0].caption, application.Title());
    EXPECT_TRUE(IsWindow(form.Handle()));
    // The form goes on handling messages.
    SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, At(20, 20));
    EXPECT_EQ(lower->events.back(), "move");
}

TEST_F(MouseRouting, AnEAbortInAClickShowsNothing) {
    lower->OnClick = [](TComponent*) { throw EAbort("quiet"); };
    BoxWatcher watcher;
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, At(20, 20));
    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_TRUE(IsWindow(form.Handle()));
}

class MouseIdle : public MouseRouting {
protected:
    void SetUp() override {
        MouseRouting::SetUp();
        form.SetBounds(0, 0, form.Width(), form.Height());
        form.Show();
        SetForegroundWindow(form.Handle());
        application.ProcessMessages();
    }
    // Puts the cursor at a client point of the form and runs the idle step's mouse part; the mouse
    // moves themselves are forgotten, only the notifications are kept.
    void HoverAt(int x, int y) {
        const POINT screen = form.ClientToScreen(POINT{x, y});
        SetCursorPos(screen.x, screen.y);
        application.ProcessMessages();
        for (ProbeControl* probe : {lower, upper})
            if (probe)
                std::erase(probe->events, "move");
        application.DoMouseIdle();
    }
};

TEST_F(MouseIdle, SendsEnterAndLeaveToTheControlUnderTheCursor) {
    HoverAt(20, 15);
    EXPECT_EQ(application.MouseControl(), lower);
    EXPECT_EQ(lower->events, std::vector<std::string>{"enter"});
    HoverAt(60, 40);
    EXPECT_EQ(application.MouseControl(), upper);
    EXPECT_EQ(lower->events, (std::vector<std::string>{"enter", "leave"}));
    EXPECT_EQ(upper->events, std::vector<std::string>{"enter"});
    HoverAt(250, 150);
    EXPECT_EQ(application.MouseControl(), &form);
    EXPECT_EQ(upper->events, (std::vector<std::string>{"enter", "leave"}));
    // Staying put sends nothing more.
    HoverAt(250, 150);
    EXPECT_EQ(upper->events.size(), 2u);
}

TEST_F(MouseIdle, IncludesDisabledControls) {
    lower->SetEnabled(false);
    HoverAt(20, 15);
    EXPECT_EQ(application.MouseControl(), lower);
    EXPECT_EQ(lower->events, std::vector<std::string>{"enter"});
}

TEST_F(MouseIdle, WhileAControlHasTheCaptureOnlyItIsNotified) {
    HoverAt(20, 15);
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 15));
    ASSERT_EQ(GetCaptureControl(), lower);
    HoverAt(60, 40);
    // The captor hears that the mouse left it; the control now under the cursor hears nothing.
    EXPECT_EQ(lower->events.back(), "leave");
    EXPECT_TRUE(upper->events.empty());
    EXPECT_EQ(application.MouseControl(), upper);
}

TEST_F(MouseIdle, ForgetsADestroyedControl) {
    HoverAt(60, 40);
    ASSERT_EQ(application.MouseControl(), upper);
    delete upper;
    upper = nullptr;
    EXPECT_EQ(application.MouseControl(), nullptr);
    HoverAt(20, 15);
    EXPECT_EQ(application.MouseControl(), lower);
}

}  // namespace
