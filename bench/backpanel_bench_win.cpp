// The background panel's two ways of painting: a child's hover-sized copy from the background buffer
// (what a button asks for on every hover change) against the panel's full repaint of a 640 x 480
// window, both onto a screen-compatible memory context.
#include <windows.h>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "harness.h"
#include "shell/application_win.h"
#include "shell/form_win.h"
#include "tests/win/widgets_picturelist.h"
#include "widgets/backpanel_win.h"

namespace {

// A memory context with a screen-compatible picture of the size, and a canvas on it.
struct Target {
    UniqueMemoryDC dc{CreateCompatibleDC(nullptr)};
    UniqueBitmap bitmap;
    TCanvas canvas;
    HGDIOBJ initial;

    Target(int width, int height) {
        WindowDC screen(nullptr);
        bitmap.reset(CreateCompatibleBitmap(screen.get(), width, height));
        initial = SelectObject(dc.get(), bitmap.get());
        canvas.SetHandle(dc.get());
    }
    ~Target() {
        canvas.SetHandle(nullptr);
        SelectObject(dc.get(), initial);
    }
};

}  // namespace

int main() {
    TApplication application;
    TForm form(&application);
    form.BorderStyle = bsNone;
    form.SetClientWidth(640);
    form.SetClientHeight(480);
    PictureList list(640, 480);
    auto* panel = new TLMDBackPanel(&form);
    panel->SetParent(&form);
    panel->SetAlign(alClient);
    panel->SetImageList(&list);

    Target full(640, 480);
    const double repaint =
        bench::BestSeconds([&] { panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(full.dc.get()), 0); }, 50);
    Target hover(233, 24);
    const double copy = bench::BestSeconds(
        [&] {
            panel->BackDrawArea(hover.canvas, RECT{0, 0, 233, 24}, POINT{200, 300}, 0);
        },
        500);
    const double rebuild = bench::BestSeconds([&] { panel->CreateBack(true); }, 20);

    bench::Report("full repaint of a 640 x 480 panel", repaint, repaint, "full repaint");
    bench::Report("hover-sized copy (BackDrawArea 233 x 24)", copy, repaint, "full repaint");
    bench::Report("background buffer rebuild (640 x 480)", rebuild, repaint, "full repaint");
    return 0;
}
