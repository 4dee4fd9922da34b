#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "shell/application_win.h"
#include "shell/form_win.h"
#include "tests/common/pixels_win.h"
#include "tests/win/widgets_probe.h"

namespace {

// A windowless control whose Paint draws, changes the context as a careless painter might, and raises.
class ThrowingControl : public TGraphicControl {
public:
    ThrowingControl(TWinControl* parent, RECT bounds, std::function<void(HDC)> change)
        : TGraphicControl(parent), change_(std::move(change)) {
        SetParent(parent);
        SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    }

protected:
    void Paint() override {
        Canvas().Brush().SetColor(clBlue);
        Canvas().FillRect(ClientRect());
        change_(Canvas().Handle());
        throw std::runtime_error("paint failed");
    }

private:
    std::function<void(HDC)> change_;
};

class RedForm : public TForm {
public:
    using TForm::TForm;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(ClientRect());
    }
};

// What a paint could leave changed in a context.
struct ContextState {
    POINT origin;
    bool clipped;
    RECT clipBox;
    HGDIOBJ brush, pen, font;
    COLORREF text;
    int saveLevel;

    static ContextState Of(HDC dc) {
        ContextState state{};
        GetViewportOrgEx(dc, &state.origin);
        UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
        state.clipped = GetClipRgn(dc, region.get()) == 1;
        GetClipBox(dc, &state.clipBox);
        state.brush = GetCurrentObject(dc, OBJ_BRUSH);
        state.pen = GetCurrentObject(dc, OBJ_PEN);
        state.font = GetCurrentObject(dc, OBJ_FONT);
        state.text = GetTextColor(dc);
        state.saveLevel = SaveDC(dc);
        RestoreDC(dc, -1);
        return state;
    }
    bool operator==(const ContextState& other) const {
        return origin.x == other.origin.x && origin.y == other.origin.y && clipped == other.clipped &&
               EqualRect(&clipBox, &other.clipBox) && brush == other.brush && pen == other.pen && font == other.font &&
               text == other.text && saveLevel == other.saveLevel;
    }
};

TEST(PaintState, AThrowingPaintLeavesTheContextAsItCameAndTheNextPaintIsRight) {
    struct Case {
        const char* name;
        std::function<void(HDC)> change;
    };
    const std::vector<Case> cases = {
        {"selects an object", [](HDC dc) { SelectObject(dc, GetStockObject(BLACK_PEN)); }},
        {"moves the origin", [](HDC dc) { OffsetViewportOrgEx(dc, 7, 9, nullptr); }},
        {"narrows the clip", [](HDC dc) { IntersectClipRect(dc, 0, 0, 3, 3); }},
        {"sets the text colour", [](HDC dc) { SetTextColor(dc, RGB(1, 2, 3)); }},
        {"saves and never restores",
         [](HDC dc) {
             SaveDC(dc);
             OffsetViewportOrgEx(dc, 5, 5, nullptr);
         }},
    };
    TApplication application;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RedForm form(&application);
        form.SetClientWidth(100);
        form.SetClientHeight(80);
        auto* thrower = new ThrowingControl(&form, RECT{10, 10, 50, 40}, c.change);
        new ProbeControl(&form, RECT{60, 10, 90, 40}, RGB(0, 255, 0));

        UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
        UniqueBitmap bitmap(CreateBitmap(100, 80, 1, 32, nullptr));
        const ScopedSelect select(dc.get(), bitmap.get());
        const ContextState before = ContextState::Of(dc.get());
        EXPECT_THROW(form.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.get()), 0), std::runtime_error);
        EXPECT_TRUE(ContextState::Of(dc.get()) == before);

        thrower->SetVisible(false);
        form.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.get()), 0);
        const TPixelGrid shown(dc.get(), 100, 80);
        EXPECT_EQ(shown.At(5, 5), RGB(255, 0, 0));
        EXPECT_EQ(shown.At(60, 10), RGB(0, 255, 0));
        EXPECT_EQ(shown.At(89, 39), RGB(0, 255, 0));
        EXPECT_EQ(shown.At(90, 40), RGB(255, 0, 0));
    }
}

class ThrowingForm : public TForm {
public:
    using TForm::TForm;

protected:
    void Paint() override {
        SetTextColor(Canvas().Handle(), RGB(1, 2, 3));
        OffsetViewportOrgEx(Canvas().Handle(), 7, 9, nullptr);
        throw std::runtime_error("paint failed");
    }
};

TEST(PaintState, AWindowWhosePaintThrowsLeavesTheGivenContextAsItCame) {
    TApplication application;
    ThrowingForm form(&application);
    UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    const ContextState before = ContextState::Of(dc.get());
    EXPECT_THROW(form.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.get()), 0), std::runtime_error);
    EXPECT_TRUE(ContextState::Of(dc.get()) == before);
}

TEST(PaintState, AMovedGuardGivesBackOnceFromItsNewOwner) {
    UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_PEN);
    {
        ScopedSelect moved;
        {
            ScopedSelect first(dc.get(), GetStockObject(WHITE_PEN));
            moved = std::move(first);
        }
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), GetStockObject(WHITE_PEN));
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), original);
    {
        const ScopedViewportOffset outer(dc.get(), 3, 4);
        ScopedViewportOffset inner(dc.get(), 10, 10);
        ScopedViewportOffset taken(std::move(inner));
        POINT origin;
        GetViewportOrgEx(dc.get(), &origin);
        EXPECT_EQ(origin.x, 13);
    }
    POINT origin;
    GetViewportOrgEx(dc.get(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
}

}  // namespace
