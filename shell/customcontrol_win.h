#pragma once
// The two kinds of control that paint themselves: TCustomControl has a window of its own,
// TGraphicControl has none and paints on its parent's surface (after the parent has painted itself,
// in creation order). Both offer a Canvas and a virtual Paint.

#include <windows.h>

#include "shell/controlcanvas_win.h"
#include "shell/wincontrol_win.h"

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    TControlCanvas& Canvas() { return canvas_; }
    const char* ClassName() const override { return "TCustomControl"; }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

private:
    TControlCanvas canvas_;
};

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    TControlCanvas& Canvas() { return canvas_; }

    void WndProc(TMessage& message) override;

protected:
    virtual void Paint() {}
    void BoundsChanged() override;

private:
    TControlCanvas canvas_;
};
