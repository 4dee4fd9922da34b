#pragma once
// The menu window: reads the menu definition beside the program and turns it into the window (the
// background's size, the caption, the taskbar title and the icon).

#include <memory>
#include <string>

#include "menu/menuinfo.h"
#include "shell/bitmap_win.h"
#include "shell/form_win.h"

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;
    const char* ClassName() const override { return "TForm1"; }

    // The program's folder, ending in a backslash.
    std::string ProgramDir;
    // The menu model, kept for the window's whole life.
    std::unique_ptr<TVornelInfo> MenuInfo;

    const TBitmap& Background() const { return background_; }

protected:
    // The background covers the whole client area: no erasing under it, no flicker.
    void WMEraseBkgnd(TMessage& message) override;
    void Paint() override;

private:
    // Builds the window from the menu model: background, client size, title, caption, icon.
    void BuildMenu();

    TBitmap background_;
};
