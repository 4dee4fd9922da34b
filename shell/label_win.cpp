#include "shell/label_win.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    ControlStyle = csReplicatable | csSetCaption;
}

UINT TLabel::DrawTextFlags() const {
    UINT flags = DT_LEFT | DT_EXPANDTABS;
    if (WordWrap)
        flags |= DT_WORDBREAK;
    if (!ShowAccelChar)
        flags |= DT_NOPREFIX;
    return flags;
}

void TLabel::Paint() {
    TCanvas& canvas = Canvas();
    RECT area = ClientRect();
    canvas.Brush().SetColor(Parent() ? Parent()->Color() : Color());
    canvas.FillRect(area);
    canvas.Font().Assign(Font());
    HDC dc = canvas.Handle();
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, Caption().c_str(), static_cast<int>(Caption().size()), &area, DrawTextFlags());
}
