#pragma once
// In wincontrol_win.cpp, wincontrol_accessible_win.cpp.
// TWinControl: a control with a window of its own. It creates its window on demand, keeps its child
// controls in creation order, routes the mouse messages of its window to the windowless child under
// the cursor (or to the one that captured the mouse), and paints the windowless children after itself.

#include <windows.h>

#include <string>
#include <vector>

#include "base/handles_win.h"
#include "shell/control_win.h"

class TAccessibleElements;
class TAccessibleObject;

struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    UINT ClassStyle = 0;
    HCURSOR Cursor = nullptr;
    HBRUSH Background = nullptr;
    std::string WinClassName;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // The window, created (with the parent's) when it does not exist yet.
    HWND Handle();
    HWND HandleIfAllocated() const { return handle_.get(); }
    bool HandleAllocated() const { return handle_.get() != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys the window (and its children's) and creates it again with the current parameters;
    // nothing when there is no window yet.
    void RecreateWnd();

    // The window class name; each form or control class has its own.
    virtual const char* ClassName() const { return "TWinControl"; }

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    // The topmost visible child at a point of the client area (windowless children are searched; the
    // last created lies on top). Disabled children count only when allowDisabled is set.
    TControl* ControlAtPos(POINT point, bool allowDisabled) const;
    // Sends the message to every child control.
    void NotifyControls(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);
    // Sends the message to the children until one answers non-zero; answers that result.
    LRESULT Broadcast(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);

    void SetBounds(int left, int top, int width, int height) override;
    RECT ClientRect() const override;
    POINT ClientOrigin() const override;
    void Invalidate() override;
    void Repaint() override;
    void Update() override;

    // Paints the visible windowless children that intersect the device context's clip area, from the
    // control first (or from the first child when first is nullptr) to the last one created.
    void PaintControls(HDC dc, TControl* first);

    void WndProc(TMessage& message) override;

    // Framework bookkeeping, called by TControl::SetParent.
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // Places the aligned children within the client area.
    void AlignControls();

    // The elements that the window's accessible client object shows to assistive technology (see
    // shell/accessibleelements_win.h); nullptr leaves the window to the system's standard object.
    // An object already handed out is disconnected when the elements change or the window goes.
    void SetAccessibleElements(TAccessibleElements* elements);
    TAccessibleElements* AccessibleElements() const { return accessibleElements_; }

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    void DestroyHandle();
    // The area that aligned children share, in client coordinates.
    virtual void AdjustClientRect(RECT& rect) {}
    // Paints the control's own picture on the device context (no children).
    virtual void PaintWindow(HDC dc) {}

    void DefaultHandler(TMessage& message) override;
    void TextChanged() override;
    void CMVisibleChanged(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    // An accelerator key: offered to the children until one takes it.
    void CMDialogChar(TMessage& message) override {
        message.Result = Broadcast(CM_DIALOGCHAR, message.WParam, message.LParam);
    }

    virtual void WMPaint(TMessage& message);
    virtual void WMEraseBkgnd(TMessage& message);
    virtual void WMSize(TMessage& message);
    virtual void WMMove(TMessage& message);

private:
    friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
    bool RouteMouse(TMessage& message);
    bool HandleAccessibleMessage(TMessage& message);
    void DisconnectAccessible();
    void UpdateBoundsFromWindow();

    UniqueWindow handle_;  // set and let go of by the window procedure (WM_NCCREATE, WM_NCDESTROY)
    std::vector<TControl*> controls_;
    bool settingBounds_ = false;
    TAccessibleElements* accessibleElements_ = nullptr;
    UniqueCom<TAccessibleObject> accessible_;  // handed out on request, while the window exists
};

// The framework's control that owns a window, or nullptr for any other window.
TWinControl* FindControl(HWND window);
