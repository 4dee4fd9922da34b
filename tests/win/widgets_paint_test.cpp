#include <gtest/gtest.h>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "shell/application_win.h"
#include "shell/form_win.h"
#include "tests/win/widgets_probe.h"
#include "tests/win/widgets_snapshot.h"

namespace {

class RedForm : public TForm {
public:
    using TForm::TForm;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(ClientRect());
    }
};

TEST(GraphicControlPainting, FollowsTheParentInCreationOrderClippedToEachControl) {
    TApplication application;
    RedForm form(&application);
    form.SetClientWidth(100);
    form.SetClientHeight(80);
    auto* first = new ProbeControl(&form, RECT{10, 10, 50, 40}, RGB(0, 0, 255));
    auto* second = new ProbeControl(&form, RECT{30, 20, 70, 60}, RGB(0, 255, 0));
    Snapshot shot(form, 100, 80);
    EXPECT_EQ(shot.At(5, 5), RGB(255, 0, 0));    // the form's own picture
    EXPECT_EQ(shot.At(15, 15), RGB(0, 0, 255));  // first control
    EXPECT_EQ(shot.At(40, 30), RGB(0, 255, 0));  // the later control lies on top
    EXPECT_EQ(shot.At(69, 59), RGB(0, 255, 0));
    EXPECT_EQ(shot.At(70, 60), RGB(255, 0, 0));  // right and bottom edges are outside
    EXPECT_EQ(first->paints, 1);
    EXPECT_EQ(second->paints, 1);
}

TEST(GraphicControlPainting, SkipsHiddenControls) {
    TApplication application;
    RedForm form(&application);
    form.SetClientWidth(100);
    form.SetClientHeight(80);
    auto* hidden = new ProbeControl(&form, RECT{10, 10, 50, 40});
    hidden->SetVisible(false);
    Snapshot shot(form, 100, 80);
    EXPECT_EQ(shot.At(15, 15), RGB(255, 0, 0));
    EXPECT_EQ(hidden->paints, 0);
}

TEST(GraphicControlCanvas, DrawsOnTheParentsWindowOutsideAPaintMessage) {
    TApplication application;
    RedForm form(&application);
    form.SetClientWidth(100);
    form.SetClientHeight(80);
    form.Show();  // a hidden window has nothing to draw on
    auto* probe = new ProbeControl(&form, RECT{10, 10, 50, 40});
    // The control's canvas reaches the parent's window at the control's place, clipped to it.
    HDC dc = probe->Canvas().Handle();
    ASSERT_NE(dc, nullptr);
    RECT clip = probe->Canvas().ClipRect();
    EXPECT_EQ(clip.left, 0);
    EXPECT_EQ(clip.top, 0);
    EXPECT_EQ(clip.right, 40);
    EXPECT_EQ(clip.bottom, 30);
    probe->Canvas().FreeHandle();
    EXPECT_FALSE(probe->Canvas().HandleAllocated());
}

TEST(GraphicControlRepaint, PaintsTheControlNowThroughItsParent) {
    TApplication application;
    RedForm form(&application);
    form.SetClientWidth(100);
    form.SetClientHeight(80);
    form.Show();
    auto* probe = new ProbeControl(&form, RECT{10, 10, 50, 40});
    application.ProcessMessages();
    const int before = probe->paints;
    probe->Repaint();
    EXPECT_GT(probe->paints, before);
    probe->ControlStyle |= csOpaque;
    const int opaqueBefore = probe->paints;
    probe->Repaint();
    EXPECT_EQ(probe->paints, opaqueBefore + 1);
}

TEST(ControlMessages, ReachEveryChildThroughNotifyControls) {
    TApplication application;
    TForm form(&application);
    auto* a = new ProbeControl(&form, RECT{0, 0, 5, 5});
    auto* b = new ProbeControl(&form, RECT{5, 5, 10, 10});
    form.NotifyControls(0xB0CE);
    EXPECT_EQ(a->received.back(), 0xB0CEu);
    EXPECT_EQ(b->received.back(), 0xB0CEu);
}

TEST(ControlFont, FollowsTheParentUntilSetItself) {
    TApplication application;
    TForm form(&application);
    auto* probe = new ProbeControl(&form, RECT{0, 0, 5, 5});
    form.Font().SetName("Arial");
    EXPECT_EQ(probe->Font().Name(), "Arial");
    EXPECT_TRUE(probe->ParentFont());
    TFont own;
    own.SetName("Times New Roman");
    own.SetHeight(-19);
    probe->SetFont(own);
    EXPECT_FALSE(probe->ParentFont());
    form.Font().SetName("Courier New");
    EXPECT_EQ(probe->Font().Name(), "Times New Roman");
    EXPECT_EQ(probe->Font().Height(), -19);
}

TEST(ControlOwnership, ControlsOwnedByAControlGoWithTheirOwnerAndChildrenWithTheirParent) {
    TApplication application;
    auto* form = new TForm(&application);
    auto* owner = new ProbeControl(form, RECT{0, 0, 5, 5});
    auto* other = new ProbeControl(form, RECT{5, 5, 10, 10});
    auto* clone = new TGraphicControl(owner);  // owned by a control, placed on the form
    clone->SetParent(form);
    EXPECT_EQ(form->ControlCount(), 3);
    delete owner;
    EXPECT_EQ(form->ControlCount(), 1);
    EXPECT_EQ(form->Controls(0), other);
    delete form;
    EXPECT_EQ(application.ComponentCount(), 0);
}

TEST(Canvas, FillsWithTheBrushAndWritesWithTheFontColour) {
    UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    UniqueBitmap bitmap(CreateBitmap(40, 20, 1, 32, nullptr));
    ScopedSelect select(dc.get(), bitmap.get());
    TCanvas canvas;
    canvas.SetHandle(dc.get());
    canvas.Brush().SetColor(clYellow);
    canvas.FillRect(RECT{0, 0, 40, 20});
    EXPECT_EQ(GetPixel(dc.get(), 39, 19), RGB(255, 255, 0));
    canvas.Brush().SetStyle(bsClear);
    canvas.Brush().SetColor(clBlue);
    canvas.FillRect(RECT{0, 0, 40, 20});
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), RGB(255, 255, 0));
    canvas.Font().SetColor(clRed);
    canvas.Font().SetHeight(-16);
    EXPECT_GT(canvas.TextWidth("W"), 0);
    canvas.TextOut(0, 0, "W");
    EXPECT_GT(TPixelGrid(dc.get(), 20, 20).Count(RECT{0, 0, 20, 20}, RGB(255, 0, 0)), 0);
    canvas.SetHandle(nullptr);
}

TEST(Canvas, ResolvesSystemColours) {
    UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    UniqueBitmap bitmap(CreateBitmap(4, 4, 1, 32, nullptr));
    ScopedSelect select(dc.get(), bitmap.get());
    TCanvas canvas;
    canvas.SetHandle(dc.get());
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(RECT{0, 0, 4, 4});
    EXPECT_EQ(GetPixel(dc.get(), 1, 1), GetSysColor(COLOR_BTNFACE));
    canvas.SetHandle(nullptr);
}

TEST(Canvas, CopiesARectangleFromAnotherCanvas) {
    UniqueMemoryDC from(CreateCompatibleDC(nullptr)), to(CreateCompatibleDC(nullptr));
    UniqueBitmap a(CreateBitmap(10, 10, 1, 32, nullptr)), b(CreateBitmap(10, 10, 1, 32, nullptr));
    ScopedSelect sa(from.get(), a.get()), sb(to.get(), b.get());
    TCanvas source, dest;
    source.SetHandle(from.get());
    dest.SetHandle(to.get());
    source.Brush().SetColor(clLime);
    source.FillRect(RECT{0, 0, 10, 10});
    dest.Brush().SetColor(clBlack);
    dest.FillRect(RECT{0, 0, 10, 10});
    dest.CopyRect(RECT{2, 2, 5, 5}, source, RECT{0, 0, 3, 3});
    EXPECT_EQ(GetPixel(to.get(), 2, 2), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(to.get(), 4, 4), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(to.get(), 5, 5), RGB(0, 0, 0));
    source.SetHandle(nullptr);
    dest.SetHandle(nullptr);
}

}  // namespace
