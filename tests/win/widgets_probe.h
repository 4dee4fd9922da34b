#pragma once
// Test helper: a windowless control that records what reaches it and paints itself in one colour.

#include <string>
#include <vector>

#include "shell/customcontrol_win.h"

class ProbeControl : public TGraphicControl {
public:
    ProbeControl(TWinControl* parent, RECT bounds, COLORREF paint = RGB(0, 0, 255)) : TGraphicControl(parent) {
        SetParent(parent);
        SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
        colour = paint;
    }
    std::vector<std::string> events;
    std::vector<POINT> points;
    std::vector<UINT> received;
    int paints = 0;
    COLORREF colour;

    void WndProc(TMessage& message) override {
        received.push_back(message.Msg);
        TGraphicControl::WndProc(message);
    }

protected:
    void Paint() override {
        ++paints;
        Canvas().Brush().SetColor(static_cast<TColor>(colour));
        Canvas().FillRect(ClientRect());
    }
    void Click() override {
        events.push_back("click");
        TGraphicControl::Click();
    }
    void MouseDown(TMouseButton, TShiftState, int x, int y) override {
        events.push_back("down");
        points.push_back(POINT{x, y});
    }
    void MouseMove(TShiftState, int x, int y) override {
        events.push_back("move");
        points.push_back(POINT{x, y});
    }
    void MouseUp(TMouseButton, TShiftState, int x, int y) override {
        events.push_back("up");
        points.push_back(POINT{x, y});
    }
    void CMMouseEnter(TMessage&) override { events.push_back("enter"); }
    void CMMouseLeave(TMessage&) override { events.push_back("leave"); }
    void CMCancelMode(TMessage&) override { events.push_back("cancel"); }
};
