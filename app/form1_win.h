#pragma once
// In form1_win.cpp, form1menu_win.cpp.
// The menu window: reads the menu definition beside the program and turns it into the window: the
// background panel showing the bitmap at its natural size, the caption, the taskbar title, the icon
// and one flat button per entry.

#include <memory>
#include <string>

#include "app/menuaccessibility_win.h"
#include "app/menukeyboard_win.h"
#include "menu/menuinfo.h"
#include "shell/form_win.h"
#include "widgets/backpanel_win.h"
#include "widgets/bitmaplist_win.h"
#include "widgets/speedbutton_win.h"

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;
    const char* ClassName() const override { return "TForm1"; }

    // The window's design: the panel filling the client area, the template button on it (the
    // button of entry 0 and the pattern of the others) and the list holding the background.
    TLMDBackPanel* RunPanel = nullptr;
    TLMDSpeedButton* btnTemplate = nullptr;
    TLMDBitmapList* ImgList = nullptr;

    // The program's folder, ending in a backslash.
    std::string ProgramDir;
    // The menu model, kept for the window's whole life.
    std::unique_ptr<TVornelInfo> MenuInfo;

    // The click of every button: the entry is the button's Tag.
    void btnTemplateClick(TComponent* sender);
    // An entry's button is enabled when its target is an existing file.
    bool IsEntryRunnable(int index) const;

    // The keyboard's focus among the buttons.
    const TMenuKeyboard& Keyboard() const { return keyboard_; }

    void WndProc(TMessage& message) override;

private:
    // Creates the children with the values of the window's design.
    void CreateDesign();
    // Builds the window from the menu model: background, client size, title, caption, icon, buttons.
    void BuildMenu();
    // The button of entry `index`: the template for entry 0, else a clone owned by the template.
    TLMDSpeedButton* ButtonFor(int index);
    void Configure(TLMDSpeedButton& button, const TProgInfo& entry, int index);

    // Tab, the arrows, Home, End, Enter and Space among the buttons.
    TMenuKeyboard keyboard_{*this};
    // The entries' buttons for screen readers, asked by the window and by the panel that covers it.
    TMenuAccessibility accessibility_;
};
