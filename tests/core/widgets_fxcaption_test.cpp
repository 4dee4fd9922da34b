#include "widgets/fxcaption.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "widgets/buttonlayout.h"

namespace {

// Counts the notifications an object sends.
template <typename T>
struct Watched : T {
    Watched() {
        this->OnChange = [this](TLMDObject* sender) {
            EXPECT_EQ(sender, this);
            ++changes;
        };
    }
    int changes = 0;
};

TEST(CaptionEffect, StartsWithTheDefaults) {
    TLMDFxCaption fx;
    EXPECT_EQ(fx.DisabledStyle(), dsAuto);
    EXPECT_EQ(fx.LightDepth(), 1);
    EXPECT_EQ(fx.ShadowDepth(), 1);
    EXPECT_EQ(fx.LightColor(), clBtnHighlight);
    EXPECT_EQ(fx.ShadowColor(), clBtnShadow);
    EXPECT_EQ(fx.Style(), tdNone);
    EXPECT_EQ(fx.Orientation(), toTopLeft);
    EXPECT_EQ(fx.Tracing(), 0);
    EXPECT_EQ(fx.Angle(), 0);
    EXPECT_EQ(fx.PosX(), 0);
    EXPECT_EQ(fx.PosY(), 0);
}

TEST(CaptionEffect, IndexedSettersPickLightOrShadowAndAlwaysNotifyForOtherIndexes) {
    Watched<TLMDFxCaption> fx;
    fx.SetColor(0, clRed);
    EXPECT_EQ(fx.LightColor(), clRed);
    EXPECT_EQ(fx.ShadowColor(), clBtnShadow);
    fx.SetColor(1, clBlue);
    EXPECT_EQ(fx.LightColor(), clRed);
    EXPECT_EQ(fx.ShadowColor(), clBlue);
    EXPECT_EQ(fx.changes, 2);
    fx.SetColor(2, clLime);  // stores nothing, still tells
    EXPECT_EQ(fx.LightColor(), clRed);
    EXPECT_EQ(fx.ShadowColor(), clBlue);
    EXPECT_EQ(fx.changes, 3);
    fx.SetColor(0, clRed);  // the same value: silent
    EXPECT_EQ(fx.changes, 3);

    fx.SetDepth(1, 4);
    fx.SetDepth(0, 3);
    fx.SetDepth(-1, 9);
    EXPECT_EQ(fx.LightDepth(), 3);
    EXPECT_EQ(fx.ShadowDepth(), 4);
    EXPECT_EQ(fx.changes, 6);
    fx.SetPos(1, 7);
    fx.SetPos(2, 8);
    EXPECT_EQ(fx.PosX(), 0);
    EXPECT_EQ(fx.PosY(), 7);
    EXPECT_EQ(fx.changes, 8);
}

TEST(CaptionEffect, AngleOf360IsStoredAsZeroAndStartPointsChangeSilently) {
    Watched<TLMDFxCaption> fx;
    fx.SetAngle(90);
    fx.SetAngle(360);
    EXPECT_EQ(fx.Angle(), 0);
    EXPECT_EQ(fx.changes, 2);
    fx.SetPosXY(5, 6);
    EXPECT_EQ(fx.PosX(), 5);
    EXPECT_EQ(fx.PosY(), 6);
    EXPECT_EQ(fx.changes, 2);
    // An update opened by the caller stays open.
    fx.BeginUpdate();
    fx.SetPosXY(1, 1);
    fx.SetStyle(tdShadow);
    fx.EndUpdate(false);
    EXPECT_EQ(fx.changes, 2);
    fx.BeginUpdate();
    fx.EndUpdate(true);
    EXPECT_EQ(fx.changes, 3);
}

TEST(CaptionEffect, AssignCopiesEverythingButTheOrientationWithOneNotification) {
    TLMDFxCaption source;
    source.SetDisabledStyle(dsNone);
    source.SetDepth(0, 2);
    source.SetDepth(1, 3);
    source.SetColor(0, clRed);
    source.SetColor(1, clBlue);
    source.SetStyle(tdSunkenShadow);
    source.SetOrientation(toBottomRight);
    source.SetTracing(4);
    source.SetAngle(45);
    source.SetPosXY(7, 8);
    Watched<TLMDFxCaption> target;
    target.SetOrientation(toTopRight);
    target.changes = 0;
    target.Assign(source);
    EXPECT_EQ(target.changes, 1);
    EXPECT_EQ(target.DisabledStyle(), dsNone);
    EXPECT_EQ(target.LightDepth(), 2);
    EXPECT_EQ(target.ShadowDepth(), 3);
    EXPECT_EQ(target.LightColor(), clRed);
    EXPECT_EQ(target.ShadowColor(), clBlue);
    EXPECT_EQ(target.Style(), tdSunkenShadow);
    EXPECT_EQ(target.Tracing(), 4);
    EXPECT_EQ(target.Angle(), 45);
    EXPECT_EQ(target.PosX(), 7);
    EXPECT_EQ(target.PosY(), 8);
    EXPECT_EQ(target.Orientation(), toTopRight);
    target.Assign(target);
    EXPECT_EQ(target.changes, 1);
}

TEST(CaptionEffect, AssignFromAPlainCaptionLeavesTheRotation) {
    TLMD3DCaption plain;
    plain.SetStyle(tdRaised);
    plain.SetColor(0, clLime);
    Watched<TLMDFxCaption> target;
    target.SetAngle(30);
    target.changes = 0;
    target.Assign(plain);
    EXPECT_EQ(target.Style(), tdRaised);
    EXPECT_EQ(target.LightColor(), clLime);
    EXPECT_EQ(target.Angle(), 30);
    EXPECT_EQ(target.changes, 1);
}

TEST(CaptionEffect, AssignFromAnotherKindFailsAndChangesNothing) {
    Watched<TLMDFxCaption> target;
    target.SetStyle(tdOutline);
    target.changes = 0;
    TLMDButtonLayout layout;
    try {
        target.Assign(layout);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TLMDButtonLayout to a TLMDFxCaption");
    }
    EXPECT_EQ(target.Style(), tdOutline);
    EXPECT_EQ(target.changes, 0);
    EXPECT_THROW(layout.Assign(target), EConvertError);
}

TEST(CaptionEffect, ExtraSizePerStyle) {
    TLMD3DCaption fx;
    fx.SetDepth(0, 2);
    fx.SetDepth(1, 5);
    const int expected[] = {0, 2, 2, 7, 7, 7, 7, 5, 5, 5, 5};
    for (int style = tdNone; style <= tdExtrudeEnh; ++style) {
        fx.SetStyle(static_cast<TLMDThreeDStyle>(style));
        EXPECT_EQ(fx.ExtraSize(), expected[style]) << style;
    }
}

TEST(ButtonLayout, DefaultsSettersAndAssign) {
    Watched<TLMDButtonLayout> layout;
    EXPECT_EQ(layout.Alignment(), agCenter);
    EXPECT_EQ(layout.AlignText2Glyph(), taRight);
    EXPECT_EQ(layout.Spacing(), 2);
    EXPECT_EQ(layout.ArrowColor(), clBlack);
    EXPECT_EQ(layout.ArrowIndent(), 3);
    EXPECT_EQ(layout.ArrowSize(), 3);
    EXPECT_FALSE(layout.Arrow());
    layout.SetOffsetX(-4);
    layout.SetOffsetX(-4);
    layout.SetArrowSize(5);
    EXPECT_EQ(layout.changes, 2);

    TLMDButtonLayout other;
    other.SetAlignment(agBottomRight);
    other.SetOffsetY(9);
    other.SetArrow(true);
    layout.Assign(other);
    EXPECT_EQ(layout.changes, 3);
    EXPECT_EQ(layout.Alignment(), agBottomRight);
    EXPECT_EQ(layout.OffsetX(), 0);
    EXPECT_EQ(layout.OffsetY(), 9);
    EXPECT_TRUE(layout.Arrow());
    EXPECT_EQ(layout.ArrowSize(), 3);
}

}  // namespace
