#include "widgets/lmdbasecontrol_win.h"

#include "widgets/lmdmessages.h"

TLMDControl::TLMDControl(TComponent* owner) : TGraphicControl(owner) {}

void TLMDControl::SetBounds(int left, int top, int width, int height) {
    TLMDBoundsChanges changes = 0;
    if (left != Left() || top != Top())
        changes |= tbcPosition;
    if (width != Width() || height != Height())
        changes |= tbcSize;
    TGraphicControl::SetBounds(left, top, width, height);
    if (changes && !Loading())
        BoundsChange(changes);
}

void TLMDControl::BoundsChange(TLMDBoundsChanges changes) {
    if (OnBoundsChange)
        OnBoundsChange(this, changes);
}

void TLMDControl::MouseEnter() {
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TLMDControl::MouseExit() {
    if (OnMouseExit)
        OnMouseExit(this);
}

void TLMDControl::GetChange(const void*) {
    if (!Loading())
        Invalidate();
}

void TLMDControl::CMMouseEnter(TMessage& message) {
    TGraphicControl::CMMouseEnter(message);
    MouseEnter();
}

void TLMDControl::CMMouseLeave(TMessage& message) {
    TGraphicControl::CMMouseLeave(message);
    MouseExit();
}

TLMDBaseControl::TLMDBaseControl(TComponent* owner) : TLMDControl(owner) {}

void TLMDBaseControl::WndProc(TMessage& message) {
    if (message.Msg == CM_LMDBACKCHANGED) {
        // The parent's background changed under us: show the new one.
        if (!Loading() && CheckOptimized())
            GetChange(nullptr);
        return;
    }
    TLMDControl::WndProc(message);
}
