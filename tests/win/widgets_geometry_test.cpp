// The framework with geometry from outside the program (any 32-bit position and size), losing the
// mouse capture, and drawing outside a paint message among overlapping controls.
#include <gtest/gtest.h>

#include <climits>

#include "base/dcguards_win.h"
#include "shell/application_win.h"
#include "shell/form_win.h"
#include "tests/win/widgets_probe.h"

namespace {

class FrameworkEdges : public testing::Test {
protected:
    void SetUp() override {
        form.SetClientWidth(300);
        form.SetClientHeight(200);
    }
    void TearDown() override { ReleaseCapture(); }
    void Send(UINT msg, WPARAM keys, int x, int y) { SendMessageA(form.Handle(), msg, keys, MAKELPARAM(x, y)); }
    TApplication application;
    TForm form{&application};
};

TEST_F(FrameworkEdges, BoundsAtTheEndsOfTheIntegerRangeDoNotWrap) {
    const struct {
        RECT bounds;  // left, top, then width and height stored as right/bottom
        POINT probe;
        bool hit;
    } cases[] = {
        {{INT_MAX - 10, 0, INT_MAX, 100}, {50, 50}, false},  // its far edge saturates, it never comes back
        {{INT_MIN, 0, INT_MAX, 100}, {50, 50}, false},       // ends at -1
        {{-10, -10, INT_MAX, INT_MAX}, {50, 50}, true},
        {{20, 20, -30, 40}, {10, 30}, false},  // negative width
        {{20, 20, 0, 40}, {20, 30}, false},
    };
    for (const auto& c : cases) {
        TForm other(&application);
        other.SetClientWidth(300);
        other.SetClientHeight(200);
        auto* control = new TGraphicControl(&other);
        control->SetParent(&other);
        control->SetBounds(c.bounds.left, c.bounds.top, c.bounds.right, c.bounds.bottom);
        EXPECT_EQ(other.ControlAtPos(c.probe, true) == control, c.hit) << c.bounds.left << "," << c.bounds.right;
    }
}

TEST_F(FrameworkEdges, ACaptorThatLosesTheCaptureIsTold) {
    auto* probe = new ProbeControl(&form, RECT{10, 10, 110, 60});
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 20, 20);
    ASSERT_TRUE(probe->MouseCapture());
    SendMessageA(form.Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(probe->events.back(), "cancel");
    EXPECT_EQ(GetCaptureControl(), nullptr);
    // A release after the control let go itself tells nobody.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 20, 20);
    Send(WM_LBUTTONUP, 0, 20, 20);
    EXPECT_EQ(std::count(probe->events.begin(), probe->events.end(), "cancel"), 1);
}

// The colour of the form's window on the screen at a client point.
COLORREF OnScreen(TForm& form, int x, int y) {
    const WindowDC dc(form.Handle());
    return GetPixel(dc.get(), x, y);
}

TEST_F(FrameworkEdges, DrawingOutsideAPaintLeavesLaterControlsOnTop) {
    auto* lower = new ProbeControl(&form, RECT{10, 10, 110, 60}, RGB(0, 0, 255));
    auto* upper = new ProbeControl(&form, RECT{50, 30, 150, 80}, RGB(0, 255, 0));
    auto* empty = new ProbeControl(&form, RECT{0, 0, 0, 0}, RGB(255, 0, 0));
    form.SetBounds(0, 0, form.Width(), form.Height());
    form.Show();
    application.ProcessMessages();
    ASSERT_EQ(OnScreen(form, 60, 40), RGB(0, 255, 0));
    EXPECT_EQ(empty->paints, 0);
    // Draw the lower control over itself in another colour, as an immediate repaint does.
    lower->Canvas().Brush().SetColor(clYellow);
    lower->Canvas().FillRect(lower->ClientRect());
    lower->Canvas().FreeHandle();
    EXPECT_EQ(OnScreen(form, 20, 20), RGB(255, 255, 0));
    EXPECT_EQ(OnScreen(form, 60, 40), RGB(0, 255, 0));  // the later control stays on top
    EXPECT_EQ(OnScreen(form, 109, 59), RGB(0, 255, 0));
    upper->Canvas().Brush().SetColor(clFuchsia);
    upper->Canvas().FillRect(upper->ClientRect());
    upper->Canvas().FreeHandle();
    EXPECT_EQ(OnScreen(form, 60, 40), RGB(255, 0, 255));
    // A control without area draws nothing, not even outside a paint.
    empty->Canvas().Brush().SetColor(clRed);
    empty->Canvas().FillRect(RECT{0, 0, 30, 30});
    empty->Canvas().FreeHandle();
    EXPECT_NE(OnScreen(form, 5, 5), RGB(255, 0, 0));
}

}  // namespace
