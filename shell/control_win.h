#pragma once
// TControl: what every control has, windowed or not: bounds in its parent's client coordinates, a
// parent, visibility, the enabled state, a caption, a font (optionally the parent's), a colour, the
// mouse messages turned into MouseDown/MouseMove/MouseUp/Click, and the control notifications
// (CM_* messages) turned into virtual methods.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "settings/color.h"
#include "settings/font.h"
#include "shell/align.h"
#include "shell/component.h"
#include "shell/geometry.h"
#include "shell/messages_win.h"

class TWinControl;

enum TControlStyleFlag : uint16_t {
    csAcceptsControls = 1,
    csCaptureMouse = 2,
    csClickEvents = 4,
    csOpaque = 8,
    csDoubleClicks = 16,
    csReplicatable = 32,
    csSetCaption = 64,
};
using TControlStyle = uint16_t;

using TNotifyEvent = std::function<void(TComponent* sender)>;
using TMouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    // The bounds in the parent's client coordinates; the far edges saturate instead of overflowing.
    RECT BoundsRect() const { return RECT{left_, top_, SaturatedAdd(left_, width_), SaturatedAdd(top_, height_)}; }
    // A control with no width or no height (zero or negative) shows nothing and takes no mouse input.
    bool BoundsEmpty() const { return width_ <= 0 || height_ <= 0; }
    virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
    int ClientWidth() const { return ClientRect().right; }
    int ClientHeight() const { return ClientRect().bottom; }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    TFont& Font() { return font_; }
    // Copies every attribute of the font; the control stops following its parent's font.
    void SetFont(const TFont& font) { font_.Assign(font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);

    TControlStyle ControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    // An opaque control covers its whole rectangle, so nothing under it is erased or repainted first.
    void SetOpaque(bool opaque) {
        ControlStyle = opaque ? (ControlStyle | csOpaque) : (ControlStyle & static_cast<TControlStyle>(~csOpaque));
    }

    // Marks the control's area for repainting (through the parent's window for a windowless control).
    virtual void Invalidate();
    // Repaints the control now.
    virtual void Repaint();
    // Paints what is invalid now.
    virtual void Update();

    // Sends a message straight to the control's message handling and answers its result.
    LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);
    virtual void WndProc(TMessage& message);

    POINT ClientToScreen(POINT point) const;
    POINT ScreenToClient(POINT point) const;
    // The offset of the control's client area within the nearest window (its own or its parent's).
    virtual POINT ClientOrigin() const;

    // While set, the control receives the mouse moves and releases even outside itself.
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

    // Control notifications; the defaults repaint where the look depends on the value.
    virtual void CMMouseEnter(TMessage& message) {}
    virtual void CMMouseLeave(TMessage& message) {}
    virtual void CMEnabledChanged(TMessage& message) { Invalidate(); }
    virtual void CMTextChanged(TMessage& message) { Invalidate(); }
    virtual void CMFontChanged(TMessage& message) { Invalidate(); }
    virtual void CMColorChanged(TMessage& message) { Invalidate(); }
    virtual void CMVisibleChanged(TMessage& message);
    virtual void CMParentFontChanged(TMessage& message);
    virtual void CMDialogChar(TMessage& message) {}
    // The mouse capture that the control held was taken away (another window took it, or a mode was
    // cancelled): whatever the held button was doing ends here.
    virtual void CMCancelMode(TMessage& message) {}

    // The window text of a windowed control follows the caption.
    virtual void TextChanged() {}
    // Called after the bounds changed (stored values already updated).
    virtual void BoundsChanged() {}
    // The parent window must re-arrange its aligned children.
    void RequestAlign();

    // Hands a message that no handler took to the default processing (the window's, if any).
    virtual void DefaultHandler(TMessage& message) {}

    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;

private:
    friend class TWinControl;
    void HandleMouse(TMessage& message);
    // Hands a mouse message routed by the parent window to the control, with the position in the
    // control's coordinates at full precision (the message's 16-bit position word cannot hold it).
    void PerformMouse(TMessage& message, POINT local);
    void FontChanged();

    TWinControl* parent_ = nullptr;
    TAlign align_ = alNone;
    bool visible_ = true;
    bool enabled_ = true;
    bool parentFont_ = true;
    bool clicked_ = false;
    bool fontFromParent_ = false;         // set while a parent's font is being copied in
    const POINT* routedPoint_ = nullptr;  // the exact position of the mouse message being handled
    std::string caption_;
    TColor color_ = clWindow;
    TFont font_;
};

// Marks an area of a window (all of it for a null area) for repainting, unless the window cannot be
// seen: it is then painted in full when it is shown.
void InvalidateIfShown(HWND window, const RECT* area, bool erase);

// The control that has the mouse captured: a windowless control holding its parent's capture, or the
// windowed control whose window has it; nullptr when no control of ours has it.
TControl* GetCaptureControl();
// The parent window lost the mouse capture: its windowless child no longer holds it. Answers that
// child, or nullptr when none of its children held it.
TControl* ForgetCaptureControl(const TWinControl* parent);
