#pragma once
// The canvas of a control. Inside a paint message it draws on the paint's device context; outside
// one (an immediate repaint) it obtains a device context of the control's window, or for a windowless
// control of its parent's window with the origin moved to the control and the drawing clipped to the
// part of it that no later sibling covers.
// Such obtained contexts are released once the current message has been handled (and at idle time).

#include <windows.h>

#include "base/dcguards_win.h"
#include "shell/canvas_win.h"

class TControl;
class TWinControl;

class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl& control);
    ~TControlCanvas() override;

    // Draws on a device context supplied by a paint message until EndPaintOn.
    void BeginPaintOn(HDC dc);
    void EndPaintOn();
    // Releases a device context obtained on demand.
    void FreeHandle();

protected:
    void CreateHandle() override;

private:
    // Limits drawing on the parent's context to the windowless control's own visible part.
    void ClipToControl(HDC dc, const TWinControl& parent) const;

    TControl& control_;
    WindowDC obtained_;  // a context obtained on demand, or none
};

// Releases every device context that control canvases obtained on demand.
void FreeDeviceContexts();
