#include "widgets/fxcaption.h"

#include <gtest/gtest.h>

#include "widgets/buttonlayout.h"

namespace {

// Counts the notifications the caption effect sends.
struct WatchedCaption : TLMDFxCaption {
    WatchedCaption() {
        OnChange = [this](TLMDObject* sender) { changes += sender == this; };
    }
    int changes = 0;
};

TEST(CaptionEffect, IndexedSettersPickLightOrShadowAndAlwaysNotifyForOtherIndexes) {
    WatchedCaption fx;
    EXPECT_EQ(fx.DisabledStyle(), dsAuto);
    EXPECT_EQ(fx.LightDepth() * 10 + fx.ShadowDepth(), 11);
    fx.SetColor(0, clRed);
    fx.SetColor(1, clBlue);
    fx.SetColor(2, clLime);  // stores nothing, still tells
    fx.SetColor(0, clRed);   // the same value: silent
    EXPECT_EQ(fx.LightColor(), clRed);
    EXPECT_EQ(fx.ShadowColor(), clBlue);
    fx.SetDepth(1, 4);
    fx.SetDepth(-1, 9);
    EXPECT_EQ(fx.LightDepth() * 10 + fx.ShadowDepth(), 14);
    EXPECT_EQ(fx.changes, 5);
    fx.SetAngle(360);  // stored as 0: no change
    fx.SetPosXY(5, 6);
    EXPECT_EQ(fx.Angle(), 0);
    EXPECT_EQ(fx.PosX() * 10 + fx.PosY(), 56);
    EXPECT_EQ(fx.changes, 5);
    fx.BeginUpdate();
    fx.SetStyle(tdShadow);
    fx.EndUpdate(true);
    EXPECT_EQ(fx.changes, 6);
}

TEST(CaptionEffect, AssignCopiesEverythingButTheOrientationWithOneNotification) {
    TLMDFxCaption source;
    source.SetDisabledStyle(dsNone);
    source.SetDepth(0, 2);
    source.SetColor(1, clBlue);
    source.SetStyle(tdSunkenShadow);
    source.SetOrientation(toBottomRight);
    source.SetTracing(4);
    source.SetAngle(45);
    source.SetPosXY(7, 8);
    WatchedCaption target;
    target.SetOrientation(toTopRight);
    target.Assign(source);
    target.Assign(target);
    EXPECT_EQ(target.changes, 2);
    EXPECT_EQ(target.DisabledStyle(), dsNone);
    EXPECT_EQ(target.LightDepth(), 2);
    EXPECT_EQ(target.ShadowColor(), clBlue);
    EXPECT_EQ(target.Style(), tdSunkenShadow);
    EXPECT_EQ(target.Tracing(), 4);
    EXPECT_EQ(target.Angle(), 45);
    EXPECT_EQ(target.PosX() * 10 + target.PosY(), 78);
    EXPECT_EQ(target.Orientation(), toTopRight);

    TLMD3DCaption plain;  // a plain caption effect leaves the rotation
    plain.SetStyle(tdRaised);
    target.Assign(plain);
    EXPECT_EQ(target.Style(), tdRaised);
    EXPECT_EQ(target.Angle(), 45);
}

TEST(ButtonLayout, CentredByDefaultAndCopiedWhole) {
    TLMDButtonLayout layout, other;
    EXPECT_EQ(layout.Alignment(), agCenter);
    other.SetOffsetY(9);
    other.SetArrow(true);
    layout.Assign(other);
    EXPECT_EQ(layout.OffsetY(), 9);
    EXPECT_TRUE(layout.Arrow());
}

}  // namespace
