// A hover in and out of a 233 x 24 menu button on a 640 x 480 background panel, against a full
// repaint of the panel. A hover change paints the button alone over the panel's picture (its
// background copied from the panel's buffer), so it should cost a small fraction of the repaint.
#include <windows.h>

#include <cstdio>

#include "base/memorystream.h"
#include "harness.h"
#include "shell/application_win.h"
#include "shell/controlcanvas_win.h"
#include "shell/form_win.h"
#include "tests/common/bmpbuilder.h"
#include "widgets/backpanel_win.h"
#include "widgets/bitmaplist_win.h"
#include "widgets/speedbutton_win.h"

namespace {

constexpr int kWidth = 640, kHeight = 480;

std::vector<uint8_t> Picture() {
    return testbmp::Ramp24(kWidth, kHeight);
}

}  // namespace

int main() {
    TApplication application;
    TForm form(&application);
    form.BorderStyle = bsSingle;
    form.SetClientWidth(kWidth);
    form.SetClientHeight(kHeight);
    auto* list = new TLMDBitmapList(&form);
    auto* panel = new TLMDBackPanel(&form);
    panel->SetParent(&form);
    panel->SetAlign(alClient);
    panel->SetImageList(list);
    auto* button = new TLMDSpeedButton(&form);
    button->SetParent(panel);
    button->SetBounds(7, 6, 233, 24);
    button->SetStyle(ubsExplorer);
    button->SetEnterColorChange(true);
    button->SetEnterColor(clLime);
    button->Font().SetName("Times New Roman");
    button->Font().SetHeight(-19);
    button->Font().SetStyle(fsBold);
    button->Font().SetColor(clYellow);
    button->FontFX().SetStyle(tdSunkenShadow);
    button->SetCaption("Install the product");

    auto* item = new TLMDBitmapListItem(list);
    const std::vector<uint8_t> bytes = Picture();
    TMemoryStream stream;
    stream.Write(bytes.data(), bytes.size());
    stream.SetPosition(0);
    item->Bitmap().LoadFromStream(stream);
    list->Add(item);
    form.Show();
    application.ProcessMessages();

    const double full = bench::BestSeconds(
        [&] {
            panel->Invalidate();
            panel->Update();
            GdiFlush();
        },
        20, 5);
    const double hover = bench::BestSeconds(
        [&] {
            button->Perform(CM_MOUSEENTER);
            button->Perform(CM_MOUSELEAVE);
            GdiFlush();
            FreeDeviceContexts();
        },
        200, 5);
    std::printf("hover against a full repaint (640 x 480 panel, 233 x 24 button)\n");
    bench::Report("full repaint of the panel", full, full, "full repaint");
    bench::Report("hover in and out of the button", hover, full, "full repaint");
    return 0;
}
