#pragma once
// The windowless controls of the widget family: TLMDControl turns the framework's mouse-enter and
// mouse-leave notifications and bounds changes into overridable operations and events, and repaints
// on a change of one of its sub-objects; TLMDBaseControl adds the question whether the control may
// take its background from its parent panel, and repaints when that panel's background changed.

#include <cstdint>
#include <functional>

#include "shell/customcontrol_win.h"

enum TLMDBoundsChangeFlag : uint8_t { tbcPosition = 1, tbcSize = 2 };
using TLMDBoundsChanges = uint8_t;

class TLMDControl : public TGraphicControl {
public:
    explicit TLMDControl(TComponent* owner);

    void SetBounds(int left, int top, int width, int height) override;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    std::function<void(TComponent* sender, TLMDBoundsChanges changes)> OnBoundsChange;

protected:
    // After the position and/or the size changed (not while loading).
    virtual void BoundsChange(TLMDBoundsChanges changes);
    virtual void MouseEnter();
    virtual void MouseExit();
    // A sub-object (or, with sender nullptr, something else the look depends on) changed: repaint,
    // except while loading.
    virtual void GetChange(const void* sender);
    virtual bool GetEmpty() const { return false; }

    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
};

class TLMDBaseControl : public TLMDControl {
public:
    explicit TLMDBaseControl(TComponent* owner);

    void WndProc(TMessage& message) override;

protected:
    // True when the control may copy its background from its parent panel instead of filling itself.
    virtual bool CheckOptimized() { return false; }
};
